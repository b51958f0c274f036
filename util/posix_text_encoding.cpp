#include <iconv.h>

#include <cerrno>

#include "util/text_encoding.h"

namespace halvane {
namespace {

constexpr char kReplacement[] = "\xef\xbf\xbd";  // U+FFFD

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much as it can; stops at a bad sequence and reports it.
  bool Step(const char*& in, std::size_t& left, std::string& out) {
    char buffer[256];
    while (left > 0) {
      char* in_ptr = const_cast<char*>(in);
      char* out_ptr = buffer;
      std::size_t room = sizeof buffer;
      std::size_t r = iconv(cd_, &in_ptr, &left, &out_ptr, &room);
      in = in_ptr;
      out.append(buffer, out_ptr - buffer);
      if (r == static_cast<std::size_t>(-1) && errno != E2BIG) return false;
    }
    return true;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::string SjisToUtf8(std::string_view sjis) {
  std::string out;
  Converter converter("UTF-8", "CP932");
  const char* in = sjis.data();
  std::size_t left = sjis.size();
  while (left > 0) {
    if (!converter.ok() || !converter.Step(in, left, out)) {
      out += kReplacement;
      ++in;
      --left;
    }
  }
  return out;
}

bool Utf8ToSjis(std::string_view utf8, std::string& sjis) {
  sjis.clear();
  Converter converter("CP932", "UTF-8");
  const char* in = utf8.data();
  std::size_t left = utf8.size();
  if (converter.ok() && converter.Step(in, left, sjis)) return true;
  sjis.clear();
  return false;
}

}  // namespace halvane
