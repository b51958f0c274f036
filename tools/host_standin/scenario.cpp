#include "tools/host_standin/scenario.h"

#include <vector>

#include "util/number_parse.h"
#include "util/text_encoding.h"

namespace halvane {
namespace {

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) fields.push_back(line.substr(start, i - start));
  }
  return fields;
}

bool WholeNumber(std::string_view field, double& value) {
  ParseResult r = ParseFloat(field.data(), field.data() + field.size(), value);
  return r.ok && r.ptr == field.data() + field.size();
}

bool WholeInt(std::string_view field, int32_t& value) {
  ParseResult r = ParseInt(field.data(), field.data() + field.size(), value);
  return r.ok && r.ptr == field.data() + field.size();
}

// Layer groups and layers are one hexadecimal digit, as the host names them.
bool HexDigit(std::string_view field, int32_t& value) {
  if (field.size() != 1) return false;
  char c = field[0];
  if (c >= '0' && c <= '9')
    value = c - '0';
  else if (c >= 'A' && c <= 'F')
    value = c - 'A' + 10;
  else if (c >= 'a' && c <= 'f')
    value = c - 'a' + 10;
  else
    return false;
  return true;
}

std::string_view RestAfterKey(std::string_view line, std::string_view key) {
  std::size_t at = line.find(key) + key.size();
  while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
  std::string_view rest = line.substr(at);
  while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t'))
    rest.remove_suffix(1);
  return rest;
}

class LineParser {
 public:
  LineParser(Scenario& s, std::string_view line) : s_(s), line_(line) {
    fields_ = SplitFields(line);
  }

  // Empty when the line was taken, otherwise what is wrong with it.
  std::string Parse() {
    if (fields_.empty() || fields_[0][0] == '#') return {};
    std::string_view key = fields_[0];
    if (key == "point") return Point();
    if (key == "angle") return Numbers(1, {&s_.Angle});
    if (key == "scale") return Scale();
    if (key == "group") return Hex(s_.Group);
    if (key == "layer") return Hex(s_.Layer);
    if (key == "color") return Int(s_.Color);
    if (key == "linetype") return Int(s_.LineType);
    if (key == "linewidth") {
      int32_t w = 0;
      std::string e = Int(w);
      if (e.empty()) s_.LineWidth = w;
      return e;
    }
    if (key == "texttype") return TextType();
    if (key == "text") return CurrentText();
    if (key == "font") return Font();
    if (key == "settings") return Text(s_.Settings);
    if (key == "title") {
      s_.Title = std::string(RestAfterKey(line_, key));
      return {};
    }
    return "unknown key \"" + std::string(key) + "\"";
  }

 private:
  std::string Count(std::size_t n) {
    if (fields_.size() == n + 1) return {};
    return std::string(fields_[0]) + " takes " + std::to_string(n) + " value" +
           (n == 1 ? "" : "s");
  }

  std::string Numbers(std::size_t n, std::initializer_list<double*> out,
                      std::size_t first = 1) {
    if (std::string e = Count(n); !e.empty()) return e;
    std::size_t k = first;
    for (double* v : out) {
      if (!WholeNumber(fields_[k], *v))
        return "not a number: " + std::string(fields_[k]);
      ++k;
    }
    return {};
  }

  std::string IntAt(std::size_t k, int32_t& v) {
    if (!WholeInt(fields_[k], v))
      return "not an integer: " + std::string(fields_[k]);
    return {};
  }

  std::string Int(int32_t& v) {
    if (std::string e = Count(1); !e.empty()) return e;
    return IntAt(1, v);
  }

  std::string Hex(int32_t& v) {
    if (std::string e = Count(1); !e.empty()) return e;
    if (!HexDigit(fields_[1], v))
      return "not a hexadecimal digit 0-F: " + std::string(fields_[1]);
    return {};
  }

  std::string Point() {
    if (std::string e = Count(3); !e.empty()) return e;
    int32_t n = 0;
    if (std::string e = IntAt(1, n); !e.empty()) return e;
    if (n < 1 || n > 99) return "point numbers run from 1 to 99";
    ScenarioPoint& p = s_.Points[n];
    p.Given = true;
    return Numbers(3, {&p.X, &p.Y}, 2);
  }

  std::string Scale() {
    if (std::string e = Count(2); !e.empty()) return e;
    int32_t g = 0;
    if (!HexDigit(fields_[1], g))
      return "not a hexadecimal digit 0-F: " + std::string(fields_[1]);
    return Numbers(2, {&s_.Scales[g]}, 2);
  }

  std::string TextType() {
    if (std::string e = Count(5); !e.empty()) return e;
    int32_t n = 0;
    if (std::string e = IntAt(1, n); !e.empty()) return e;
    if (n < 1 || n > 10) return "text types run from 1 to 10";
    TJwwTextType& t = s_.TextTypes[n - 1];
    if (std::string e = Numbers(5, {&t.W, &t.H, &t.D}, 2); !e.empty()) return e;
    return IntAt(5, t.Color);
  }

  std::string CurrentText() {
    if (fields_.size() == 2) {
      if (std::string e = IntAt(1, s_.TextType); !e.empty()) return e;
      if (s_.TextType < 1 || s_.TextType > 10)
        return "text takes a type 1-10, or 0 with W H D colour";
      return {};
    }
    if (std::string e = Count(5); !e.empty()) return e;
    if (fields_[1] != "0") return "only text type 0 takes a free size";
    s_.TextType = 0;
    if (std::string e = Numbers(5, {&s_.FreeW, &s_.FreeH, &s_.FreeD}, 2);
        !e.empty())
      return e;
    return IntAt(5, s_.FreeColor);
  }

  std::string Font() {
    std::string_view name = RestAfterKey(line_, "font");
    if (name.empty()) return "font takes a name";
    if (!Utf8ToSjis(name, s_.FontName))
      return "the font name cannot be written in Shift-JIS";
    return {};
  }

  std::string Text(std::filesystem::path& out) {
    std::string_view rest = RestAfterKey(line_, fields_[0]);
    if (rest.empty()) return std::string(fields_[0]) + " takes a file name";
    out = std::filesystem::path(std::u8string(rest.begin(), rest.end()));
    return {};
  }

  Scenario& s_;
  std::string_view line_;
  std::vector<std::string_view> fields_;
};

}  // namespace

Scenario DefaultScenario() {
  Scenario s;
  s.Scales.fill(1.0);
  // Growing sizes and a colour each, so that the types differ on a picture.
  constexpr double kSizes[10] = {2, 2.5, 3, 4, 5, 6, 7, 8, 9, 10};
  for (int i = 0; i < 10; ++i) {
    s.TextTypes[i] = {kSizes[i], kSizes[i], 0, i < 9 ? i + 1 : 2};
  }
  s.FontName =  // ＭＳ ゴシック
      "\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e";
  return s;
}

bool ParseScenario(std::string_view text, Scenario& out, ScenarioError& error) {
  out = DefaultScenario();
  int number = 0;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (number == 1 && line.substr(0, 3) == "\xef\xbb\xbf")
      line.remove_prefix(3);
    std::string message = LineParser(out, line).Parse();
    if (!message.empty()) {
      error = {number, message};
      return false;
    }
  }
  return true;
}

}  // namespace halvane
