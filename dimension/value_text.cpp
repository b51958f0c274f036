#include "dimension/value_text.h"

#include <utility>

#include "dimension/value_text_internal.h"
#include "util/numbers.h"
#include "util/sjis_text.h"
#include "util/texts.h"

namespace halvane {

namespace {

TextFrame FrameOfType(int32_t type, const ExchangeData& data) {
  const TJwwTextType& text_type = data.TextTypes[type - 1];
  return {type, text_type.W, text_type.H, text_type.D, text_type.Color};
}

// Drops the zeros after the decimal point, and the point when only zeros
// followed it.
void DropTrailingZeros(std::string& number) {
  const std::size_t point = number.find('.');
  if (point == std::string::npos) return;
  std::size_t end = number.size();
  while (end > point && (number[end - 1] == '0' || number[end - 1] == '.')) {
    --end;
  }
  number.resize(end);
}

}  // namespace

TextFrame ChooseTextFrame(int choice, const ExchangeData& data) {
  if (choice >= 1 && choice <= 10) return FrameOfType(choice, data);
  int32_t type = data.HostTextType;
  if (type < 0 || type > 10) type = 1;
  if (type == 0) {
    return {0, data.HostFreeW, data.HostFreeH, data.HostFreeD,
            data.HostFreeColor};
  }
  return FrameOfType(type, data);
}

std::string FormatValueNumber(double length, const DimensionOptions& options) {
  double v = length;
  if (options.Unit == LengthUnit::Metre) v /= 1000;
  v = RoundValue(options.Decimals, options.RoundingMode, v);
  std::string number = options.Separators ? FormatGrouped(options.Decimals, v)
                                          : FormatFixed(options.Decimals, v);
  if (options.ZeroDisplay == TrailingZeros::Dropped) DropTrailingZeros(number);
  if (options.FullWidth) number = ToFullWidth(number);
  return number;
}

std::string BuildValueText(double length, const DimensionOptions& options) {
  std::string text = options.Prefix + FormatValueNumber(length, options);
  if (options.UnitSuffix) {
    text += options.Unit == LengthUnit::Metre ? kUnitMetre : "mm";
  }
  return text + options.Suffix;
}

double ValueTextAngle(double drawing_angle) {
  double a = NormalizeDeg(drawing_angle);
  if (a >= 180) a -= 180;
  if (a > 90.00000001) a += 180;
  return a;
}

ValueLabel PlaceValueLabel(std::string text, Point p1, Point p3, Point p4,
                           double drawing_angle, double width, double shift,
                           double distance) {
  const double x4 = RotatePoint(p4, p1, -drawing_angle).x;
  const double y3 = RotatePoint(p3, p1, -drawing_angle).y;
  const Point reference = RotatePoint({x4 + shift, y3}, p1, drawing_angle);
  const double a = ValueTextAngle(drawing_angle);
  const Point offset = RotatePoint({-width / 2, distance}, {0, 0}, a);
  return {std::move(text),
          {reference.x + offset.x, reference.y + offset.y},
          PointAlong({0, 0}, 10, a)};
}

}  // namespace halvane
