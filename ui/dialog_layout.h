// Where every control and label of the dialog sits, and the fixed texts and
// colours the form model does not carry. Pixels at 96 dpi, client
// coordinates; texts are Shift-JIS bytes.
#pragma once

#include <span>

#include "form/form_model.h"

namespace halvane {

struct PixelRect {
  int Left, Top, Width, Height;
};

struct Rgb {
  unsigned char Red, Green, Blue;
};

struct ControlPlace {
  ControlId Id;
  PixelRect Place;
};

struct LabelPlace {
  const char* Name;
  const char* Text;
  int Left, Top;
  int FontHeight;  // character height in pixels
};

inline constexpr int kClientWidth = 511;
inline constexpr int kClientHeight = 375;
inline constexpr int kFormLeft = 194;  // before the settings move it
inline constexpr int kFormTop = 107;
inline constexpr int kFontHeight = 13;

extern const char kFormCaption[];
extern const char kApplicationTitle[];
extern const char kFontName[];
extern const char kButton1Caption[];
extern const char kButton2Caption[];

inline constexpr Rgb kFormColour{255, 255, 255};
inline constexpr Rgb kMemoColour{187, 235, 244};
inline constexpr Rgb kStatusColour{231, 231, 231};

// Focusable controls in tab order, then the memo and the status strip; one
// entry for every ControlId.
std::span<const ControlPlace> ControlPlaces();
const PixelRect& PlaceOf(ControlId id);

std::span<const LabelPlace> LabelPlaces();

// The help text, one entry per line.
std::span<const char* const> MemoLines();

}  // namespace halvane
