#include "exchange/entity_writers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "exchange/output_buffer.h"
#include "writer_test_support.h"

namespace halvane {
namespace {

using Lines = std::vector<std::string>;
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr char kSunpou[] = "\x90\xa1\x96\x40";  // 寸法

struct EntityCase {
  const char* name;
  std::function<void()> call;
  Lines lines;
};

class EntityWriterCases : public WriterTest,
                          public ::testing::WithParamInterface<EntityCase> {};

TEST_P(EntityWriterCases, WritesTheExpectedLines) {
  GetParam().call();
  EXPECT_EQ(OutputLines(), GetParam().lines);
}

auto CaseName = [](const auto& info) { return std::string(info.param.name); };

INSTANTIATE_TEST_SUITE_P(
    Segment, EntityWriterCases,
    ::testing::Values(
        EntityCase{"Plain", [] { PutSegment(1.5, 2, 3, 4); }, {"1.5 2 3 4"}},
        EntityCase{"BelowToleranceIsSkipped",
                   [] { PutSegment(0, 0, 0.000000005, 0); },
                   {}},
        EntityCase{"ToleranceItselfIsWritten",
                   [] { PutSegment(0, 0, 0.00000001, 0); },
                   {"0 0 1E-8 0"}},
        EntityCase{"ToleranceInYIsWritten",
                   [] { PutSegment(0, 0, 0, 1e-8); },
                   {"0 0 0 1E-8"}},
        // 4 + 1e-8 lies 9.99999994e-9 above 4.
        EntityCase{"RoundedDifferenceBelowToleranceSkipped",
                   [] { PutSegment(3, 4, 3, 4 + 1e-8); },
                   {}},
        EntityCase{"BothBelowToleranceIsSkipped",
                   [] { PutSegment(7, 7, 7 + 9e-9, 7 - 9e-9); },
                   {}},
        EntityCase{"OneCoordinateEnoughToDraw",
                   [] { PutSegment(0, 0, 5e-9, 20); },
                   {"0 0 5E-9 20"}},
        EntityCase{"NegativeAndLarge",
                   [] { PutSegment(-1e20, -0.5, 1e20, 123456.789); },
                   {"-1E20 -0.5 1E20 123456.789"}},
        EntityCase{"HugeEndsStillDrawn",
                   [] { PutSegment(-1.7e308, 0, 1.7e308, 0); },
                   {"-1.7E308 0 1.7E308 0"}},
        EntityCase{"NanSkipped", [] { PutSegment(0, kNan, 1, 1); }, {}},
        EntityCase{"InfinitySkipped", [] { PutSegment(0, 0, kInf, 1); }, {}},
        EntityCase{"ZeroLengthSkipped", [] { PutSegment(5, 5, 5, 5); }, {}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Point, EntityWriterCases,
    ::testing::Values(EntityCase{"Plain",
                                 [] { PutPoint(3, 10, 20, 0.5, 45.5); },
                                 {"pt 10 20 0.5 45.5 3"}},
                      EntityCase{"CodeAboveRange",
                                 [] { PutPoint(12, 1, 2, 1, 0); },
                                 {"pt 1 2 1 0 -3"}},
                      EntityCase{"CodeBelowRange",
                                 [] { PutPoint(-8, 1, 2, 1, 0); },
                                 {"pt 1 2 1 0 -3"}},
                      EntityCase{"CodeLimitsKept",
                                 [] {
                                   PutPoint(-7, 1, 2, 1, 0);
                                   PutPoint(11, 1, 2, 1, 0);
                                 },
                                 {"pt 1 2 1 0 -7", "pt 1 2 1 0 11"}},
                      EntityCase{"ZeroSizeBecomesOne",
                                 [] { PutPoint(1, 0, 0, 0, 90); },
                                 {"pt 0 0 1 90 1"}},
                      EntityCase{"TinySizesBecomeOne",
                                 [] {
                                   PutPoint(1, 0, 0, 5e-9, 0);
                                   PutPoint(1, 0, 0, -5e-9, 0);
                                 },
                                 {"pt 0 0 1 0 1", "pt 0 0 1 0 1"}},
                      EntityCase{"SizeOfToleranceKept",
                                 [] { PutPoint(1, 0, 0, 1e-8, 0); },
                                 {"pt 0 0 1E-8 0 1"}},
                      EntityCase{"NegativeSizeKept",
                                 [] { PutPoint(1, 0, 0, -2, -30); },
                                 {"pt 0 0 -2 -30 1"}},
                      EntityCase{"NonFiniteSkipped",
                                 [] {
                                   PutPoint(1, kNan, 0, 1, 0);
                                   PutPoint(1, 0, kInf, 1, 0);
                                   PutPoint(1, 0, 0, kNan, 0);
                                   PutPoint(1, 0, 0, 1, -kInf);
                                 },
                                 {}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Text, EntityWriterCases,
    ::testing::Values(
        EntityCase{"CommandAndText",
                   [] { PutText(2, kSunpou, 1, 2, 10, 0); },
                   {"cs 1 2 10 0 \"", kSunpou}},
        EntityCase{
            "KindZeroAndTenAreCh",
            [] {
              PutText(0, "a", 0, 0, 1, 0);
              PutText(10, "b", 0, 0, 1, 0);
              PutText(-1, "c", 0, 0, 1, 0);
            },
            {"ch 0 0 1 0 \"", "a", "ch 0 0 1 0 \"", "b", "ch 0 0 1 0 \"", "c"}},
        EntityCase{
            "KindCodes",
            [] {
              for (int kind = 1; kind <= 9; ++kind) {
                PutText(kind, "t", 0, 0, 0, 1);
              }
            },
            {"cv 0 0 0 1 \"", "t", "cs 0 0 0 1 \"", "t", "cr 0 0 0 1 \"", "t",
             "co 0 0 0 1 \"", "t", "cp 0 0 0 1 \"", "t", "ct 0 0 0 1 \"", "t",
             "ck 0 0 0 1 \"", "t", "cz 0 0 0 1 \"", "t", "c2 0 0 0 1 \"", "t"}},
        EntityCase{"SpacesAroundTheTextKept",
                   [] { PutText(2, " A\x81\x40", 0, 0, 1, 0); },
                   {"cs 0 0 1 0 \"", " A\x81\x40"}},
        EntityCase{
            "ZeroDirectionSkipped", [] { PutText(2, "a", 0, 0, 0, 0); }, {}},
        EntityCase{"TinyDirectionSkipped",
                   [] { PutText(2, "a", 0, 0, 1e-8 / 2, -1e-8 / 2); },
                   {}},
        EntityCase{"DirectionOfToleranceWritten",
                   [] { PutText(2, "a", 0, 0, 0, -0.00000001); },
                   {"cs 0 0 0 -1E-8 \"", "a"}},
        EntityCase{"BlankTextsSkipped",
                   [] {
                     PutText(2, "", 0, 0, 1, 0);
                     PutText(2, "\x81\x40\x81\x40", 0, 0, 1, 0);
                     PutText(2, " \t\x1f ", 0, 0, 1, 0);
                   },
                   {}},
        EntityCase{"LineBreaksInTheTextBecomeSpaces",
                   [] { PutText(2, "a\r\nb\x1a", 0, 0, 1, 0); },
                   {"cs 0 0 1 0 \"", "a  b "}},
        EntityCase{"NonFiniteSkipped",
                   [] {
                     PutText(2, "a", kNan, 0, 1, 0);
                     PutText(2, "a", 0, 0, kInf, 0);
                   },
                   {}},
        EntityCase{"DirectionVectorOfAnyLength",
                   [] { PutText(2, "a", -5, 0.25, 7.0710678118654755, 7.5); },
                   {"cs -5 0.25 7.07106781186548 7.5 \"", "a"}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    DimText, EntityWriterCases,
    ::testing::Values(
        EntityCase{"BlankTextGivesTheLength",
                   [] { PutDimText("", 0, 0, 1000, 0, 500, 10, 10, 0); },
                   {"msg", "0 0 1000 0", "cs 500 10 10 0 \"", "1000"}},
        EntityCase{"LengthRoundedAtTheEighthDecimal",
                   [] { PutDimText(" ", 0, 0, 1, 1, 0, 0, 10, 0); },
                   {"msg", "0 0 1 1", "cs 0 0 10 0 \"", "1.41421356"}},
        EntityCase{"LengthRoundedHalfUp",
                   [] {
                     PutDimText("", 0, 0, 2.000000006, 0, 0, 0, 10, 0);
                     PutDimText("", 0, 0, 2.000000004, 0, 0, 0, 10, 0);
                     PutDimText("", 0, 0, 2.0000000055, 0, 0, 0, 10, 0);
                   },
                   {"msg", "0 0 2.000000006 0", "cs 0 0 10 0 \"", "2.00000001",
                    "msg", "0 0 2.000000004 0", "cs 0 0 10 0 \"", "2", "msg",
                    "0 0 2.0000000055 0", "cs 0 0 10 0 \"", "2.00000001"}},
        EntityCase{"ShortestDrawnLength",
                   [] { PutDimText("", 0, 0, 0, 1e-8, 0, 0, 10, 0); },
                   {"msg", "0 0 0 1E-8", "cs 0 0 10 0 \"", "1E-8"}},
        EntityCase{"GivenTextUnchanged",
                   [] { PutDimText(" 1,000 ", 0, 0, 1000, 0, 1, 2, 3, 4); },
                   {"msg", "0 0 1000 0", "cs 1 2 3 4 \"", " 1,000 "}},
        EntityCase{"FullWidthSpacesCountAsBlank",
                   [] { PutDimText("\x81\x40", 0, 0, -3, 4, 0, 0, 10, 0); },
                   {"msg", "0 0 -3 4", "cs 0 0 10 0 \"", "5"}},
        EntityCase{"ShortSegmentWritesNothing",
                   [] { PutDimText("", 0, 0, 5e-9, 5e-9, 0, 0, 10, 0); },
                   {}},
        EntityCase{"ZeroDirectionWritesNothing",
                   [] { PutDimText("", 0, 0, 10, 0, 0, 0, 1e-9, 0); },
                   {}},
        EntityCase{"NonFiniteWritesNothing",
                   [] {
                     PutDimText("", kNan, 0, 10, 0, 0, 0, 10, 0);
                     PutDimText("5", 0, 0, 10, 0, 0, kInf, 10, 0);
                     PutDimText("5", 0, 0, 10, 0, 0, 0, 10, kNan);
                   },
                   {}},
        EntityCase{"LengthBeyondDoubleWritesNothing",
                   [] { PutDimText("", -1e308, 0, 1e308, 0, 0, 0, 10, 0); },
                   {}},
        EntityCase{"HugeSegmentWithGivenText",
                   [] { PutDimText("x", -1e308, 0, 1e308, 0, 0, 0, 10, 0); },
                   {"msg", "-1E308 0 1E308 0", "cs 0 0 10 0 \"", "x"}},
        EntityCase{"LineBreakInTheValueText",
                   [] { PutDimText("1\n2", 0, 0, 10, 0, 0, 0, 10, 0); },
                   {"msg", "0 0 10 0", "cs 0 0 10 0 \"", "1 2"}}),
    CaseName);

TEST_F(WriterTest, LongTextIsCutAt255Bytes) {
  const std::string text(300, 'a');
  PutText(0, text, 0, 0, 1, 0);
  const auto lines = OutputLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], std::string(255, 'a'));
}

// A dimension drawn as the OK command draws it, through to the file.
TEST_F(WriterTest, DimensionFileMatchesGolden) {
  Exchange().HostFontName = "<\x82\x6c\x82\x72 \x96\xbe\x92\xa9>";
  PutLayerGroup(0);
  PutLayer(2);
  PutLineColor(1, 0);
  PutLineType(1, 0);
  PutLineWidth(1);
  for (double x : {0.0, 100.0}) {
    PutZFlags(4);
    PutSegment(x, 0, x, 15);
  }
  PutZFlags(4);
  PutSegment(0, 10, 100, 10);
  PutTextType(0, 2, 0, 2.5, 2.5, 0);
  PutTextCode(0);
  PutFontName("");
  PutDimText("", 0, 10, 100, 10, 50, 11, 10, 0);
  PutPointColor(1, 0);
  PutZFlags(4);
  PutPoint(3, 0, 10, 0.5, 180);
  PutZFlags(4);
  PutPoint(3, 100, 10, 0.5, 0);
  PutZFlags(4);
  PutText(2, kSunpou, 10, 20, 10, 0);

  TempFolder dir;
  ASSERT_TRUE(WriteOutputFile(dir / "JWC_TEMP.TXT"));
  const std::string golden =
      ReadBytes(std::filesystem::path(HALVANE_TEST_DATA) / "golden" /
                "writers" / "dimension.txt");
  ASSERT_FALSE(golden.empty());
  EXPECT_EQ(ReadBytes(dir / "JWC_TEMP.TXT"), golden);
}

}  // namespace
}  // namespace halvane
