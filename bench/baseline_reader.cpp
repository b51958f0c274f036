#include "baseline_reader.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace halvane::bench {
namespace {

struct Attributes {
  int group = 0, layer = 0, color = 1, lineType = 1, lineWidth = 0;
  int textType = 1, pointColor = 1, zFlags = 0, pickRef = 0;
  std::string font;
};

struct Record {
  Attributes head;
  int kind = 0;
  std::vector<double> values;
  std::string text;
};

double Number(const std::string& s) { return std::strtod(s.c_str(), nullptr); }

int KeyNumber(const std::string& key) {
  return key.size() > 2 ? std::atoi(key.c_str() + 2) : 0;
}

bool IsTextKey(const std::string& k) {
  return k.size() == 2 && k[0] == 'c' &&
         std::string("hvsroptkz2").find(k[1]) != std::string::npos;
}

class Baseline {
 public:
  void Line(std::string line) {
    std::string text;
    const std::size_t quote = line.find('"');
    if (quote != std::string::npos) {
      text = line.substr(quote + 1);
      line.erase(quote);
    }
    std::istringstream in(line);
    std::vector<std::string> f;
    std::string word;
    while (in >> word) f.push_back(word);
    if (f.empty()) return;
    const std::string& k = f[0];
    if (k == "pl") {
      ++polyline_;
      inPolyline_ = true;
    } else if (k == "msg") {
      inDimension_ = true;
    } else if (k == "#") {
      inPolyline_ = inDimension_ = false;
    } else if (k.rfind("cn$", 0) == 0 || k.rfind("cn", 0) == 0) {
      if (k.rfind("cn$", 0) == 0) {
        attr_.font = k.substr(3) + text;
      } else {
        attr_.textType = KeyNumber(k);
      }
      inPolyline_ = false;
    } else if (k.rfind("lg", 0) == 0 || k.rfind("ly", 0) == 0 ||
               k.rfind("lc", 0) == 0 || k.rfind("lt", 0) == 0 ||
               k.rfind("lw", 0) == 0) {
      const int v = KeyNumber(k);
      if (k[1] == 'g') attr_.group = v;
      if (k[1] == 'y') attr_.layer = v;
      if (k[1] == 'c') attr_.color = v;
      if (k[1] == 't') attr_.lineType = v;
      if (k[1] == 'w') attr_.lineWidth = v;
      inPolyline_ = false;
    } else if (k.size() == 2 && k[0] == 'z') {
      attr_.zFlags |= 1 << (k[1] - '1');
    } else if (k[0] == 'h') {
      header_.push_back(line);
    } else if (k == "ci" && (f.size() == 4 || f.size() >= 8)) {
      Store(f.size() == 4 ? 2 : 3, f, 1, f.size() == 4 ? 3 : 7);
    } else if (IsTextKey(k) && (f.size() >= 5 || !text.empty())) {
      Store(k == "cs" && inDimension_ ? 7 : 4, f, 1, 4);
      records_.back().text = text.substr(0, 255);
    } else if (k == "pt") {
      Store(f.size() == 3 ? 5 : 6, f, 1, f.size() == 3 ? 2 : 4);
    } else if (k == "BL" && f.size() >= 4) {
      Store(8, f, 1, 2);
      records_.back().text = f[3];
    } else if (k == "sl" || k == "sc" || k == "se" || k == "so" || k == "sg") {
      Store(k == "sl" ? 9 : 12, f, 1, f.size() - 1);
    } else if (f.size() == 4) {
      if (inDimension_) {
        held_ = {Number(f[0]), Number(f[1]), Number(f[2]), Number(f[3])};
      } else {
        Store(1, f, 0, 4);
        if (!inPolyline_) records_.back().values.push_back(0);
      }
    }
  }

  std::size_t Entities() const { return records_.size(); }

 private:
  void Store(int kind, const std::vector<std::string>& f, std::size_t from,
             std::size_t count) {
    Record r;
    r.head = attr_;
    r.kind = kind;
    for (std::size_t i = from; i < from + count && i < f.size(); ++i) {
      r.values.push_back(Number(f[i]));
    }
    records_.push_back(r);
    attr_.zFlags = 0;
    attr_.pickRef = 0;
    if (kind != 1) inPolyline_ = inDimension_ = false;
  }

  Attributes attr_;
  std::vector<Record> records_;
  std::vector<std::string> header_;
  std::vector<double> held_;
  int polyline_ = 0;
  bool inPolyline_ = false;
  bool inDimension_ = false;
};

}  // namespace

std::size_t BaselineRead(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  Baseline reader;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    reader.Line(line);
  }
  return reader.Entities();
}

}  // namespace halvane::bench
