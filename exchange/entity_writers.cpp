#include "exchange/entity_writers.h"

#include <cfloat>
#include <cmath>
#include <initializer_list>
#include <string>

#include "exchange/output_buffer.h"
#include "util/geometry.h"
#include "util/numbers.h"
#include "util/sjis_text.h"

namespace halvane {

namespace {

// Just below the double nearest 1e-8, so that a difference of exactly that
// double is not within the tolerance.
constexpr long double kTolerance =
    LDBL_MANT_DIG > DBL_MANT_DIG ? 1e-8L : 0x1.5798ee2308c39p-27L;
static_assert(kTolerance < static_cast<long double>(1e-8));

bool IsDegenerateSegment(double x1, double y1, double x2, double y2) {
  const long double dx = static_cast<long double>(x2) - x1;
  const long double dy = static_cast<long double>(y2) - y1;
  return std::fabs(dx) < kTolerance && std::fabs(dy) < kTolerance;
}

bool IsZeroDirection(double dx, double dy) {
  return std::fabs(static_cast<long double>(dx)) <= kTolerance &&
         std::fabs(static_cast<long double>(dy)) <= kTolerance;
}

bool AllFinite(std::initializer_list<double> values) {
  for (double value : values) {
    if (!std::isfinite(value)) return false;
  }
  return true;
}

bool IsBlank(std::string_view text) { return StripSpaces(text).empty(); }

// Numbers separated by single spaces, appended to `line`.
void AppendNumbers(std::string& line, std::initializer_list<double> values) {
  bool first = true;
  for (double value : values) {
    if (!first) line += ' ';
    AppendGeneral(line, value);
    first = false;
  }
}

// A line break or end-of-file byte inside a text would end the command line
// early and let the rest of the text be read as a command.
std::string SafeTextLine(std::string_view text) {
  std::string line(text);
  for (char& c : line) {
    if (c == '\r' || c == '\n' || c == '\x1a') c = ' ';
  }
  return line;
}

// The command part of a text: its code, the four numbers, then ` "`.
void PutTextCommand(ExchangeOutput& out, std::string_view code, double x,
                    double y, double dx, double dy) {
  std::string line(code);
  line += ' ';
  AppendNumbers(line, {x, y, dx, dy});
  line += " \"";
  PutLine(out, line);
}

std::string_view TextKindCode(int32_t kind) {
  static constexpr std::string_view kCodes[] = {"ch", "cv", "cs", "cr", "co",
                                                "cp", "ct", "ck", "cz", "c2"};
  return kind >= 1 && kind <= 9 ? kCodes[kind] : kCodes[0];
}

// The segment's length rounded half up at 1e-8.
double RoundedLength(double x1, double y1, double x2, double y2) {
  const long double d = Distance(x1, y1, x2, y2);
  return static_cast<double>(std::trunc(d / 1e-8L + 0.5L) * 1e-8L);
}

}  // namespace

void PutSegment(ExchangeOutput& out, double x1, double y1, double x2,
                double y2) {
  if (!AllFinite({x1, y1, x2, y2})) return;
  if (IsDegenerateSegment(x1, y1, x2, y2)) return;
  std::string line;
  AppendNumbers(line, {x1, y1, x2, y2});
  PutLine(out, line);
}

void PutPoint(ExchangeOutput& out, int32_t code, double x, double y,
              double size, double angle) {
  if (!AllFinite({x, y, size, angle})) return;
  if (code < -7 || code > 11) code = -3;
  if (std::fabs(static_cast<long double>(size)) <= kTolerance) size = 1.0;
  std::string line = "pt ";
  AppendNumbers(line, {x, y, size, angle});
  line += ' ';
  line += std::to_string(code);
  PutLine(out, line);
}

void PutText(ExchangeOutput& out, int32_t kind, std::string_view text, double x,
             double y, double dx, double dy) {
  if (!AllFinite({x, y, dx, dy})) return;
  if (IsZeroDirection(dx, dy)) return;
  if (IsBlank(text)) return;
  PutTextCommand(out, TextKindCode(kind), x, y, dx, dy);
  PutLine(out, SafeTextLine(text));
}

void PutDimText(ExchangeOutput& out, std::string_view text, double x1,
                double y1, double x2, double y2, double x, double y, double dx,
                double dy) {
  if (!AllFinite({x1, y1, x2, y2, x, y, dx, dy})) return;
  if (IsDegenerateSegment(x1, y1, x2, y2)) return;
  if (IsZeroDirection(dx, dy)) return;
  std::string value;
  if (IsBlank(text)) {
    const double length = RoundedLength(x1, y1, x2, y2);
    if (!std::isfinite(length)) return;  // beyond the range of a double
    AppendGeneral(value, length);
  } else {
    value = SafeTextLine(text);
  }
  PutLine(out, "msg");
  std::string segment;
  AppendNumbers(segment, {x1, y1, x2, y2});
  PutLine(out, segment);
  PutTextCommand(out, "cs", x, y, dx, dy);
  PutLine(out, value);
}

}  // namespace halvane
