// The dimension options as read from the dialog, and their checks.
#pragma once

#include <optional>
#include <string>

#include "form/form_model.h"

namespace halvane {

struct DimensionOptions {
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
  // Paper mm as read; drawing units once scaled.
  double ValueDistance = 0.5;
  double ExtensionGap = 2;
  double ExtensionOvershoot = 2;
  double ReverseOvershoot = 2;
};

// Reads every option from the form and checks them in the dialog's order.
// Gives the control of the first refused option, or nothing when all pass.
std::optional<ControlId> ReadDimensionOptions(const TForm1& form,
                                              DimensionOptions& options);

// An item index that names an item of the list (no selection is -1).
int SelectedIndex(const ListControl& list);
int SelectedIndex(const RadioControl& radio);

}  // namespace halvane
