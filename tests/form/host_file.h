// JWC_TEMP.TXT as the host writes it for a points-only command.
#pragma once

#include <string>
#include <vector>

#include "dimension_run.h"
#include "util/geometry.h"
#include "util/numbers.h"

namespace halvane::test {

struct HostInput {
  double Angle = 0;
  double Scale = 1;  // of every layer group
  std::vector<Point> Points = {{0, 0}, {100, 0}, {50, 20}, {50, 30}};
  std::vector<std::string> Attributes = {"lg0", "ly0", "lc2", "lt1", "cn1"};
};

// Built by appending: MinGW's GCC 12 wrongly warns (-Wrestrict) about a
// literal joined with a temporary string by +.
inline std::string HostFile(const HostInput& input) {
  std::string angle = "hk ";
  AppendGeneral(angle, input.Angle);
  std::vector<std::string> lines = {"hq", angle};
  std::string scales = "hs";
  for (int i = 0; i < 16; ++i) {
    scales += ' ';
    AppendGeneral(scales, input.Scale);
  }
  lines.push_back(scales);
  lines.push_back("hcw 3 3 3 3 3 3 3 3 3 3");
  lines.push_back("hch 3 3 3 3 3 3 3 3 3 3");
  lines.push_back("hcd 0 0 0 0 0 0 0 0 0 0");
  lines.push_back("hcc 2 2 2 2 2 2 2 2 2 2");
  for (std::size_t i = 0; i < input.Points.size(); ++i) {
    std::string point = "hp";
    point += std::to_string(i + 1);
    for (double value : {input.Points[i].x, input.Points[i].y}) {
      point += ' ';
      AppendGeneral(point, value);
    }
    lines.push_back(point);
  }
  for (const auto& line : input.Attributes) lines.push_back(line);
  return CrLf(lines);
}

// A folder holding the host's file, with the dialog's defaults otherwise.
inline void PrepareFolder(const TempFolder& folder, const HostInput& input) {
  WriteBytes(folder.Path() / "JWC_TEMP.TXT", HostFile(input));
}

}  // namespace halvane::test
