#include "dimension/glyph_shapes.h"

#include <cmath>
#include <numbers>

namespace halvane {
namespace {

// The pointed glyphs are this long and twice kPointedHalfWidth wide; the
// others have a half size of kSmallHalf.
constexpr double kPointedLength = 7.5;
constexpr double kPointedHalfWidth = 2.0;
constexpr double kSmallHalf = 1.25;

GlyphOutline Triangle(bool filled) {
  return {{{0, 0},
           {-kPointedLength, kPointedHalfWidth},
           {-kPointedLength, -kPointedHalfWidth}},
          true,
          filled};
}

GlyphOutline Square(bool filled) {
  const double h = kSmallHalf;
  return {{{h, h}, {-h, h}, {-h, -h}, {h, -h}}, true, filled};
}

GlyphOutline Ellipse(double rx, double ry, bool filled) {
  GlyphOutline s{{}, true, filled};
  constexpr int kSteps = 48;
  for (int i = 0; i < kSteps; ++i) {
    double t = 2 * std::numbers::pi * i / kSteps;
    s.Points.push_back({rx * std::cos(t), ry * std::sin(t)});
  }
  return s;
}

// Across the point at 45 degrees, so it reaches kSmallHalf * sqrt 2 from it.
GlyphOutline Wave() {
  GlyphOutline s;
  constexpr int kSteps = 32;
  const double half = kSmallHalf * std::numbers::sqrt2;
  for (int i = 0; i <= kSteps; ++i) {
    double t = -half + 2 * half * i / kSteps;
    double off = 0.35 * std::sin(t / half * 2 * std::numbers::pi);
    // Along the diagonal, displaced across it.
    s.Points.push_back(
        {(t - off) / std::numbers::sqrt2, (t + off) / std::numbers::sqrt2});
  }
  return s;
}

}  // namespace

std::vector<GlyphOutline> GlyphOutlines(MarkerKind kind) {
  const double h = kSmallHalf;
  switch (kind) {
    case MarkerKind::LineArrow:
      return {};
    case MarkerKind::Triangle:
    case MarkerKind::SecondTriangle:
      return {Triangle(false)};
    case MarkerKind::Square:
      return {Square(false)};
    case MarkerKind::LetterO:  // narrower than the circle
      return {Ellipse(0.8 * h, h, false)};
    case MarkerKind::Circle:
      return {Ellipse(h, h, false)};
    case MarkerKind::FilledSquare:
      return {Square(true)};
    case MarkerKind::FilledTriangle:
      return {Triangle(true)};
    case MarkerKind::FilledCircle:
      return {Ellipse(h, h, true)};
    case MarkerKind::Tilde:
      return {Wave()};
    case MarkerKind::Chevron:
      return {{{{-kPointedLength, kPointedHalfWidth},
                {0, 0},
                {-kPointedLength, -kPointedHalfWidth}}}};
    case MarkerKind::Slash:
      return {{{{-h, -h}, {h, h}}}};
  }
  return {};
}

long double GlyphDepth(MarkerKind kind) {
  switch (kind) {
    case MarkerKind::LineArrow:
      return 0;
    case MarkerKind::Triangle:
    case MarkerKind::FilledTriangle:
    case MarkerKind::Chevron:
    case MarkerKind::SecondTriangle:
      return kPointedLength;
    case MarkerKind::Tilde:
    case MarkerKind::Slash:
      return kSmallHalf * std::sqrt(2.0L);
    default:
      return kSmallHalf;
  }
}

}  // namespace halvane
