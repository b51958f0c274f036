#include "exchange/attribute_writers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "exchange/exchange_data.h"
#include "exchange/output_buffer.h"
#include "util/numbers.h"

namespace halvane {

namespace {

void AppendDecimal(std::string& out, int32_t n) {
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, n);
  out.append(digits, result.ptr);
}

// Capital hexadecimal of the 32-bit pattern, no leading zeros.
void AppendHex(std::string& out, int32_t n) {
  char digits[8];
  const auto result = std::to_chars(digits, digits + sizeof digits,
                                    static_cast<uint32_t>(n), 16);
  for (char* c = digits; c != result.ptr; ++c) {
    if (*c >= 'a' && *c <= 'f') *c = static_cast<char>(*c - 'a' + 'A');
  }
  out.append(digits, result.ptr);
}

void PutKeyed(std::string_view key, int32_t n, bool hex) {
  std::string line(key);
  if (hex) {
    AppendHex(line, n);
  } else {
    AppendDecimal(line, n);
  }
  PutLine(line);
}

// The changed-or-forced rule for the writers that cache one integer.
bool PutCachedInt(ForceFlag flag, int32_t& cache, int32_t n,
                  std::string_view key, bool hex = false) {
  bool& force = Exchange().Force[flag];
  if (!force && n == cache) return false;
  PutKeyed(key, n, hex);
  cache = n;
  force = false;
  return true;
}

// Saturates rather than wrapping for numbers near the top of the range.
int32_t AddClamped(int32_t n, int32_t offset) {
  const int64_t sum = int64_t{n} + offset;
  return sum > std::numeric_limits<int32_t>::max()
             ? std::numeric_limits<int32_t>::max()
             : static_cast<int32_t>(sum);
}

int32_t MapColorIf(int32_t n, int32_t map) {
  return map == 1 ? MapColorNo(n) : n;
}

void PutFreeSizeLine(double width, double height, double spacing,
                     int32_t colour) {
  std::string line = "cn0 ";
  for (double value : {width, height, spacing}) {
    AppendGeneral(line, value);
    line += ' ';
  }
  AppendDecimal(line, colour);
  PutLine(line);
}

}  // namespace

int32_t MapColorNo(int32_t n) {
  if (n <= 0) return Exchange().HostLineColor;
  if (n <= 9) return n;
  return AddClamped(n, 91);
}

int32_t MapLineTypeNo(int32_t n) {
  if (n <= 0) return Exchange().HostLineType;
  if (n <= 9) return n;
  if (n <= 18) return n + 1;
  return AddClamped(n, 12);
}

void PutLayerGroup(int32_t n) {
  ExchangeData& data = Exchange();
  if (PutCachedInt(kForceGroup, data.CurGroup, n, "lg", true)) {
    data.Force[kForceLayer] = true;
  }
}

void PutLayer(int32_t n) {
  PutCachedInt(kForceLayer, Exchange().CurLayer, n, "ly", true);
}

void PutLineColor(int32_t n, int32_t map) {
  PutCachedInt(kForceLineColor, Exchange().CurLineColor, MapColorIf(n, map),
               "lc");
}

void PutLineType(int32_t n, int32_t map) {
  if (map == 1) n = MapLineTypeNo(n);
  PutCachedInt(kForceLineType, Exchange().CurLineType, n, "lt");
}

void PutLineWidth(int32_t n) {
  ExchangeData& data = Exchange();
  if (!data.LineWidthGiven) return;
  if (n == -1) n = data.HostLineWidth;
  if (n < 0 || n > 30000) n = 0;
  PutCachedInt(kForceLineWidth, data.CurLineWidth, n, "lw");
}

void PutTextType(int32_t type, int32_t colour, int32_t map, double width,
                 double height, double spacing) {
  ExchangeData& data = Exchange();
  colour = MapColorIf(colour, map);
  if (type < 0 || type > 10) {
    type = data.HostTextType;
    if (type == 0) {
      width = data.HostFreeW;
      height = data.HostFreeH;
      spacing = data.HostFreeD;
      colour = data.HostFreeColor;
    }
  }
  const bool free_size = type == 0;
  // A size that is not a number would make a line the host cannot read.
  if (free_size && !(std::isfinite(width) && std::isfinite(height) &&
                     std::isfinite(spacing))) {
    return;
  }
  bool& force = data.Force[kForceTextType];
  const bool free_changed =
      free_size && (width != data.CurFreeW || height != data.CurFreeH ||
                    spacing != data.CurFreeD || colour != data.CurFreeColor);
  if (!force && type == data.CurTextType && !free_changed) return;
  if (free_size) {
    PutFreeSizeLine(width, height, spacing, colour);
    data.CurFreeW = width;
    data.CurFreeH = height;
    data.CurFreeD = spacing;
    data.CurFreeColor = colour;
  } else {
    PutKeyed("cn", type, false);
  }
  data.CurTextType = type;
  force = false;
}

void PutTextCode(int32_t n) {
  if (n < 0 || n > 8) n = 0;
  PutCachedInt(kForceTextCode, Exchange().CurTextCode, n, "cc");
}

void PutFontName(std::string_view name) {
  ExchangeData& data = Exchange();
  if (name.empty() || name == "<>") name = data.HostFontName;
  bool& force = data.Force[kForceFontName];
  if (!force && name == data.CurFontName) return;
  std::string line = "cn\"$";
  line += name;
  PutLine(line);
  data.CurFontName = name;
  force = false;
}

void PutPointColor(int32_t n, int32_t map) {
  PutCachedInt(kForcePointColor, Exchange().CurPointColor, MapColorIf(n, map),
               "pn");
}

void PutZFlags(uint8_t bits) {
  if (bits & 1) PutLine("z1");
  if (bits & 2) PutLine("z2");
  if (bits & 4) PutLine("z3");
  if ((bits & 8) && !(bits & 16)) PutLine("z4");
  if (bits & 16) PutLine("z5");
}

void ResetWriterState() {
  ExchangeData& data = Exchange();
  data.CurGroup = 0;
  data.CurLayer = 0;
  data.CurLineColor = 1;
  data.CurLineType = 1;
  data.CurLineWidth = 0;
  data.CurTextType = 1;
  data.CurFreeW = 2.0;
  data.CurFreeH = 2.0;
  data.CurFreeD = 0.0;
  data.CurFreeColor = 1;
  data.CurTextCode = 0;
  data.CurFontName = kDefaultFontName;
  data.CurPointColor = 1;
  data.CurExtColor = 0;
  data.Force.fill(true);
}

}  // namespace halvane
