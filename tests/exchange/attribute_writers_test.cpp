#include "exchange/attribute_writers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "writer_test_support.h"

namespace halvane {
namespace {

using Lines = std::vector<std::string>;
constexpr int32_t kMaxInt = std::numeric_limits<int32_t>::max();

// Every cached value equal to its default and no flag set: a writer then
// writes only on a change.
void ClearFlags(ExchangeData& data) { data.Force.fill(false); }
void NoSetup(ExchangeData&) {}

struct WriterCase {
  const char* name;
  std::function<void(ExchangeData&)> setup;
  std::function<void()> calls;
  Lines lines;
};

class AttributeWriterCases : public WriterTest,
                             public ::testing::WithParamInterface<WriterCase> {
};

TEST_P(AttributeWriterCases, WritesTheExpectedLines) {
  GetParam().setup(Exchange());
  GetParam().calls();
  EXPECT_EQ(OutputLines(), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    IntegerWriters, AttributeWriterCases,
    ::testing::Values(
        WriterCase{"FirstCallWritesAnUnchangedValue",
                   NoSetup,
                   [] {
                     PutLineColor(1, 0);
                     PutLineColor(1, 0);
                   },
                   {"lc1"}},
        WriterCase{"UnchangedGroupAndLayerWriteNothing",
                   [](ExchangeData& data) {
                     ClearFlags(data);
                     data.CurGroup = 3;
                     data.CurLayer = 2;
                   },
                   [] {
                     PutLayerGroup(3);
                     PutLayer(2);
                   },
                   {}},
        WriterCase{"WrittenGroupForcesTheLayer",
                   [](ExchangeData& data) {
                     ClearFlags(data);
                     data.CurLayer = 2;
                   },
                   [] {
                     PutLayerGroup(3);
                     PutLayer(2);
                     PutLayer(2);
                   },
                   {"lg3", "ly2"}},
        WriterCase{"GroupAndLayerInCapitalHex",
                   ClearFlags,
                   [] {
                     PutLayerGroup(10);
                     PutLayerGroup(15);
                     PutLayer(11);
                     PutLayer(0x1b);
                     PutLayerGroup(-1);
                     PutLayer(-256);
                   },
                   {"lgA", "lgF", "lyB", "ly1B", "lgFFFFFFFF", "lyFFFFFF00"}},
        WriterCase{"ChangesAreWrittenAgain",
                   ClearFlags,
                   [] {
                     PutLineColor(2, 0);
                     PutLineColor(2, 0);
                     PutLineColor(1, 0);
                     PutLineType(3, 0);
                     PutPointColor(7, 0);
                     PutPointColor(7, 0);
                   },
                   {"lc2", "lc1", "lt3", "pn7"}},
        WriterCase{"NegativeNumbersInDecimal",
                   ClearFlags,
                   [] {
                     PutLineColor(-5, 0);
                     PutLineType(-2147483647 - 1, 0);
                   },
                   {"lc-5", "lt-2147483648"}},
        WriterCase{"MapOnlyWhenExactlyOne",
                   [](ExchangeData& data) {
                     ClearFlags(data);
                     data.HostLineColor = 6;
                     data.HostLineType = 2;
                   },
                   [] {
                     PutLineColor(0, 1);
                     PutLineColor(10, 1);
                     PutLineColor(10, 2);
                     PutLineType(18, 1);
                     PutLineType(19, 1);
                     PutLineType(0, 1);
                     PutLineType(12, -1);
                     PutPointColor(0, 1);
                     PutPointColor(0, 0);
                   },
                   {"lc6", "lc101", "lc10", "lt19", "lt31", "lt2", "lt12",
                    "pn6", "pn0"}},
        WriterCase{"TextCodeOutOfRangeIsZero",
                   NoSetup,
                   [] {
                     PutTextCode(9);
                     PutTextCode(-1);
                     PutTextCode(0);
                     PutTextCode(8);
                   },
                   {"cc0", "cc8"}},
        WriterCase{"LineWidthNeedsAnLwLineInTheInput",
                   NoSetup,
                   [] {
                     PutLineWidth(5);
                     PutLineWidth(-1);
                   },
                   {}},
        WriterCase{"LineWidthAdjustments",
                   [](ExchangeData& data) {
                     data.LineWidthGiven = true;
                     data.HostLineWidth = 7;
                   },
                   [] {
                     PutLineWidth(-1);
                     PutLineWidth(40000);
                     PutLineWidth(-2);
                     PutLineWidth(30000);
                     PutLineWidth(30001);
                   },
                   {"lw7", "lw0", "lw30000", "lw0"}},
        WriterCase{"CallThatDoesNotWriteKeepsTheFlags",
                   [](ExchangeData& data) {
                     ClearFlags(data);
                     data.Force[kForceLayer] = true;
                   },
                   [] {
                     PutLayerGroup(0);
                     PutLayer(0);
                   },
                   {"ly0"}},
        WriterCase{"ZFlags",
                   NoSetup,
                   [] {
                     PutZFlags(0);
                     PutZFlags(31);
                     PutZFlags(8);
                     PutZFlags(24);
                     PutZFlags(4);
                     PutZFlags(4);
                   },
                   {"z1", "z2", "z3", "z5", "z4", "z5", "z3", "z3"}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    TextTypeAndFont, AttributeWriterCases,
    ::testing::Values(
        WriterCase{"OutOfRangeTypeTakesHostFreeSize",
                   [](ExchangeData& data) {
                     data.HostTextType = 0;
                     data.HostFreeW = 3.5;
                     data.HostFreeH = 4;
                     data.HostFreeD = 0.25;
                     data.HostFreeColor = 5;
                   },
                   [] { PutTextType(12, 1, 0, 9, 9, 9); },
                   {"cn0 3.5 4 0.25 5"}},
        WriterCase{"OutOfRangeTypeTakesHostType",
                   [](ExchangeData& data) { data.HostTextType = 4; },
                   [] {
                     PutTextType(-1, 1, 0, 9, 9, 9);
                     PutTextType(4, 3, 0, 1, 1, 1);
                   },
                   {"cn4"}},
        WriterCase{"FreeSizeSequence",
                   NoSetup,
                   [] {
                     PutTextType(0, 1, 0, 2.5, 2.5, 0);
                     PutTextType(0, 1, 0, 2.5, 2.5, 0);
                     PutTextType(0, 1, 0, 2.5, 2.5, 0.5);
                     PutTextType(3, 1, 0, 2.5, 2.5, 0.5);
                     PutTextType(0, 1, 0, 2.5, 2.5, 0.5);
                   },
                   {"cn0 2.5 2.5 0 1", "cn0 2.5 2.5 0.5 1", "cn3",
                    "cn0 2.5 2.5 0.5 1"}},
        WriterCase{
            "FreeColourChangeAndMap",
            [](ExchangeData& data) { data.HostLineColor = 4; },
            [] {
              PutTextType(0, 1, 0, 2, 2, 0);
              PutTextType(0, 2, 0, 2, 2, 0);
              PutTextType(0, 10, 1, 2, 2, 0);
              PutTextType(0, 0, 1, 2, 2, 0);
            },
            {"cn0 2 2 0 1", "cn0 2 2 0 2", "cn0 2 2 0 101", "cn0 2 2 0 4"}},
        WriterCase{"NumberedTypeIgnoresTheSizes",
                   NoSetup,
                   [] {
                     PutTextType(1, 1, 0, 2, 2, 0);
                     PutTextType(1, 5, 0, 7, 8, 9);
                     PutTextType(10, 5, 0, 7, 8, 9);
                   },
                   {"cn1", "cn10"}},
        WriterCase{"FreeSizeNumbersInOutputFormat",
                   NoSetup,
                   [] { PutTextType(0, 1, 0, 0.1, 1e-5, 1234.5); },
                   {"cn0 0.1 1E-5 1234.5 1"}},
        WriterCase{"NonFiniteFreeSizeWritesNothing",
                   NoSetup,
                   [] {
                     PutTextType(0, 1, 0, std::nan(""), 2, 0);
                     PutTextType(0, 1, 0, 2, HUGE_VAL, 0);
                     PutTextType(0, 1, 0, 2, 2, -HUGE_VAL);
                     PutTextType(0, 1, 0, 2, 2, 0);
                   },
                   {"cn0 2 2 0 1"}},
        WriterCase{"FontNameFallsBackToTheHostFont",
                   [](ExchangeData& data) {
                     data.HostFontName = "<\x82\x6c\x82\x72 \x96\xbe\x92\xa9>";
                   },
                   [] {
                     PutFontName("");
                     PutFontName("<>");
                     PutFontName("<\x82\x6c\x82\x72 \x96\xbe\x92\xa9>");
                     PutFontName(kDefaultFontName);
                   },
                   {"cn\"$<\x82\x6c\x82\x72 \x96\xbe\x92\xa9>",
                    std::string("cn\"$") + kDefaultFontName}},
        WriterCase{"EmptyHostFontGivesThePrefixAlone",
                   NoSetup,
                   [] {
                     PutFontName("<>");
                     PutFontName("");
                     PutFontName("<a>");
                     PutFontName("<A>");
                   },
                   {"cn\"$", "cn\"$<a>", "cn\"$<A>"}},
        WriterCase{"DefaultFontIsWrittenOnceAfterReset",
                   NoSetup,
                   [] {
                     PutFontName(kDefaultFontName);
                     PutFontName(kDefaultFontName);
                   },
                   {std::string("cn\"$") + kDefaultFontName}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WriterTest, LineWidthWithoutInputLineKeepsCacheAndFlag) {
  Exchange().CurLineWidth = 3;
  PutLineWidth(5);
  EXPECT_EQ(Exchange().CurLineWidth, 3);
  EXPECT_TRUE(Exchange().Force[kForceLineWidth]);
}

TEST_F(WriterTest, WritingStoresTheValueAndClearsOnlyItsFlag) {
  PutLineColor(10, 1);
  EXPECT_EQ(Exchange().CurLineColor, 101);
  EXPECT_FALSE(Exchange().Force[kForceLineColor]);
  EXPECT_TRUE(Exchange().Force[kForceLineType]);
  PutTextType(0, 3, 0, 1.5, 2.5, 0.5);
  EXPECT_EQ(Exchange().CurTextType, 0);
  EXPECT_EQ(Exchange().CurFreeW, 1.5);
  EXPECT_EQ(Exchange().CurFreeH, 2.5);
  EXPECT_EQ(Exchange().CurFreeD, 0.5);
  EXPECT_EQ(Exchange().CurFreeColor, 3);
  PutTextType(2, 9, 0, 7, 7, 7);
  EXPECT_EQ(Exchange().CurTextType, 2);
  EXPECT_EQ(Exchange().CurFreeW, 1.5);
  EXPECT_EQ(Exchange().CurFreeColor, 3);
}

TEST_F(WriterTest, ResetWriterStateRestoresDefaultsAndSetsEveryFlag) {
  InitExchangeData();  // the cache at its defaults
  const ExchangeData& data = Exchange();
  const auto defaults = std::make_tuple(
      data.CurGroup, data.CurLayer, data.CurLineColor, data.CurLineType,
      data.CurLineWidth, data.CurTextType, data.CurFreeW, data.CurFreeH,
      data.CurFreeD, data.CurFreeColor, data.CurTextCode, data.CurFontName,
      data.CurPointColor, data.CurExtColor);
  EXPECT_EQ(data.CurFontName, kDefaultFontName);
  // Every writer once with a value off its default, then a reset.
  Exchange().LineWidthGiven = true;
  PutLayerGroup(5);
  PutLayer(6);
  PutLineColor(7, 0);
  PutLineType(8, 0);
  PutLineWidth(9);
  PutTextType(0, 4, 0, 9.5, 8.5, 7.5);
  PutTextCode(3);
  PutFontName("<x>");
  PutPointColor(5, 0);
  Exchange().CurExtColor = 12;
  ResetWriterState();
  EXPECT_EQ(
      std::make_tuple(data.CurGroup, data.CurLayer, data.CurLineColor,
                      data.CurLineType, data.CurLineWidth, data.CurTextType,
                      data.CurFreeW, data.CurFreeH, data.CurFreeD,
                      data.CurFreeColor, data.CurTextCode, data.CurFontName,
                      data.CurPointColor, data.CurExtColor),
      defaults);
  for (int flag = 0; flag < kForceFlagCount; ++flag) {
    EXPECT_TRUE(data.Force[flag]) << "flag " << flag;
  }
}

struct MapCase {
  int32_t in;
  int32_t colour;
  int32_t line_type;
};

class MapTest : public WriterTest,
                public ::testing::WithParamInterface<MapCase> {};

TEST_P(MapTest, MapsAsTheTablesSay) {
  Exchange().HostLineColor = 6;
  Exchange().HostLineType = 2;
  EXPECT_EQ(MapColorNo(GetParam().in), GetParam().colour);
  EXPECT_EQ(MapLineTypeNo(GetParam().in), GetParam().line_type);
}

INSTANTIATE_TEST_SUITE_P(
    ColourAndLineType, MapTest,
    ::testing::Values(MapCase{-2147483647 - 1, 6, 2}, MapCase{-5, 6, 2},
                      MapCase{0, 6, 2}, MapCase{1, 1, 1}, MapCase{9, 9, 9},
                      MapCase{10, 101, 11}, MapCase{11, 102, 12},
                      MapCase{18, 109, 19}, MapCase{19, 110, 31},
                      MapCase{kMaxInt - 91, kMaxInt, kMaxInt - 79},
                      MapCase{kMaxInt, kMaxInt, kMaxInt}));

TEST_F(WriterTest, HostColourIsNotMappedAgain) {
  Exchange().HostLineColor = 12;
  EXPECT_EQ(MapColorNo(0), 12);
}

}  // namespace
}  // namespace halvane
