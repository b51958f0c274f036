#include "form/live_preview.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "form/form_controls.h"
#include "form/headless_toolkit.h"
#include "form/preview_fit.h"
#include "tests/form/host_file.h"
#include "util/texts.h"

namespace halvane {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(FitToPane, KeepsTheAspectCentresAndTurnsYDown) {
  struct Case {
    std::vector<Point> points;
    double scale;
    Point min_corner, max_corner;  // where (MinX, MinY) and (MaxX, MaxY) land
  };
  // A 100 x 100 pane with a margin of 10 leaves 80 x 80.
  const Case cases[] = {
      {{{0, 0}, {40, 20}}, 2, {10, 70}, {90, 30}},             // wide
      {{{0, 0}, {20, 40}}, 2, {30, 90}, {70, 10}},             // tall
      {{{-5, -5}, {5, 5}}, 8, {10, 90}, {90, 10}},             // square
      {{{100, 7}, {900, 7}}, 0.1, {10, 50}, {90, 50}},         // no height
      {{{3, 3}}, 1, {50, 50}, {50, 50}},                       // a point
      {{}, 1, {50, 50}, {50, 50}},                             // nothing
      {{{0, 0}, {kInf, 1}, {40, 20}}, 2, {10, 70}, {90, 30}},  // not finite
  };
  for (const Case& c : cases) {
    DrawingBox box;
    for (Point p : c.points) box.Add(p);
    const FitTransform fit = FitToPane(box, 100, 100, 10);
    EXPECT_DOUBLE_EQ(fit.Scale, c.scale) << c.points.size();
    if (box.Empty) continue;
    const Point low = fit.Apply({box.MinX, box.MinY});
    const Point high = fit.Apply({box.MaxX, box.MaxY});
    EXPECT_NEAR(low.x, c.min_corner.x, 1e-9);
    EXPECT_NEAR(low.y, c.min_corner.y, 1e-9);
    EXPECT_NEAR(high.x, c.max_corner.x, 1e-9);
    EXPECT_NEAR(high.y, c.max_corner.y, 1e-9);
  }
}

// The preview follows every change once, and none while the controls are
// being filled from the model.
TEST(ApplyLive, OneRepaintPerChangeNoneWhileFilling) {
  test::TempFolder folder;
  test::PrepareFolder(folder, {});
  TForm1 form;
  HeadlessToolkit toolkit(form, folder.Path() / "halvane-run");
  form.ApplyLive();  // not shown yet
  EXPECT_EQ(toolkit.PreviewRepaints, 0);
  form.FormShow();
  {
    FormFilling filling(form);
    form.TextType.ItemIndex = 1;
    form.StartMarker.ItemIndex = 6;
    form.ApplyLive();
    form.Prefix.Text = "A";
    form.ApplyLive();
  }
  EXPECT_EQ(toolkit.PreviewRepaints, 0);
  const PreviewScene before = form.Preview;
  for (int change = 1; change <= 3; ++change) {
    form.EndMarker.ItemIndex = change;
    form.ApplyLive();
    EXPECT_EQ(toolkit.PreviewRepaints, change);
    EXPECT_NE(form.Preview, before);
  }
  form.CancelClick();
  form.ApplyLive();  // closed
  EXPECT_EQ(toolkit.PreviewRepaints, 3);
}

// What OK would refuse is named in the pane, by the option's label.
TEST(ComputePreview, NamesWhatOkWouldRefuse) {
  test::TempFolder folder;
  test::PrepareFolder(folder, {});
  const auto sjis = [](const char* sjis) { return std::string(sjis); };
  const std::string zero_display = RowOf(ControlId::ZeroDisplay).Text;
  struct Case {
    void (*Change)(TForm1&);
    std::string Notice;
  };
  const Case cases[] = {
      {[](TForm1&) {},
       kPreviewOptionBefore + sjis(kLabelTextType) + kPreviewChooseAfter},
      {[](TForm1& f) { f.MarkerScale.Text = ""; },
       kPreviewOptionBefore + sjis(kLabelMarkerScale) + kPreviewCorrectAfter},
      {[](TForm1& f) { f.ArrowLength.Text = "1001"; },
       kPreviewOptionBefore + sjis(kLabelLength) + kPreviewCorrectAfter},
      {[](TForm1& f) { f.ZeroDisplay.ItemIndex = -1; },
       kPreviewOptionBefore + zero_display + kPreviewChooseAfter},
      {[](TForm1& f) { f.Run().Input.PickedPoints[2].X = 0; },
       kZeroLengthMessage},
      {[](TForm1&) {}, ""},
  };
  // The forms are left open: a close would write the host's file over.
  for (const Case& c : cases) {
    TForm1 fresh;
    HeadlessToolkit other(fresh, folder.Path() / "halvane-run");
    fresh.FormShow();
    if (&c != &cases[0]) fresh.TextType.ItemIndex = 1;
    c.Change(fresh);
    EXPECT_EQ(ComputePreview(fresh, 300, 300).Notice, c.Notice) << (&c - cases);
  }
}

}  // namespace
}  // namespace halvane
