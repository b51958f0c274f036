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
void ClearFlags(ExchangeData&, ExchangeOutput& out) { out.Force.fill(false); }
void NoSetup(ExchangeData&, ExchangeOutput&) {}

struct WriterCase {
  const char* name;
  // The host's first-line values and the writers' cache and flags.
  std::function<void(ExchangeData&, ExchangeOutput&)> setup;
  std::function<void(ExchangeOutput&)> calls;
  Lines lines;
};

class AttributeWriterCases : public WriterTest,
                             public ::testing::WithParamInterface<WriterCase> {
};

TEST_P(AttributeWriterCases, WritesTheExpectedLines) {
  GetParam().setup(input_, out_);
  GetParam().calls(out_);
  EXPECT_EQ(OutputLines(), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    IntegerWriters, AttributeWriterCases,
    ::testing::Values(
        WriterCase{"FirstCallWritesAnUnchangedValue",
                   NoSetup,
                   [](ExchangeOutput& out) {
                     PutLineColor(out, 1, 0);
                     PutLineColor(out, 1, 0);
                   },
                   {"lc1"}},
        WriterCase{"UnchangedGroupAndLayerWriteNothing",
                   [](ExchangeData& data, ExchangeOutput& out) {
                     ClearFlags(data, out);
                     out.Current.Group = 3;
                     out.Current.Layer = 2;
                   },
                   [](ExchangeOutput& out) {
                     PutLayerGroup(out, 3);
                     PutLayer(out, 2);
                   },
                   {}},
        WriterCase{"WrittenGroupForcesTheLayer",
                   [](ExchangeData& data, ExchangeOutput& out) {
                     ClearFlags(data, out);
                     out.Current.Layer = 2;
                   },
                   [](ExchangeOutput& out) {
                     PutLayerGroup(out, 3);
                     PutLayer(out, 2);
                     PutLayer(out, 2);
                   },
                   {"lg3", "ly2"}},
        WriterCase{"GroupAndLayerInCapitalHex",
                   ClearFlags,
                   [](ExchangeOutput& out) {
                     PutLayerGroup(out, 10);
                     PutLayerGroup(out, 15);
                     PutLayer(out, 11);
                     PutLayer(out, 0x1b);
                     PutLayerGroup(out, -1);
                     PutLayer(out, -256);
                   },
                   {"lgA", "lgF", "lyB", "ly1B", "lgFFFFFFFF", "lyFFFFFF00"}},
        WriterCase{"ChangesAreWrittenAgain",
                   ClearFlags,
                   [](ExchangeOutput& out) {
                     PutLineColor(out, 2, 0);
                     PutLineColor(out, 2, 0);
                     PutLineColor(out, 1, 0);
                     PutLineType(out, 3, 0);
                     PutPointColor(out, 7, 0);
                     PutPointColor(out, 7, 0);
                   },
                   {"lc2", "lc1", "lt3", "pn7"}},
        WriterCase{"NegativeNumbersInDecimal",
                   ClearFlags,
                   [](ExchangeOutput& out) {
                     PutLineColor(out, -5, 0);
                     PutLineType(out, -2147483647 - 1, 0);
                   },
                   {"lc-5", "lt-2147483648"}},
        WriterCase{"MapOnlyWhenExactlyOne",
                   [](ExchangeData& data, ExchangeOutput& out) {
                     ClearFlags(data, out);
                     data.HostLineColor = 6;
                     data.HostLineType = 2;
                   },
                   [](ExchangeOutput& out) {
                     PutLineColor(out, 0, 1);
                     PutLineColor(out, 10, 1);
                     PutLineColor(out, 10, 2);
                     PutLineType(out, 18, 1);
                     PutLineType(out, 19, 1);
                     PutLineType(out, 0, 1);
                     PutLineType(out, 12, -1);
                     PutPointColor(out, 0, 1);
                     PutPointColor(out, 0, 0);
                   },
                   {"lc6", "lc101", "lc10", "lt19", "lt31", "lt2", "lt12",
                    "pn6", "pn0"}},
        WriterCase{"TextCodeOutOfRangeIsZero",
                   NoSetup,
                   [](ExchangeOutput& out) {
                     PutTextCode(out, 9);
                     PutTextCode(out, -1);
                     PutTextCode(out, 0);
                     PutTextCode(out, 8);
                   },
                   {"cc0", "cc8"}},
        WriterCase{"LineWidthNeedsAnLwLineInTheInput",
                   NoSetup,
                   [](ExchangeOutput& out) {
                     PutLineWidth(out, 5);
                     PutLineWidth(out, -1);
                   },
                   {}},
        WriterCase{"LineWidthAdjustments",
                   [](ExchangeData& data, ExchangeOutput&) {
                     data.LineWidthGiven = true;
                     data.HostLineWidth = 7;
                   },
                   [](ExchangeOutput& out) {
                     PutLineWidth(out, -1);
                     PutLineWidth(out, 40000);
                     PutLineWidth(out, -2);
                     PutLineWidth(out, 30000);
                     PutLineWidth(out, 30001);
                   },
                   {"lw7", "lw0", "lw30000", "lw0"}},
        WriterCase{"CallThatDoesNotWriteKeepsTheFlags",
                   [](ExchangeData& data, ExchangeOutput& out) {
                     ClearFlags(data, out);
                     out.Force[kForceLayer] = true;
                   },
                   [](ExchangeOutput& out) {
                     PutLayerGroup(out, 0);
                     PutLayer(out, 0);
                   },
                   {"ly0"}},
        WriterCase{"ZFlags",
                   NoSetup,
                   [](ExchangeOutput& out) {
                     PutZFlags(out, 0);
                     PutZFlags(out, 31);
                     PutZFlags(out, 8);
                     PutZFlags(out, 24);
                     PutZFlags(out, 4);
                     PutZFlags(out, 4);
                     PutZFlags(out, 1);
                   },
                   {"z1", "z2", "z3", "z5", "z4", "z5", "z3", "z3", "z1"}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    TextTypeAndFont, AttributeWriterCases,
    ::testing::Values(
        WriterCase{
            "OutOfRangeTypeTakesHostFreeSize",
            [](ExchangeData& data, ExchangeOutput&) {
              data.HostTextType = 0;
              data.HostFreeW = 3.5;
              data.HostFreeH = 4;
              data.HostFreeD = 0.25;
              data.HostFreeColor = 5;
            },
            [](ExchangeOutput& out) { PutTextType(out, 11, 1, 0, 9, 9, 9); },
            {"cn0 3.5 4 0.25 5"}},
        WriterCase{
            "OutOfRangeTypeTakesHostType",
            [](ExchangeData& data, ExchangeOutput&) { data.HostTextType = 4; },
            [](ExchangeOutput& out) {
              PutTextType(out, -1, 1, 0, 9, 9, 9);
              PutTextType(out, 4, 3, 0, 1, 1, 1);
            },
            {"cn4"}},
        WriterCase{"FreeSizeSequence",
                   NoSetup,
                   [](ExchangeOutput& out) {
                     PutTextType(out, 0, 1, 0, 2.5, 2.5, 0);
                     PutTextType(out, 0, 1, 0, 2.5, 2.5, 0);
                     PutTextType(out, 0, 1, 0, 2.5, 2.5, 0.5);
                     PutTextType(out, 3, 1, 0, 2.5, 2.5, 0.5);
                     PutTextType(out, 0, 1, 0, 2.5, 2.5, 0.5);
                   },
                   {"cn0 2.5 2.5 0 1", "cn0 2.5 2.5 0.5 1", "cn3",
                    "cn0 2.5 2.5 0.5 1"}},
        WriterCase{
            "FreeColourChangeAndMap",
            [](ExchangeData& data, ExchangeOutput&) { data.HostLineColor = 4; },
            [](ExchangeOutput& out) {
              PutTextType(out, 0, 1, 0, 2, 2, 0);
              PutTextType(out, 0, 2, 0, 2, 2, 0);
              PutTextType(out, 0, 10, 1, 2, 2, 0);
              PutTextType(out, 0, 0, 1, 2, 2, 0);
            },
            {"cn0 2 2 0 1", "cn0 2 2 0 2", "cn0 2 2 0 101", "cn0 2 2 0 4"}},
        WriterCase{"NumberedTypeIgnoresTheSizes",
                   NoSetup,
                   [](ExchangeOutput& out) {
                     PutTextType(out, 1, 1, 0, 2, 2, 0);
                     PutTextType(out, 1, 5, 0, 7, 8, 9);
                     PutTextType(out, 10, 5, 0, 7, 8, 9);
                   },
                   {"cn1", "cn10"}},
        WriterCase{"FreeSizeNumbersInOutputFormat",
                   NoSetup,
                   [](ExchangeOutput& out) {
                     PutTextType(out, 0, 1, 0, 0.1, 1e-5, 1234.5);
                   },
                   {"cn0 0.1 1E-5 1234.5 1"}},
        WriterCase{"NonFiniteFreeSizeWritesNothing",
                   NoSetup,
                   [](ExchangeOutput& out) {
                     PutTextType(out, 0, 1, 0, std::nan(""), 2, 0);
                     PutTextType(out, 0, 1, 0, 2, HUGE_VAL, 0);
                     PutTextType(out, 0, 1, 0, 2, 2, -HUGE_VAL);
                     PutTextType(out, 0, 1, 0, 2, 2, 0);
                   },
                   {"cn0 2 2 0 1"}},
        WriterCase{"FontNameFallsBackToTheHostFont",
                   [](ExchangeData& data, ExchangeOutput&) {
                     data.HostFontName = "<\x82\x6c\x82\x72 \x96\xbe\x92\xa9>";
                   },
                   [](ExchangeOutput& out) {
                     PutFontName(out, "");
                     PutFontName(out, "<>");
                     PutFontName(out, "<\x82\x6c\x82\x72 \x96\xbe\x92\xa9>");
                     PutFontName(out, kDefaultFontName);
                   },
                   {"cn\"$<\x82\x6c\x82\x72 \x96\xbe\x92\xa9>",
                    std::string("cn\"$") + kDefaultFontName}},
        WriterCase{"EmptyHostFontGivesThePrefixAlone",
                   NoSetup,
                   [](ExchangeOutput& out) {
                     PutFontName(out, "<>");
                     PutFontName(out, "");
                     PutFontName(out, "<a>");
                     PutFontName(out, "<A>");
                   },
                   {"cn\"$", "cn\"$<a>", "cn\"$<A>"}},
        WriterCase{"DefaultFontIsWrittenOnceAfterReset",
                   NoSetup,
                   [](ExchangeOutput& out) {
                     PutFontName(out, kDefaultFontName);
                     PutFontName(out, kDefaultFontName);
                   },
                   {std::string("cn\"$") + kDefaultFontName}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WriterTest, LineWidthWithoutInputLineKeepsCacheAndFlag) {
  out_.Current.LineWidth = 3;
  PutLineWidth(out_, 5);
  EXPECT_EQ(out_.Current.LineWidth, 3);
  EXPECT_TRUE(out_.Force[kForceLineWidth]);
}

TEST_F(WriterTest, WritingStoresTheValueAndClearsOnlyItsFlag) {
  const CurrentAttributes& cur = out_.Current;
  PutLineColor(out_, 10, 1);
  EXPECT_EQ(cur.LineColor, 101);
  EXPECT_FALSE(out_.Force[kForceLineColor]);
  EXPECT_TRUE(out_.Force[kForceLineType]);
  PutTextType(out_, 0, 3, 0, 1.5, 2.5, 0.5);
  EXPECT_EQ(cur.TextType, 0);
  EXPECT_EQ(cur.FreeW, 1.5);
  EXPECT_EQ(cur.FreeH, 2.5);
  EXPECT_EQ(cur.FreeD, 0.5);
  EXPECT_EQ(cur.FreeColor, 3);
  PutTextType(out_, 2, 9, 0, 7, 7, 7);
  EXPECT_EQ(cur.TextType, 2);
  EXPECT_EQ(cur.FreeW, 1.5);
  EXPECT_EQ(cur.FreeColor, 3);
}

auto AttributeTuple(const CurrentAttributes& c) {
  return std::make_tuple(c.Group, c.Layer, c.LineColor, c.LineType, c.LineWidth,
                         c.TextType, c.FreeW, c.FreeH, c.FreeD, c.FreeColor,
                         c.TextCode, c.FontName, c.PointColor, c.ExtColor);
}

TEST_F(WriterTest, ResetRestoresTheNewOutputsDefaultsAndSetsEveryFlag) {
  const ExchangeOutput fresh(input_);
  EXPECT_EQ(fresh.Current.FontName, kDefaultFontName);
  EXPECT_EQ(fresh.Lines.Count(), 0u);
  // The host's first-line values start where the writers' cache does.
  const LineAttributes& cache = fresh.Current;
  EXPECT_EQ(
      std::make_tuple(cache.Group, cache.Layer, cache.LineColor, cache.LineType,
                      cache.LineWidth, cache.TextType, cache.FreeW, cache.FreeH,
                      cache.FreeD, cache.FreeColor),
      std::make_tuple(input_.HostGroup, input_.HostLayer, input_.HostLineColor,
                      input_.HostLineType, input_.HostLineWidth,
                      input_.HostTextType, input_.HostFreeW, input_.HostFreeH,
                      input_.HostFreeD, input_.HostFreeColor));
  // Every writer once with a value off its default, then a reset.
  input_.LineWidthGiven = true;
  PutLayerGroup(out_, 5);
  PutLayer(out_, 6);
  PutLineColor(out_, 7, 0);
  PutLineType(out_, 8, 0);
  PutLineWidth(out_, 9);
  PutTextType(out_, 0, 4, 0, 9.5, 8.5, 7.5);
  PutTextCode(out_, 3);
  PutFontName(out_, "<x>");
  PutPointColor(out_, 5, 0);
  out_.Current.ExtColor = 12;
  ASSERT_EQ(out_.Lines.Capacity(), 1000u);
  out_.Reset();
  EXPECT_EQ(AttributeTuple(out_.Current), AttributeTuple(fresh.Current));
  for (int flag = 0; flag < kForceFlagCount; ++flag) {
    EXPECT_TRUE(out_.Force[flag]) << "flag " << flag;
    EXPECT_TRUE(fresh.Force[flag]) << "flag " << flag;
  }
  EXPECT_EQ(out_.Lines.Count(), 0u);
  EXPECT_EQ(out_.Lines.Capacity(), 0u);
}

struct MapCase {
  int32_t in;
  int32_t colour;
  int32_t line_type;
};

class MapTest : public WriterTest,
                public ::testing::WithParamInterface<MapCase> {};

TEST_P(MapTest, MapsAsTheTablesSay) {
  input_.HostLineColor = 6;
  input_.HostLineType = 2;
  EXPECT_EQ(MapColorNo(input_, GetParam().in), GetParam().colour);
  EXPECT_EQ(MapLineTypeNo(input_, GetParam().in), GetParam().line_type);
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
  input_.HostLineColor = 12;
  EXPECT_EQ(MapColorNo(input_, 0), 12);
}

}  // namespace
}  // namespace halvane
