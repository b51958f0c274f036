// Where every label of the dialog sits, and the fixed texts and colours the
// control table does not carry. Pixels at 96 dpi, client
// coordinates; texts are Shift-JIS bytes.
#pragma once

#include <span>

#include "form/form_controls.h"

namespace halvane {

struct Rgb {
  unsigned char Red, Green, Blue;
};

struct LabelPlace {
  const char* Name;
  const char* Text;
  int Left, Top;
  int FontHeight;  // character height in pixels
};

inline constexpr int kClientWidth = 840;
inline constexpr int kClientHeight = 375;
inline constexpr int kFormLeft = 194;  // before the settings move it
inline constexpr int kFormTop = 107;
inline constexpr int kFontHeight = 13;

extern const char kFormCaption[];
extern const char kApplicationTitle[];
extern const char kFontName[];

inline constexpr Rgb kFormColour{255, 255, 255};
inline constexpr Rgb kMemoColour{187, 235, 244};
inline constexpr Rgb kStatusColour{231, 231, 231};

std::span<const LabelPlace> LabelPlaces();

}  // namespace halvane
