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
  std::function<void(ExchangeOutput&)> call;
  Lines lines;
};

class EntityWriterCases : public WriterTest,
                          public ::testing::WithParamInterface<EntityCase> {};

TEST_P(EntityWriterCases, WritesTheExpectedLines) {
  GetParam().call(out_);
  EXPECT_EQ(OutputLines(), GetParam().lines);
}

auto CaseName = [](const auto& info) { return std::string(info.param.name); };

INSTANTIATE_TEST_SUITE_P(
    Segment, EntityWriterCases,
    ::testing::Values(
        EntityCase{"Plain",
                   [](ExchangeOutput& out) { PutSegment(out, 1.5, 2, 3, 4); },
                   {"1.5 2 3 4"}},
        EntityCase{
            "BelowToleranceIsSkipped",
            [](ExchangeOutput& out) { PutSegment(out, 0, 0, 0.000000005, 0); },
            {}},
        EntityCase{
            "ToleranceItselfIsWritten",
            [](ExchangeOutput& out) { PutSegment(out, 0, 0, 0.00000001, 0); },
            {"0 0 1E-8 0"}},
        EntityCase{"ToleranceInYIsWritten",
                   [](ExchangeOutput& out) { PutSegment(out, 0, 0, 0, 1e-8); },
                   {"0 0 0 1E-8"}},
        // 4 + 1e-8 lies 9.99999994e-9 above 4.
        EntityCase{
            "RoundedDifferenceBelowToleranceSkipped",
            [](ExchangeOutput& out) { PutSegment(out, 3, 4, 3, 4 + 1e-8); },
            {}},
        EntityCase{"BothBelowToleranceIsSkipped",
                   [](ExchangeOutput& out) {
                     PutSegment(out, 7, 7, 7 + 9e-9, 7 - 9e-9);
                   },
                   {}},
        EntityCase{"OneCoordinateEnoughToDraw",
                   [](ExchangeOutput& out) { PutSegment(out, 0, 0, 5e-9, 20); },
                   {"0 0 5E-9 20"}},
        EntityCase{"NegativeAndLarge",
                   [](ExchangeOutput& out) {
                     PutSegment(out, -1e20, -0.5, 1e20, 123456.789);
                   },
                   {"-1E20 -0.5 1E20 123456.789"}},
        EntityCase{"HugeEndsStillDrawn",
                   [](ExchangeOutput& out) {
                     PutSegment(out, -1.7e308, 0, 1.7e308, 0);
                   },
                   {"-1.7E308 0 1.7E308 0"}},
        EntityCase{"NanSkipped",
                   [](ExchangeOutput& out) { PutSegment(out, 0, kNan, 1, 1); },
                   {}},
        EntityCase{"InfinitySkipped",
                   [](ExchangeOutput& out) { PutSegment(out, 0, 0, kInf, 1); },
                   {}},
        EntityCase{"ZeroLengthSkipped",
                   [](ExchangeOutput& out) { PutSegment(out, 5, 5, 5, 5); },
                   {}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Point, EntityWriterCases,
    ::testing::Values(
        EntityCase{
            "Plain",
            [](ExchangeOutput& out) { PutPoint(out, 3, 10, 20, 0.5, 45.5); },
            {"pt 10 20 0.5 45.5 3"}},
        EntityCase{"CodeAboveRange",
                   [](ExchangeOutput& out) { PutPoint(out, 12, 1, 2, 1, 0); },
                   {"pt 1 2 1 0 -3"}},
        EntityCase{"CodeBelowRange",
                   [](ExchangeOutput& out) { PutPoint(out, -8, 1, 2, 1, 0); },
                   {"pt 1 2 1 0 -3"}},
        EntityCase{"CodeLimitsKept",
                   [](ExchangeOutput& out) {
                     PutPoint(out, -7, 1, 2, 1, 0);
                     PutPoint(out, 11, 1, 2, 1, 0);
                   },
                   {"pt 1 2 1 0 -7", "pt 1 2 1 0 11"}},
        EntityCase{"ZeroSizeBecomesOne",
                   [](ExchangeOutput& out) { PutPoint(out, 1, 0, 0, 0, 90); },
                   {"pt 0 0 1 90 1"}},
        EntityCase{"TinySizesBecomeOne",
                   [](ExchangeOutput& out) {
                     PutPoint(out, 1, 0, 0, 5e-9, 0);
                     PutPoint(out, 1, 0, 0, -5e-9, 0);
                   },
                   {"pt 0 0 1 0 1", "pt 0 0 1 0 1"}},
        EntityCase{"SizeOfToleranceKept",
                   [](ExchangeOutput& out) { PutPoint(out, 1, 0, 0, 1e-8, 0); },
                   {"pt 0 0 1E-8 0 1"}},
        EntityCase{"NegativeSizeKept",
                   [](ExchangeOutput& out) { PutPoint(out, 1, 0, 0, -2, -30); },
                   {"pt 0 0 -2 -30 1"}},
        EntityCase{"NonFiniteSkipped",
                   [](ExchangeOutput& out) {
                     PutPoint(out, 1, kNan, 0, 1, 0);
                     PutPoint(out, 1, 0, kInf, 1, 0);
                     PutPoint(out, 1, 0, 0, kNan, 0);
                     PutPoint(out, 1, 0, 0, 1, -kInf);
                   },
                   {}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Text, EntityWriterCases,
    ::testing::Values(
        EntityCase{
            "CommandAndText",
            [](ExchangeOutput& out) { PutText(out, 2, kSunpou, 1, 2, 10, 0); },
            {"cs 1 2 10 0 \"", kSunpou}},
        EntityCase{
            "KindZeroAndTenAreCh",
            [](ExchangeOutput& out) {
              PutText(out, 0, "a", 0, 0, 1, 0);
              PutText(out, 10, "b", 0, 0, 1, 0);
              PutText(out, -1, "c", 0, 0, 1, 0);
            },
            {"ch 0 0 1 0 \"", "a", "ch 0 0 1 0 \"", "b", "ch 0 0 1 0 \"", "c"}},
        EntityCase{
            "KindCodes",
            [](ExchangeOutput& out) {
              for (int kind = 1; kind <= 9; ++kind) {
                PutText(out, kind, "t", 0, 0, 0, 1);
              }
            },
            {"cv 0 0 0 1 \"", "t", "cs 0 0 0 1 \"", "t", "cr 0 0 0 1 \"", "t",
             "co 0 0 0 1 \"", "t", "cp 0 0 0 1 \"", "t", "ct 0 0 0 1 \"", "t",
             "ck 0 0 0 1 \"", "t", "cz 0 0 0 1 \"", "t", "c2 0 0 0 1 \"", "t"}},
        EntityCase{"SpacesAroundTheTextKept",
                   [](ExchangeOutput& out) {
                     PutText(out, 2, " A\x81\x40", 0, 0, 1, 0);
                   },
                   {"cs 0 0 1 0 \"", " A\x81\x40"}},
        EntityCase{
            "ZeroDirectionSkipped",
            [](ExchangeOutput& out) { PutText(out, 2, "a", 0, 0, 0, 0); },
            {}},
        EntityCase{"TinyDirectionSkipped",
                   [](ExchangeOutput& out) {
                     PutText(out, 2, "a", 0, 0, 1e-8 / 2, -1e-8 / 2);
                   },
                   {}},
        EntityCase{"DirectionOfToleranceWritten",
                   [](ExchangeOutput& out) {
                     PutText(out, 2, "a", 0, 0, 0, -0.00000001);
                   },
                   {"cs 0 0 0 -1E-8 \"", "a"}},
        EntityCase{"BlankTextsSkipped",
                   [](ExchangeOutput& out) {
                     PutText(out, 2, "", 0, 0, 1, 0);
                     PutText(out, 2, "\x81\x40\x81\x40", 0, 0, 1, 0);
                     PutText(out, 2, " \t\x1f ", 0, 0, 1, 0);
                   },
                   {}},
        EntityCase{"LineBreaksInTheTextBecomeSpaces",
                   [](ExchangeOutput& out) {
                     PutText(out, 2, "a\r\nb\x1a", 0, 0, 1, 0);
                   },
                   {"cs 0 0 1 0 \"", "a  b "}},
        EntityCase{"NonFiniteSkipped",
                   [](ExchangeOutput& out) {
                     PutText(out, 2, "a", kNan, 0, 1, 0);
                     PutText(out, 2, "a", 0, 0, kInf, 0);
                   },
                   {}},
        EntityCase{"DirectionVectorOfAnyLength",
                   [](ExchangeOutput& out) {
                     PutText(out, 2, "a", -5, 0.25, 7.0710678118654755, 7.5);
                   },
                   {"cs -5 0.25 7.07106781186548 7.5 \"", "a"}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    DimText, EntityWriterCases,
    ::testing::Values(
        EntityCase{"BlankTextGivesTheLength",
                   [](ExchangeOutput& out) {
                     PutDimText(out, "", 0, 0, 1000, 0, 500, 10, 10, 0);
                   },
                   {"msg", "0 0 1000 0", "cs 500 10 10 0 \"", "1000"}},
        EntityCase{"LengthRoundedAtTheEighthDecimal",
                   [](ExchangeOutput& out) {
                     PutDimText(out, " ", 0, 0, 1, 1, 0, 0, 10, 0);
                   },
                   {"msg", "0 0 1 1", "cs 0 0 10 0 \"", "1.41421356"}},
        EntityCase{"LengthRoundedHalfUp",
                   [](ExchangeOutput& out) {
                     PutDimText(out, "", 0, 0, 2.000000006, 0, 0, 0, 10, 0);
                     PutDimText(out, "", 0, 0, 2.000000004, 0, 0, 0, 10, 0);
                     PutDimText(out, "", 0, 0, 2.0000000055, 0, 0, 0, 10, 0);
                   },
                   {"msg", "0 0 2.000000006 0", "cs 0 0 10 0 \"", "2.00000001",
                    "msg", "0 0 2.000000004 0", "cs 0 0 10 0 \"", "2", "msg",
                    "0 0 2.0000000055 0", "cs 0 0 10 0 \"", "2.00000001"}},
        EntityCase{"ShortestDrawnLength",
                   [](ExchangeOutput& out) {
                     PutDimText(out, "", 0, 0, 0, 1e-8, 0, 0, 10, 0);
                   },
                   {"msg", "0 0 0 1E-8", "cs 0 0 10 0 \"", "1E-8"}},
        EntityCase{"GivenTextUnchanged",
                   [](ExchangeOutput& out) {
                     PutDimText(out, " 1,000 ", 0, 0, 1000, 0, 1, 2, 3, 4);
                   },
                   {"msg", "0 0 1000 0", "cs 1 2 3 4 \"", " 1,000 "}},
        EntityCase{"FullWidthSpacesCountAsBlank",
                   [](ExchangeOutput& out) {
                     PutDimText(out, "\x81\x40", 0, 0, -3, 4, 0, 0, 10, 0);
                   },
                   {"msg", "0 0 -3 4", "cs 0 0 10 0 \"", "5"}},
        EntityCase{"ShortSegmentWritesNothing",
                   [](ExchangeOutput& out) {
                     PutDimText(out, "", 0, 0, 5e-9, 5e-9, 0, 0, 10, 0);
                   },
                   {}},
        EntityCase{"ZeroDirectionWritesNothing",
                   [](ExchangeOutput& out) {
                     PutDimText(out, "", 0, 0, 10, 0, 0, 0, 1e-9, 0);
                   },
                   {}},
        EntityCase{"NonFiniteWritesNothing",
                   [](ExchangeOutput& out) {
                     PutDimText(out, "", kNan, 0, 10, 0, 0, 0, 10, 0);
                     PutDimText(out, "5", 0, 0, 10, 0, 0, kInf, 10, 0);
                     PutDimText(out, "5", 0, 0, 10, 0, 0, 0, 10, kNan);
                   },
                   {}},
        EntityCase{"LengthBeyondDoubleWritesNothing",
                   [](ExchangeOutput& out) {
                     PutDimText(out, "", -1e308, 0, 1e308, 0, 0, 0, 10, 0);
                   },
                   {}},
        EntityCase{"HugeSegmentWithGivenText",
                   [](ExchangeOutput& out) {
                     PutDimText(out, "x", -1e308, 0, 1e308, 0, 0, 0, 10, 0);
                   },
                   {"msg", "-1E308 0 1E308 0", "cs 0 0 10 0 \"", "x"}},
        EntityCase{"LineBreakInTheValueText",
                   [](ExchangeOutput& out) {
                     PutDimText(out, "1\n2", 0, 0, 10, 0, 0, 0, 10, 0);
                   },
                   {"msg", "0 0 10 0", "cs 0 0 10 0 \"", "1 2"}}),
    CaseName);

TEST_F(WriterTest, LongTextIsCutAt255Bytes) {
  const std::string text(300, 'a');
  PutText(out_, 0, text, 0, 0, 1, 0);
  const auto lines = OutputLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], std::string(255, 'a'));
}

// A dimension drawn as the OK command draws it, through to the file.
TEST_F(WriterTest, DimensionFileMatchesGolden) {
  input_.HostFontName = "<\x82\x6c\x82\x72 \x96\xbe\x92\xa9>";
  PutLayerGroup(out_, 0);
  PutLayer(out_, 2);
  PutLineColor(out_, 1, 0);
  PutLineType(out_, 1, 0);
  PutLineWidth(out_, 1);
  for (double x : {0.0, 100.0}) {
    PutZFlags(out_, kZ3Flag);
    PutSegment(out_, x, 0, x, 15);
  }
  PutZFlags(out_, kZ3Flag);
  PutSegment(out_, 0, 10, 100, 10);
  PutTextType(out_, 0, 2, 0, 2.5, 2.5, 0);
  PutTextCode(out_, 0);
  PutFontName(out_, "");
  PutDimText(out_, "", 0, 10, 100, 10, 50, 11, 10, 0);
  PutPointColor(out_, 1, 0);
  PutZFlags(out_, kZ3Flag);
  PutPoint(out_, 3, 0, 10, 0.5, 180);
  PutZFlags(out_, kZ3Flag);
  PutPoint(out_, 3, 100, 10, 0.5, 0);
  PutZFlags(out_, kZ3Flag);
  PutText(out_, 2, kSunpou, 10, 20, 10, 0);

  TempFolder dir;
  ASSERT_TRUE(WriteOutputFile(out_, dir / "JWC_TEMP.TXT"));
  const std::string golden =
      ReadBytes(std::filesystem::path(HALVANE_TEST_DATA) / "golden" /
                "writers" / "dimension.txt");
  ASSERT_FALSE(golden.empty());
  EXPECT_EQ(ReadBytes(dir / "JWC_TEMP.TXT"), golden);
}

}  // namespace
}  // namespace halvane
