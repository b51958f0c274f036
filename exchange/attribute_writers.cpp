#include "exchange/attribute_writers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "exchange/output_buffer.h"
#include "util/numbers.h"

namespace halvane {

namespace {

// The host's limits of the numbers an attribute command may carry.
constexpr int32_t kMaxLineWidth = 30000;
constexpr int32_t kMaxTextCode = 8;
constexpr int32_t kMaxTextType = 10;
constexpr int32_t kFreeTextType = 0;
// Numbers 1..9 are the same for the host; colours from 10 up are its
// 101 up, line types 10..18 its 11..19 and from 19 up its 31 up.
constexpr int32_t kLastListedNumber = 9;
constexpr int32_t kExtendedColorOffset = 91;
constexpr int32_t kLastDottedLineType = 18;
constexpr int32_t kDottedLineTypeOffset = 1;
constexpr int32_t kExtendedLineTypeOffset = 12;

void AppendDecimal(std::string& out, int32_t n) {
  char digits[11];  // "-2147483648"
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

void PutKeyed(ExchangeOutput& out, std::string_view key, int32_t n, bool hex) {
  std::string line(key);
  if (hex) {
    AppendHex(line, n);
  } else {
    AppendDecimal(line, n);
  }
  PutLine(out, line);
}

// The changed-or-forced rule for the writers that cache one integer.
bool PutCachedInt(ExchangeOutput& out, ForceFlag flag, int32_t& cache,
                  int32_t n, std::string_view key, bool hex = false) {
  bool& force = out.Force[flag];
  if (!force && n == cache) return false;
  PutKeyed(out, key, n, hex);
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

int32_t MapColorIf(const ExchangeOutput& out, int32_t n, int32_t map) {
  return map == 1 ? MapColorNo(out.Input, n) : n;
}

void PutFreeSizeLine(ExchangeOutput& out, double width, double height,
                     double spacing, int32_t colour) {
  std::string line = "cn0 ";
  for (double value : {width, height, spacing}) {
    AppendGeneral(line, value);
    line += ' ';
  }
  AppendDecimal(line, colour);
  PutLine(out, line);
}

}  // namespace

int32_t MapColorNo(const ExchangeData& input, int32_t n) {
  if (n <= 0) return input.HostLineColor;
  if (n <= kLastListedNumber) return n;
  return AddClamped(n, kExtendedColorOffset);
}

int32_t MapLineTypeNo(const ExchangeData& input, int32_t n) {
  if (n <= 0) return input.HostLineType;
  if (n <= kLastListedNumber) return n;
  if (n <= kLastDottedLineType) return n + kDottedLineTypeOffset;
  return AddClamped(n, kExtendedLineTypeOffset);
}

void PutLayerGroup(ExchangeOutput& out, int32_t n) {
  if (PutCachedInt(out, kForceGroup, out.Current.Group, n, "lg", true)) {
    out.Force[kForceLayer] = true;
  }
}

void PutLayer(ExchangeOutput& out, int32_t n) {
  PutCachedInt(out, kForceLayer, out.Current.Layer, n, "ly", true);
}

void PutLineColor(ExchangeOutput& out, int32_t n, int32_t map) {
  PutCachedInt(out, kForceLineColor, out.Current.LineColor,
               MapColorIf(out, n, map), "lc");
}

void PutLineType(ExchangeOutput& out, int32_t n, int32_t map) {
  if (map == 1) n = MapLineTypeNo(out.Input, n);
  PutCachedInt(out, kForceLineType, out.Current.LineType, n, "lt");
}

void PutLineWidth(ExchangeOutput& out, int32_t n) {
  const ExchangeData& host = out.Input;
  if (!host.LineWidthGiven) return;
  if (n == -1) n = host.HostLineWidth;
  if (n < 0 || n > kMaxLineWidth) n = 0;
  PutCachedInt(out, kForceLineWidth, out.Current.LineWidth, n, "lw");
}

void PutTextType(ExchangeOutput& out, int32_t type, int32_t colour, int32_t map,
                 double width, double height, double spacing) {
  const ExchangeData& data = out.Input;
  CurrentAttributes& cur = out.Current;
  colour = MapColorIf(out, colour, map);
  if (type < 0 || type > kMaxTextType) {
    type = data.HostTextType;
    if (type == kFreeTextType) {
      width = data.HostFreeW;
      height = data.HostFreeH;
      spacing = data.HostFreeD;
      colour = data.HostFreeColor;
    }
  }
  const bool free_size = type == kFreeTextType;
  // A size that is not a number would make a line the host cannot read.
  if (free_size && !(std::isfinite(width) && std::isfinite(height) &&
                     std::isfinite(spacing))) {
    return;
  }
  bool& force = out.Force[kForceTextType];
  const bool free_changed =
      free_size && (width != cur.FreeW || height != cur.FreeH ||
                    spacing != cur.FreeD || colour != cur.FreeColor);
  if (!force && type == cur.TextType && !free_changed) return;
  if (free_size) {
    PutFreeSizeLine(out, width, height, spacing, colour);
    cur.FreeW = width;
    cur.FreeH = height;
    cur.FreeD = spacing;
    cur.FreeColor = colour;
  } else {
    PutKeyed(out, "cn", type, false);
  }
  cur.TextType = type;
  force = false;
}

void PutTextCode(ExchangeOutput& out, int32_t n) {
  if (n < 0 || n > kMaxTextCode) n = 0;
  PutCachedInt(out, kForceTextCode, out.Current.TextCode, n, "cc");
}

void PutFontName(ExchangeOutput& out, std::string_view name) {
  if (name.empty() || name == "<>") name = out.Input.HostFontName;
  bool& force = out.Force[kForceFontName];
  if (!force && name == out.Current.FontName) return;
  std::string line = "cn\"$";
  line += name;
  PutLine(out, line);
  out.Current.FontName = name;
  force = false;
}

void PutPointColor(ExchangeOutput& out, int32_t n, int32_t map) {
  PutCachedInt(out, kForcePointColor, out.Current.PointColor,
               MapColorIf(out, n, map), "pn");
}

void PutZFlags(ExchangeOutput& out, uint8_t bits) {
  if (bits & kZ1Flag) PutLine(out, "z1");
  if (bits & kZ2Flag) PutLine(out, "z2");
  if (bits & kZ3Flag) PutLine(out, "z3");
  if ((bits & kZ4Flag) && !(bits & kZ5Flag)) PutLine(out, "z4");
  if (bits & kZ5Flag) PutLine(out, "z5");
}

}  // namespace halvane
