// What the writers write to: the output lines and the current-attribute cache
// with its force flags. One per run, made after the exchange file was read.
#pragma once

#include <array>
#include <cstdint>

#include "exchange/attributes.h"
#include "exchange/block_table.h"
#include "exchange/exchange_data.h"

namespace halvane {

// One output line: at most 255 bytes, no line end.
struct OutputLine {
  uint8_t Length;
  char Bytes[255];
};

// Force flags of the caching attribute writers.
enum ForceFlag : int {
  kForceGroup,
  kForceLayer,
  kForceLineColor,
  kForceLineType,
  kForceLineWidth,
  kForceTextType,
  kForceTextCode,
  kForceFontName,
  kForcePointColor,
  kForceFlagCount
};

struct ExchangeOutput {
  // The writers fall back to `input`'s first-line values; it must outlive
  // the output.
  explicit ExchangeOutput(const ExchangeData& input) : Input(input) {}
  ExchangeOutput(const ExchangeOutput&) = delete;
  ExchangeOutput& operator=(const ExchangeOutput&) = delete;

  // Every attribute back to its initial value and forced, the lines emptied
  // and their storage released: as new.
  void Reset() {
    Current = CurrentAttributes{};
    Force.fill(true);
    Lines.Clear();
  }

  const ExchangeData& Input;
  // The last value written of each attribute.
  CurrentAttributes Current;
  // Set: the attribute is written by its next writer even when unchanged.
  std::array<bool, kForceFlagCount> Force = Filled<bool, kForceFlagCount>(true);
  BlockTable<OutputLine> Lines;
};

}  // namespace halvane
