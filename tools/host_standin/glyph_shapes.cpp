#include "tools/host_standin/glyph_shapes.h"

#include <cmath>
#include <numbers>

namespace halvane {
namespace {

constexpr double kArrowLength = 7.5;
constexpr double kArrowHalfWidth = 2.0;
constexpr double kSmallHalf = 1.25;

GlyphStroke Triangle(bool filled) {
  return {{{0, 0},
           {-kArrowLength, kArrowHalfWidth},
           {-kArrowLength, -kArrowHalfWidth}},
          true,
          filled};
}

GlyphStroke Square(bool filled) {
  const double h = kSmallHalf;
  return {{{h, h}, {-h, h}, {-h, -h}, {h, -h}}, true, filled};
}

GlyphStroke Ellipse(double rx, double ry, bool filled) {
  GlyphStroke s{{}, true, filled};
  constexpr int kSteps = 48;
  for (int i = 0; i < kSteps; ++i) {
    double t = 2 * std::numbers::pi * i / kSteps;
    s.Points.push_back({rx * std::cos(t), ry * std::sin(t)});
  }
  return s;
}

// Across the point at 45 degrees, so it reaches 1.25 * sqrt 2 from it.
GlyphStroke Wave() {
  GlyphStroke s;
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

std::vector<GlyphStroke> GlyphShape(int code) {
  const double h = kSmallHalf;
  switch (code) {
    case 1:
    case 11:
      return {Triangle(false)};
    case 2:
      return {Square(false)};
    case 3:  // the letter O: narrower than the circle of code 4
      return {Ellipse(0.8 * h, h, false)};
    case 4:
      return {Ellipse(h, h, false)};
    case 5:
      return {Square(true)};
    case 6:
      return {Triangle(true)};
    case 7:
      return {Ellipse(h, h, true)};
    case 8:
      return {Wave()};
    case 9:
      return {{{{-kArrowLength, kArrowHalfWidth},
                {0, 0},
                {-kArrowLength, -kArrowHalfWidth}}}};
    case 10:
      return {{{{-h, -h}, {h, h}}}};
    default:  // other point kinds: a small cross
      return {{{{-0.5, 0}, {0.5, 0}}}, {{{0, -0.5}, {0, 0.5}}}};
  }
}

}  // namespace halvane
