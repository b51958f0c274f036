// A host stand-in scenario: what the user picked in Jw_cad and the settings
// the host hands over. The format is described in examples/dimension.scenario.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "exchange/exchange_data.h"

namespace halvane {

struct ScenarioPoint {
  bool Given = false;
  double X = 0;
  double Y = 0;
};

struct Scenario {
  std::array<ScenarioPoint, 100> Points{};  // by point number 1..99
  double Angle = 0;
  std::array<double, 16> Scales{};  // by layer group
  int32_t Group = 0;
  int32_t Layer = 0;
  int32_t Color = 1;
  int32_t LineType = 1;
  std::optional<int32_t> LineWidth;  // only handed over when given
  std::array<TJwwTextType, 10> TextTypes{};
  int32_t TextType = 1;  // 0 = free size below
  double FreeW = 2.5, FreeH = 2.5, FreeD = 0;
  int32_t FreeColor = 1;
  std::string FontName;            // Shift-JIS
  std::filesystem::path Settings;  // t517.dat to place beside the program
  std::string Title;               // UTF-8, shown on the picture
};

struct ScenarioError {
  int Line = 0;
  std::string Message;
};

Scenario DefaultScenario();
// `text` is UTF-8. False with the first error; `out` is then incomplete.
bool ParseScenario(std::string_view text, Scenario& out, ScenarioError& error);

}  // namespace halvane
