#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "dimension_run.h"
#include "host_file.h"
#include "tests/dimension/output_lines.h"
#include "util/texts.h"

namespace halvane {
namespace {

using test::HostInput;
using test::ReadBytes;
using test::RunDialog;
using test::SplitCrLf;
using test::TempFolder;

// The dialog's defaults with a text type chosen: a valid first run.
void ChooseTextType(TForm1& form) { form.TextType.ItemIndex = 1; }

struct RefusalCase {
  const char* name;
  std::function<void(TForm1&)> change;
  const char* focus;
};

class RefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, FocusesTheControlAndWritesNothing) {
  const RefusalCase& c = GetParam();
  TempFolder folder;
  test::PrepareFolder(folder, {});
  const auto result = RunDialog(folder.Path(), [&](TForm1& form, int) {
    ChooseTextType(form);
    c.change(form);
  });
  EXPECT_FALSE(result.Drawn);
  EXPECT_EQ(result.Events,
            std::vector<std::string>{std::string("focus ") + c.focus});
  EXPECT_EQ(result.Output, "hq\r\n");
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "t517.dat"));
}

INSTANTIATE_TEST_SUITE_P(
    EveryCheck, RefusalTest,
    testing::Values(
        RefusalCase{"NoStartKind",
                    [](TForm1& f) { f.StartMarker.ItemIndex = -1; },
                    "ComboBox1"},
        RefusalCase{"StartKindBeyondTheList",
                    [](TForm1& f) { f.StartMarker.ItemIndex = 12; },
                    "ComboBox1"},
        RefusalCase{"NoEndKind", [](TForm1& f) { f.EndMarker.ItemIndex = -1; },
                    "ComboBox2"},
        RefusalCase{"ZeroMarkerScale",
                    [](TForm1& f) { f.MarkerScale.Text = "0"; }, "Edit1"},
        RefusalCase{"EmptyMarkerScale",
                    [](TForm1& f) { f.MarkerScale.Text = ""; }, "Edit1"},
        RefusalCase{"MalformedMarkerScale",
                    [](TForm1& f) { f.MarkerScale.Text = "1,5"; }, "Edit1"},
        RefusalCase{"MarkerScaleBeforeArrowLength",
                    [](TForm1& f) {
                      f.MarkerScale.Text = "-1";
                      f.ArrowLength.Text = "0";
                    },
                    "Edit1"},
        RefusalCase{"ArrowLengthZero",
                    [](TForm1& f) { f.ArrowLength.Text = "0"; }, "Edit7"},
        RefusalCase{"ArrowLengthAbove1000",
                    [](TForm1& f) { f.ArrowLength.Text = "1000.0001"; },
                    "Edit7"},
        RefusalCase{"ArrowAngle180",
                    [](TForm1& f) { f.ArrowAngle.Text = "180"; }, "Edit8"},
        RefusalCase{"ArrowAngleZero",
                    [](TForm1& f) { f.ArrowAngle.Text = "0"; }, "Edit8"},
        RefusalCase{"NoTextType", [](TForm1& f) { f.TextType.ItemIndex = -1; },
                    "ComboBox3"},
        RefusalCase{"NoPrecision",
                    [](TForm1& f) { f.Precision.ItemIndex = -1; }, "ComboBox4"},
        RefusalCase{"NoRounding", [](TForm1& f) { f.Rounding.ItemIndex = -1; },
                    "ComboBox5"},
        RefusalCase{"NoZeroDisplay",
                    [](TForm1& f) { f.ZeroDisplay.ItemIndex = -1; },
                    "RadioGroup1"},
        RefusalCase{"NoUnit", [](TForm1& f) { f.Unit.ItemIndex = -1; },
                    "RadioGroup2"},
        RefusalCase{"NegativeGap",
                    [](TForm1& f) { f.ExtensionGap.Text = "-1"; }, "Edit5"},
        RefusalCase{"NegativeOvershoot",
                    [](TForm1& f) { f.ExtensionOvershoot.Text = "-0.1"; },
                    "Edit6"},
        RefusalCase{"NegativeReverseOvershoot",
                    [](TForm1& f) { f.ReverseOvershoot.Text = "-2"; }, "Edit9"},
        RefusalCase{"ListsBeforeDistances",
                    [](TForm1& f) {
                      f.ExtensionGap.Text = "-1";
                      f.Unit.ItemIndex = -1;
                    },
                    "RadioGroup2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OkCommandTest, FirstRunWithoutSettingsAsksForTheTextType) {
  TempFolder folder;
  test::PrepareFolder(folder, {});
  const auto result = RunDialog(folder.Path());
  EXPECT_EQ(result.Events, std::vector<std::string>{"focus ComboBox3"});
  EXPECT_EQ(result.Output, "hq\r\n");
}

struct AcceptedCase {
  const char* name;
  std::function<void(TForm1&)> change;
};

class AcceptedTest : public testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedTest, Draws) {
  TempFolder folder;
  test::PrepareFolder(folder, {});
  const auto result = RunDialog(folder.Path(), [&](TForm1& form, int) {
    ChooseTextType(form);
    GetParam().change(form);
  });
  EXPECT_TRUE(result.Drawn);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, AcceptedTest,
    testing::Values(
        AcceptedCase{"ArrowLength1000",
                     [](TForm1& f) { f.ArrowLength.Text = "1000"; }},
        AcceptedCase{"ArrowAngle179_9",
                     [](TForm1& f) { f.ArrowAngle.Text = "179.9"; }},
        AcceptedCase{"JustAboveTheOpenZeros",
                     [](TForm1& f) {
                       f.ArrowLength.Text = "0.5";
                       f.ArrowAngle.Text = "0.5";
                       f.MarkerScale.Text = "0.5";
                     }},
        AcceptedCase{"MalformedDistancesReadAsZero",
                     [](TForm1& f) {
                       f.ExtensionGap.Text = "abc";
                       f.ExtensionOvershoot.Text = "";
                       f.ReverseOvershoot.Text = "1 ";
                     }},
        AcceptedCase{"NegativeValueDistance",
                     [](TForm1& f) { f.ValueDistance.Text = "-3"; }},
        AcceptedCase{"LastKinds",
                     [](TForm1& f) {
                       f.StartMarker.ItemIndex = 11;
                       f.EndMarker.ItemIndex = 11;
                     }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OkCommandTest, RefusedRunThenGoodRunGivesTheGoodRunAlone) {
  TempFolder alone;
  test::PrepareFolder(alone, {});
  const auto good =
      RunDialog(alone.Path(), [](TForm1& form, int) { ChooseTextType(form); });
  ASSERT_TRUE(good.Drawn);

  TempFolder twice;
  test::PrepareFolder(twice, {});
  const auto result = RunDialog(
      twice.Path(),
      [](TForm1& form, int press) {
        ChooseTextType(form);
        form.ArrowAngle.Text = press == 0 ? "200" : "15";
      },
      2);
  ASSERT_TRUE(result.Drawn);
  EXPECT_EQ(result.Events.front(), "focus Edit8");
  EXPECT_EQ(result.Output, good.Output);
}

TEST(OkCommandTest, DrawingShowsProgressThenCloses) {
  TempFolder folder;
  test::PrepareFolder(folder, {});
  const auto result =
      RunDialog(folder.Path(), [](TForm1& form, int) { ChooseTextType(form); });
  const std::vector<std::string> expected = {
      std::string("status ") + kStatusDrawing,
      std::string("status ") + kStatusWritingFile, "close"};
  EXPECT_EQ(result.Events, expected);
}

TEST(OkCommandTest, OutputStartsWithTheAttributesAndEndsWithTheMarkers) {
  TempFolder folder;
  HostInput input;
  // Numbers beyond 9 would change if they were mapped as the host's lists
  // number them; the host's own go back as they came.
  input.Attributes = {"lg3",
                      "ly5",
                      "lc12",
                      "lt12",
                      "lw3",
                      "cn0 2.5 2.5 0.5 12",
                      "cn\"$\x82\x6c\x82\x72 \x96\xbe\x92\xa9" /* ＭＳ 明朝 */};
  test::PrepareFolder(folder, input);
  const auto result =
      RunDialog(folder.Path(), [](TForm1& form, int) { ChooseTextType(form); });
  const auto lines = SplitCrLf(result.Output);
  ASSERT_GE(lines.size(), 8u);
  const std::vector<std::string> head(lines.begin(), lines.begin() + 8);
  const std::vector<std::string> expected = {
      "lg3",
      "ly5",
      "lc12",
      "pn12",
      "lt12",
      "lw3",
      "cn\"$\x82\x6c\x82\x72 \x96\xbe\x92\xa9",
      "z3"};
  EXPECT_EQ(head, expected);
  // The value used text type 1; the host's free size comes back at the end.
  EXPECT_EQ(lines.back(), "cn0 2.5 2.5 0.5 12");
}

TEST(OkCommandTest, ZeroLengthShowsTheMessageAfterSaving) {
  TempFolder folder;
  HostInput input;
  input.Points = {{5, 0}, {5, 80}, {40, 20}, {50, 30}};
  test::PrepareFolder(folder, input);
  const auto result = RunDialog(folder.Path(), [](TForm1& form, int) {
    ChooseTextType(form);
    form.Prefix.Text = "abc";
  });
  EXPECT_FALSE(result.Drawn);
  EXPECT_EQ(result.Events, std::vector<std::string>{std::string("message ") +
                                                    kZeroLengthMessage});
  EXPECT_EQ(result.Output, "hq\r\n");
  const auto settings = SplitCrLf(ReadBytes(folder.Path() / "t517.dat"));
  ASSERT_EQ(settings.size(), 31u);
  EXPECT_EQ(settings[4], "1");    // the text type chosen
  EXPECT_EQ(settings[8], "abc");  // the prefix
}

// A host file without some of the four points (another command's batch
// file, or one edited by hand) ends the run before the dialog opens: one
// message names them, nothing is written, the host's file stays as it was.
TEST(OkCommandTest, MissingPickedPointsEndTheRunUntouched) {
  const struct {
    const char* points;
    const char* missing;
  } cases[] = {
      {"hp1 100 0\r\n",
       "2\x81\x41"
       "3\x81\x41"
       "4"},  // 2、3、4
      {"hp3 1 2\r\nhp4- 3 4\r\n",
       "1\x81\x41"
       "2"},
      {"hp1 0 0\r\nhp2 1 0\r\nhp4 0 5\r\nhp5 0 0\r\n", "3"},
      {"hp10- 1 2\r\n",
       "1\x81\x41"
       "2\x81\x41"
       "3\x81\x41"
       "4"},
      {"",
       "1\x81\x41"
       "2\x81\x41"
       "3\x81\x41"
       "4"},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    const std::string host =
        std::string("hq\r\nhk 0\r\n") + c.points + "lg0\r\n";
    test::WriteBytes(folder.Path() / "JWC_TEMP.TXT", host);
    TForm1 form;
    HeadlessToolkit toolkit(form, folder.Path() / "halvane-run");
    form.FormShow();
    const std::vector<std::string> expected = {
        std::string("message ") + kMissingPointsBefore + c.missing +
            kMissingPointsAfter,
        "close"};
    EXPECT_EQ(toolkit.Events, expected) << c.points;
    EXPECT_EQ(ReadBytes(folder.Path() / "JWC_TEMP.TXT"), host) << c.points;
    EXPECT_EQ(folder.Entries().size(), 1u) << c.points;
  }
}

TEST(OkCommandTest, SavesThePositionTheDialogHasAtOk) {
  TempFolder folder;
  test::PrepareFolder(folder, {});
  TForm1 form;
  HeadlessToolkit toolkit(form, folder.Path() / "halvane-run");
  form.FormShow();
  ChooseTextType(form);
  toolkit.Left = 321;
  toolkit.Top = -45;
  form.OkClick();
  ASSERT_TRUE(toolkit.Closed);
  const auto settings = SplitCrLf(ReadBytes(folder.Path() / "t517.dat"));
  ASSERT_GE(settings.size(), 2u);
  EXPECT_EQ(settings[0], "321");
  EXPECT_EQ(settings[1], "-45");
}

// Extreme input: never a crash, and every number written reads back; what
// cannot be drawn in finite numbers is refused with the message of its cause.
struct ExtremeCase {
  const char* name;
  HostInput input;
  std::function<void(TForm1&)> change;
  const char* refusal;  // the message, or nothing when drawn
};

class ExtremeInputTest : public testing::TestWithParam<ExtremeCase> {};

TEST_P(ExtremeInputTest, EveryNumberReadsBack) {
  const ExtremeCase& c = GetParam();
  TempFolder folder;
  test::PrepareFolder(folder, c.input);
  const auto result = RunDialog(folder.Path(), [&](TForm1& form, int) {
    ChooseTextType(form);
    if (c.change) c.change(form);
  });
  EXPECT_EQ(result.Drawn, c.refusal == nullptr);
  if (c.refusal) {
    EXPECT_EQ(result.Events,
              std::vector<std::string>{std::string("message ") + c.refusal});
    EXPECT_EQ(result.Output, "hq\r\n");
  }
  for (const auto& line : SplitCrLf(result.Output)) {
    EXPECT_EQ(test::BadNumberIn(line), "") << line;
  }
}

HostInput Input(double scale, std::vector<Point> points, double angle = 0) {
  HostInput input;
  input.Scale = scale;
  input.Points = std::move(points);
  input.Angle = angle;
  return input;
}

// The default points with the host's current text type of free size `size`.
HostInput FreeTextSize(const char* size) {
  HostInput input;
  input.Attributes.back() = std::string("cn0 ") + size + " " + size + " 0 2";
  return input;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExtremeInputTest,
    testing::Values(
        ExtremeCase{"HugePoints",
                    Input(1, {{-1e300, 0}, {1e300, 0}, {0, 1e300}, {0, 0}}),
                    nullptr, kValueTooLongMessage},
        ExtremeCase{
            "HugePointsShortValue",
            Input(1,
                  {{1e300, 0}, {1e300 + 1e285, 0}, {1e300, 1e290}, {1e300, 0}}),
            [](TForm1& f) { f.Unit.ItemIndex = 1; }, kZeroLengthMessage},
        ExtremeCase{"LengthOverflows",
                    Input(1, {{-1.7e308, 0}, {1.7e308, 0}, {0, 5}, {0, 0}}),
                    nullptr, kCoordinateTooLargeMessage},
        ExtremeCase{
            "LineOverflows",
            Input(1, {{0, -1.7e308}, {100, -1.7e308}, {0, 1.7e308}, {50, 0}}),
            nullptr, kCoordinateTooLargeMessage},
        ExtremeCase{"PointBeyondTheLargestWritten",
                    Input(1, {{0, 0}, {100, 0}, {50, 20}, {50, 1.5e308}}),
                    nullptr, kCoordinateTooLargeMessage},
        ExtremeCase{"HostsFreeTextSizeAtTheLimit", FreeTextSize("1e308"),
                    [](TForm1& f) { f.TextType.ItemIndex = 0; },
                    kTextSizeTooLargeMessage},
        ExtremeCase{"ValueDistanceBeyondAtTheScale",
                    Input(10, {{0, 0}, {100, 0}, {50, 20}, {50, 30}}),
                    [](TForm1& f) { f.ValueDistance.Text = "1e308"; },
                    kDistanceTooLargeMessage},
        ExtremeCase{"TinyScale",
                    Input(1e-300, {{0, 0}, {100, 0}, {50, 20}, {50, 30}}),
                    nullptr, nullptr},
        ExtremeCase{"HugeScale",
                    Input(1e300, {{0, 0}, {100, 0}, {50, 20}, {50, 30}}),
                    nullptr, nullptr},
        ExtremeCase{"HugeScaleAndDistances",
                    Input(1e300, {{0, 0}, {100, 0}, {50, 20}, {50, 30}}),
                    [](TForm1& f) { f.ExtensionGap.Text = "1e10"; },
                    kDistanceTooLargeMessage},
        ExtremeCase{"NegativeScale",
                    Input(-100, {{0, 0}, {100, 0}, {50, 20}, {50, 30}}),
                    nullptr, nullptr},
        ExtremeCase{"ZeroScale",
                    Input(0, {{0, 0}, {100, 0}, {50, 20}, {50, 30}}), nullptr,
                    nullptr},
        // A glyph's size goes out as the bare marker scale: up to 1e308 is
        // written.
        ExtremeCase{"HugeMarkerScale",
                    Input(100, {{0, 0}, {100, 0}, {50, 20}, {50, 30}}),
                    [](TForm1& f) {
                      f.MarkerScale.Text = "1e308";
                      f.StartMarker.ItemIndex = 1;
                    },
                    nullptr},
        ExtremeCase{"MarkerScaleBeyondWhatIsWritten",
                    Input(100, {{0, 0}, {100, 0}, {50, 20}, {50, 30}}),
                    [](TForm1& f) {
                      f.MarkerScale.Text = "1.01e308";
                      f.StartMarker.ItemIndex = 1;
                    },
                    kMarkerTooLargeMessage},
        ExtremeCase{"TinyLength",
                    Input(1, {{0, 0}, {2e-10, 0}, {0, 1}, {0, 0}}), nullptr,
                    nullptr},
        ExtremeCase{"OddAngle",
                    Input(1, {{1e15, 3}, {-1e15, 7}, {0, 1e15}, {5, 5}}, 1e300),
                    nullptr, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace halvane
