// What the user chose for one dimension, as plain values.
#pragma once

#include <string>

namespace halvane {

// What the dimension measures along: the drawing's axis angle, a quarter turn
// from it, or the line from the first measured point to the second.
enum class DimensionDirection { Horizontal, Vertical, Aligned };

struct DimensionOptions {
  DimensionDirection Direction = DimensionDirection::Horizontal;
  int StartKind = 0;
  int EndKind = 0;
  double MarkerScale = 1;
  double ArrowLength = 3;  // paper mm
  double ArrowAngle = 15;  // degrees
  int TextTypeChoice = 0;  // 0: the host's current type, 1..10: that type
  std::string Prefix;
  std::string Suffix;
  int Decimals = 3;
  int RoundingMode = 2;
  int ZeroDisplay = 0;  // 0: trailing zeros dropped, 1: kept
  int Unit = 0;         // 0: mm, 1: m
  bool Separators = false;
  bool UnitSuffix = false;
  bool FullWidth = false;
  bool AsFigure = false;
  // Paper mm as typed; the plan applies the drawing scale.
  double ValueDistance = 0.5;
  double ExtensionGap = 2;
  double ExtensionOvershoot = 2;
  double ReverseOvershoot = 2;
};

}  // namespace halvane
