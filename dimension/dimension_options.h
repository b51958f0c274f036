// What the user chose for one dimension, as plain values.
#pragma once

#include <string>

#include "util/numbers.h"

namespace halvane {

// The end markers in the order of the dialog's lists. A line arrow is drawn
// here as two wings; the host draws each glyph from its number.
enum class MarkerKind {
  LineArrow,
  Triangle,        // △
  Square,          // □
  LetterO,         // Ｏ
  Circle,          // ○
  FilledSquare,    // ■
  FilledTriangle,  // ▲
  FilledCircle,    // ●
  Tilde,           // ～
  Chevron,         // ＞
  Slash,           // ／
  SecondTriangle,  // △ again, under its own number
};

// Zeros after the decimal point: 無, 有.
enum class TrailingZeros { Dropped, Kept };

enum class LengthUnit { Millimetre, Metre };

// What the dimension measures along: the drawing's axis angle, a quarter turn
// from it, or the line from the first measured point to the second.
enum class DimensionDirection { Horizontal, Vertical, Aligned };

// The defaults are the dialog's initial values.
struct DimensionOptions {
  DimensionDirection Direction = DimensionDirection::Horizontal;
  MarkerKind StartKind = MarkerKind::LineArrow;
  MarkerKind EndKind = MarkerKind::LineArrow;
  double MarkerScale = 1;
  double ArrowLength = 3;  // paper mm
  double ArrowAngle = 15;  // degrees
  int TextTypeChoice = 0;  // 0: the host's current type, 1..10: that type
  std::string Prefix;
  std::string Suffix;
  int Decimals = 3;
  Rounding RoundingMode = Rounding::HalfUp;
  TrailingZeros ZeroDisplay = TrailingZeros::Dropped;
  LengthUnit Unit = LengthUnit::Millimetre;
  bool Separators = false;
  bool UnitSuffix = false;
  bool FullWidth = false;
  bool AsFigure = false;
  // Paper mm as typed; the plan applies the drawing scale.
  double ValueDistance = 0.5;
  double ExtensionGap = 2;
  double ExtensionOvershoot = 2;
  double ReverseOvershoot = 2;
  bool operator==(const DimensionOptions&) const = default;
};

}  // namespace halvane
