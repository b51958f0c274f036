// The dialog's frame, fixed texts and colours; the controls and their labels
// are the rows of form/form_controls.cpp. Pixels at 96 dpi, client
// coordinates; texts are Shift-JIS bytes.
#pragma once

#include "form/form_controls.h"
#include "util/texts.h"

namespace halvane {

struct Rgb {
  unsigned char Red, Green, Blue;
};

inline constexpr int kClientWidth = 840;
inline constexpr int kClientHeight = 375;
inline constexpr int kFormLeft = 194;  // before the settings move it
inline constexpr int kFormTop = 107;

extern const char kFormCaption[];
extern const char kApplicationTitle[];

inline constexpr Rgb kFormColour{255, 255, 255};
inline constexpr Rgb kMemoColour{187, 235, 244};
inline constexpr Rgb kStatusColour{231, 231, 231};

}  // namespace halvane
