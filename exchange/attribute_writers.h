// Attribute commands, each written only when its value changes or its force
// flag is set.
#pragma once

#include <cstdint>
#include <string_view>

#include "exchange/exchange_data.h"
#include "exchange/exchange_output.h"

namespace halvane {

// The flag lines "z1".."z5" that go before one entity, as bits.
enum ZFlag : uint8_t {
  kZ1Flag = 1,
  kZ2Flag = 2,
  kZ3Flag = 4,
  kZ4Flag = 8,
  kZ5Flag = 16,
};

// Colour and line-type numbers of the dialog's lists as the host numbers
// them; 0 and below give the host's first-line value.
int32_t MapColorNo(const ExchangeData& input, int32_t n);
int32_t MapLineTypeNo(const ExchangeData& input, int32_t n);

void PutLayerGroup(ExchangeOutput& out, int32_t n);
void PutLayer(ExchangeOutput& out, int32_t n);
void PutLineColor(ExchangeOutput& out, int32_t n, int32_t map);
void PutLineType(ExchangeOutput& out, int32_t n, int32_t map);
void PutLineWidth(ExchangeOutput& out, int32_t n);
void PutTextType(ExchangeOutput& out, int32_t type, int32_t colour, int32_t map,
                 double width, double height, double spacing);
void PutTextCode(ExchangeOutput& out, int32_t n);
void PutFontName(ExchangeOutput& out, std::string_view name);
void PutPointColor(ExchangeOutput& out, int32_t n, int32_t map);
// A ZFlag set.
void PutZFlags(ExchangeOutput& out, uint8_t bits);

}  // namespace halvane
