#include "tools/host_standin/host_input.h"

#include "util/numbers.h"

namespace halvane {
namespace {

char HexDigitOf(int32_t v) { return "0123456789ABCDEF"[v & 15]; }

std::string NumberLine(std::string_view key, const double* values,
                       std::size_t n) {
  std::string line(key);
  for (std::size_t i = 0; i < n; ++i) {
    line += ' ';
    AppendGeneral(line, values[i]);
  }
  return line;
}

std::string TextTypeLine(std::string_view key, const Scenario& s,
                         double TJwwTextType::*field) {
  double values[10];
  for (int i = 0; i < 10; ++i) values[i] = s.TextTypes[i].*field;
  return NumberLine(key, values, 10);
}

}  // namespace

std::vector<std::string> HostInputLines(const Scenario& s,
                                        const BatchDirectives& batch,
                                        std::vector<int>& missing) {
  std::vector<std::string> lines = {"hq"};
  lines.push_back(NumberLine("hk", &s.Angle, 1));
  lines.push_back(NumberLine("hs", s.Scales.data(), 16));
  lines.push_back(TextTypeLine("hcw", s, &TJwwTextType::W));
  lines.push_back(TextTypeLine("hch", s, &TJwwTextType::H));
  lines.push_back(TextTypeLine("hcd", s, &TJwwTextType::D));
  std::string colours = "hcc";
  for (const TJwwTextType& t : s.TextTypes)
    colours += ' ' + std::to_string(t.Color);
  lines.push_back(colours);

  // After a rubber line ("#1-") the next pick carries the "-".
  bool rubber = false;
  for (const PointRequest& r : batch.Points) {
    const ScenarioPoint& p = s.Points[r.Number];
    std::string mark = rubber ? "-" : "";
    rubber = r.Suffix == "-";
    if (!rubber) mark += r.Suffix;
    if (!p.Given) {
      missing.push_back(r.Number);
      continue;
    }
    const double xy[2] = {p.X, p.Y};
    lines.push_back(NumberLine("hp" + std::to_string(r.Number) + mark, xy, 2));
  }

  lines.push_back(std::string("lg") + HexDigitOf(s.Group));
  lines.push_back(std::string("ly") + HexDigitOf(s.Layer));
  lines.push_back("lc" + std::to_string(s.Color));
  lines.push_back("lt" + std::to_string(s.LineType));
  if (batch.AsksLineWidth && s.LineWidth)
    lines.push_back("lw" + std::to_string(*s.LineWidth));
  if (s.TextType == 0) {
    const double free_size[3] = {s.FreeW, s.FreeH, s.FreeD};
    lines.push_back(NumberLine("cn0", free_size, 3) + ' ' +
                    std::to_string(s.FreeColor));
  } else {
    lines.push_back("cn" + std::to_string(s.TextType));
  }
  lines.push_back("cn\"$" + s.FontName);
  return lines;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

}  // namespace halvane
