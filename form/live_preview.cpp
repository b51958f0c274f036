#include "form/live_preview.h"

#include <cmath>
#include <numbers>

#include "form/preview_fit.h"

namespace halvane {

namespace {

constexpr double kMargin = 16;        // pixels around the drawing
constexpr double kPickRadius = 3;     // of a picked point's mark
constexpr double kPickLabel = 11;     // character height of its number

// Collects the drawing in drawing units, then fits it to the pane.
class SceneBuilder {
 public:
  void Path(std::vector<Point> points, bool closed, bool filled,
            PreviewInk ink = PreviewInk::Drawing) {
    for (const Point& p : points) box_.Add(p);
    paths_.push_back({std::move(points), closed, filled, ink});
  }
  void Segment(Point from, Point to) { Path({from, to}, false, false); }
  // Width, height and spacing in drawing units.
  void Text(const std::string& text, Point at, double angle, double width,
            double height, double spacing) {
    box_.Add(at);
    texts_.push_back({text, at, angle, width, height, spacing});
  }
  void Pick(Point at, int number) {
    box_.Add(at);
    picks_.push_back({at, number});
  }

  PreviewScene Fit(double width, double height) const {
    const FitTransform fit = FitToPane(box_, width, height, kMargin);
    PreviewScene scene;
    for (const PreviewPath& path : paths_) {
      PreviewPath out = path;
      for (Point& p : out.Points) p = fit.Apply(p);
      scene.Paths.push_back(std::move(out));
    }
    for (const PreviewText& text : texts_) {
      PreviewText out = text;
      out.At = fit.Apply(text.At);
      out.CharWidth = fit.Length(text.CharWidth);
      out.CharHeight = fit.Length(text.CharHeight);
      out.Spacing = fit.Length(text.Spacing);
      scene.Texts.push_back(std::move(out));
    }
    for (const auto& [at, number] : picks_) AddPickMark(scene, fit.Apply(at), number);
    return scene;
  }

 private:
  struct PickedPoint {
    Point At;
    int Number;
  };

  // A small ring and the point's number beside it, in pane pixels.
  static void AddPickMark(PreviewScene& scene, Point at, int number) {
    PreviewPath ring{{}, true, false, PreviewInk::Picked};
    constexpr int kSteps = 12;
    for (int i = 0; i < kSteps; ++i) {
      const double t = 2 * std::numbers::pi * i / kSteps;
      ring.Points.push_back(
          {at.x + kPickRadius * std::cos(t), at.y + kPickRadius * std::sin(t)});
    }
    scene.Paths.push_back(std::move(ring));
    scene.Texts.push_back({std::to_string(number),
                           {at.x + kPickRadius + 1, at.y - kPickRadius - 1},
                           0,
                           kPickLabel,
                           kPickLabel,
                           0,
                           PreviewInk::Picked});
  }

  DrawingBox box_;
  std::vector<PreviewPath> paths_;
  std::vector<PreviewText> texts_;
  std::vector<PickedPoint> picks_;
};

}  // namespace

void TForm1::ApplyLive() {
  if (!Live()) return;
  const PixelRect& pane = RowOf(ControlId::Preview).Place;
  Preview = ComputePreview(*this, pane.Width, pane.Height);
  Toolkit().RepaintPreview();
}

}  // namespace halvane
