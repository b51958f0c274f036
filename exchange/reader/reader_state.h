// The reader's running state while it fills one exchange data model.
#pragma once

#include <array>
#include <cstdint>

#include "exchange/attributes.h"
#include "exchange/exchange_data.h"

namespace halvane {

// The kinds of line whose first one gives a first-line value.
enum FirstLineKind : int {
  kFirstGroup,
  kFirstLayer,
  kFirstLineColor,
  kFirstLineType,
  kFirstLineWidth,
  kFirstTextType,
  kFirstLineKindCount
};

struct ReaderState {
  explicit ReaderState(ExchangeData& data) : Data(data) {}
  ReaderState(const ReaderState&) = delete;
  ReaderState& operator=(const ReaderState&) = delete;

  ExchangeData& Data;  // what the lines are stored into

  // The attributes the next entity gets.
  CurrentAttributes Cur;
  // Per kind: its first line has been seen.
  std::array<bool, kFirstLineKindCount> FirstSeen{};
  // "hhp" and "z1".."z5" seen since the last entity.
  int32_t CurPickRef = 0;
  int32_t CurZFlags = 0;
  int32_t PolylineNo = 0;  // counts "pl" lines
  bool InPolyline = false;
  bool InDimension = false;
  // The segment after "msg", for the dimension text that follows it.
  TJwwEntLine HeldDimLine{TJwwEntHead{0, 0, 0, 1, 1, 0, 0}, 0, 0, 0, 1.0, 0};
};

}  // namespace halvane
