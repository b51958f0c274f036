// Draws what the host would draw from the commands read back, as an SVG
// picture, with the picked points marked and labelled.
#pragma once

#include <string>
#include <vector>

#include "exchange/exchange_data.h"

namespace halvane {

struct PickedMark {
  int Number = 0;
  double X = 0;
  double Y = 0;
  std::string Label;  // UTF-8
};

struct PictureNotes {
  std::string Title;   // UTF-8
  std::string Status;  // UTF-8, e.g. 未実行
  std::vector<PickedMark> Picked;
};

struct PictureCounts {
  int Drawn = 0;
  int Skipped = 0;  // kinds the stand-in does not draw (arcs, solids, blocks)
};

// `drawing` may be null: then only the picked points and the notes appear.
std::string RenderSvg(const ExchangeData* drawing, const PictureNotes& notes,
                      PictureCounts* counts = nullptr);

}  // namespace halvane
