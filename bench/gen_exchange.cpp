// Writes a large, deterministic JWC_TEMP.TXT in the host's line forms: a
// header, picked points, then entities in a drawing-like mix with attribute
// changes, Shift-JIS texts and CR LF line ends.
//   gen_exchange <output file> [entities, default 1000000]
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Same sequence on every platform (std:: distributions are not).
class Random {
 public:
  uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return static_cast<uint32_t>(state_ >> 32);
  }
  uint32_t Below(uint32_t n) { return Next() % n; }
  // A coordinate with the many digits the host writes.
  double Coordinate() { return (Next() / 4294967296.0) * 84100.0 - 2000.0; }

 private:
  uint64_t state_ = 0x9E3779B97F4A7C15ull;
};

const char* const kWords[] = {
    "\x95\xbd\x96\xca\x90\x7d",                          // 平面図
    "\x93\x8c\x91\xa4\x97\xa7\x96\xca\x90\x7d",          // 東側立面図
    "\x89\xef\x8b\x63\x8e\xba",                          // 会議室
    "\x98\x4c\x89\xba",                                  // 廊下
    "\x8a\x4b\x92\x69",                                  // 階段
    "\x8e\x96\x96\xb1\x8e\xba",                          // 事務室
    "\x91\x71\x8c\xc9",                                  // 倉庫
    "\x8c\xba\x8a\xd6\x83\x7a\x81\x5b\x83\x8b",          // 玄関ホール
    "\x90\xdd\x94\xf5\x83\x58\x83\x79\x81\x5b\x83\x58",  // 設備スペース
    "\x92\xca\x82\xe8\x90\x63",                          // 通り芯
    "\x92\x8c",                                          // 柱
    "\x95\xc7",                                          // 壁
    "\x91\x8b",                                          // 窓
};

class Writer {
 public:
  explicit Writer(std::FILE* f) : file_(f) {}
  ~Writer() { Flush(); }
  Writer& operator<<(const char* s) {
    buffer_ += s;
    return *this;
  }
  Writer& operator<<(const std::string& s) {
    buffer_ += s;
    return *this;
  }
  Writer& Number(double v, const char* format = " %.15g") {
    char text[40];
    std::snprintf(text, sizeof text, format, v);
    buffer_ += text;
    return *this;
  }
  Writer& Integer(long v) {
    buffer_ += std::to_string(v);
    return *this;
  }
  void End() {
    buffer_ += "\r\n";
    if (buffer_.size() > (1u << 20)) Flush();
  }
  void Flush() {
    std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
    buffer_.clear();
  }

 private:
  std::FILE* file_;
  std::string buffer_;
};

void WriteHeader(Writer& w) {
  w << "hq";
  w.End();
  w << "file=C:\\jww\\\x90\xdd\x8c\x76 \x90\x7d\x96\xca\\plan 01.jww";
  w.End();
  w << "hk 0";
  w.End();
  w << "hs 100 100 50 50 1 1 1 1 1 1 1 1 1 1 1 1";
  w.End();
  for (const char* key : {"hcw", "hch", "hcd"}) {
    w << key;
    for (int i = 1; i <= 10; ++i) w.Number(i * 0.5 + (key[2] == 'd' ? 0 : 1));
    w.End();
  }
  w << "hcc 1 2 3 4 5 6 7 8 9 1";
  w.End();
  w << "hzs 841 594";
  w.End();
  const char* points[] = {"hp1 0 0", "hp2 1000 0", "hp3 500 300",
                          "hp4 500 450"};
  for (const char* p : points) {
    w << p;
    w.End();
  }
}

void WriteAttributes(Writer& w, Random& r) {
  w << "lg" << std::string(1, "0123456789ABCDEF"[r.Below(16)]);
  w.End();
  w << "ly" << std::string(1, "0123456789ABCDEF"[r.Below(16)]);
  w.End();
  w << "lc";
  w.Integer(1 + r.Below(9)).End();
  w << "lt";
  w.Integer(1 + r.Below(9)).End();
  w << "lw";
  w.Integer(r.Below(3)).End();
}

void WriteText(Writer& w, Random& r, const char* key) {
  w << key;
  w.Number(r.Coordinate()).Number(r.Coordinate());
  w.Number(1).Number(0) << " \"" << kWords[r.Below(13)] << " "
                        << kWords[r.Below(13)];
  w.Integer(r.Below(100)).End();
}

void WriteSegment(Writer& w, Random& r) {
  w.Number(r.Coordinate(), "%.15g").Number(r.Coordinate());
  w.Number(r.Coordinate()).Number(r.Coordinate()).End();
}

// One entity (a polyline or a dimension counts as its lines); returns how
// many entities were written.
int WriteEntity(Writer& w, Random& r) {
  const uint32_t pick = r.Below(100);
  if (pick < 50) {
    WriteSegment(w, r);
  } else if (pick < 56) {
    w << "pl";
    w.End();
    for (int i = 0; i < 4; ++i) WriteSegment(w, r);
    return 4;
  } else if (pick < 66) {
    if (r.Below(4) == 0) {
      w << "cn";
      w.Integer(1 + r.Below(10)).End();
    }
    WriteText(w, r, "ch");
  } else if (pick < 74) {
    w << "ci";
    w.Number(r.Coordinate()).Number(r.Coordinate()).Number(r.Below(5000));
    w.Number(r.Below(360)).Number(r.Below(360)).Number(0).Number(1).End();
  } else if (pick < 79) {
    w << "ci";
    w.Number(r.Coordinate()).Number(r.Coordinate()).Number(r.Below(900) + 0.5);
    w.End();
  } else if (pick < 84) {
    w << "pt";
    w.Number(r.Coordinate()).Number(r.Coordinate()).End();
  } else if (pick < 89) {
    w << "sl";
    for (int i = 0; i < 8; ++i) w.Number(r.Coordinate());
    w.End();
  } else if (pick < 91) {
    w << "sc";
    for (int i = 0; i < 7; ++i) w.Number(r.Coordinate());
    w << " ";
    w.Integer(r.Below(256)).End();
  } else if (pick < 94) {
    w << "BL";
    w.Number(r.Coordinate()).Number(r.Coordinate());
    w << " " << kWords[r.Below(13)] << "-";
    w.Integer(r.Below(40)).End();
  } else if (pick < 97) {
    w << "msg";
    w.End();
    WriteSegment(w, r);
    WriteText(w, r, "cs");
  } else if (pick < 98) {
    w << "z3";
    w.End();
    WriteSegment(w, r);
  } else {
    WriteAttributes(w, r);
    return 0;
  }
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: gen_exchange <file> [entities]\n");
    return 2;
  }
  const long entities = argc > 2 ? std::atol(argv[2]) : 1000000;
  std::FILE* f = std::fopen(argv[1], "wb");
  if (f == nullptr) {
    std::perror(argv[1]);
    return 1;
  }
  Random r;
  {
    Writer w(f);
    WriteHeader(w);
    w << "cn\"$\x82\x6c\x82\x72 \x96\xbe\x92\xa9";
    w.End();
    for (long written = 0; written < entities;) written += WriteEntity(w, r);
  }
  const bool ok = std::fclose(f) == 0;
  return ok ? 0 : 1;
}
