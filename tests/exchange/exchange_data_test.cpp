#include "exchange/exchange_data.h"

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

#include "exchange/exchange_reader.h"
#include "exchange/reader/entity_append.h"

namespace halvane {
namespace {

class ExchangeDataTest : public ::testing::Test {
 protected:
  void Parse(std::string_view line) { reader_.ParseLine(line); }

  ExchangeData data_;
  ExchangeReader reader_{data_};
  ReaderState state_{data_};  // for appending by hand
};

void ExpectInitialValues(const ExchangeData& d) {
  EXPECT_EQ(d.DrawingAngle, 0);
  EXPECT_EQ(d.HostFileName, "");
  for (double s : d.GroupScale) EXPECT_EQ(s, 1.0);
  EXPECT_EQ(d.PaperWidth, 1189.0);
  EXPECT_EQ(d.PaperHeight, 841.0);
  for (const TJwwTextType& t : d.TextTypes) {
    EXPECT_EQ(t.W, 3.0);
    EXPECT_EQ(t.H, 3.0);
    EXPECT_EQ(t.D, 0.0);
    EXPECT_EQ(t.Color, 2);
  }
  for (double v : d.HnValues) EXPECT_EQ(v, 0);
  for (int32_t v : d.GroupValue) EXPECT_EQ(v, 0);
  for (int32_t v : d.LayerValue) EXPECT_EQ(v, 0);
  for (const std::string& s : d.GroupName) EXPECT_EQ(s, "");
  for (const std::string& s : d.LayerName) EXPECT_EQ(s, "");

  EXPECT_EQ(d.HostGroup, 0);
  EXPECT_EQ(d.HostLayer, 0);
  EXPECT_EQ(d.HostLineColor, 1);
  EXPECT_EQ(d.HostLineType, 1);
  EXPECT_EQ(d.HostLineWidth, 0);
  EXPECT_EQ(d.HostTextType, 1);
  EXPECT_EQ(d.HostFreeW, 2.0);
  EXPECT_EQ(d.HostFreeH, 2.0);
  EXPECT_EQ(d.HostFreeD, 0.0);
  EXPECT_EQ(d.HostFreeColor, 1);
  EXPECT_EQ(d.HostFontName, "");
  EXPECT_FALSE(d.LineWidthGiven);

  for (const TJwwPickPoint& p : d.PickedPoints) {
    EXPECT_FALSE(p.Used);
    EXPECT_EQ(p.X, 0);
    EXPECT_EQ(p.Y, 0);
    EXPECT_EQ(p.Kind, 0);
  }
  EXPECT_EQ(d.PickedCount, 0);

  EXPECT_EQ(d.Lines.Count() + d.Circles.Count() + d.Arcs.Count() +
                d.Texts.Count() + d.Points.Count() + d.PointsEx.Count() +
                d.Dims.Count() + d.Blocks.Count() + d.Solids2.Count() +
                d.Solids3.Count() + d.Solids4.Count() + d.SolidsSc.Count() +
                d.SolidsSe.Count() + d.SolidsSo.Count() + d.SolidsSg.Count(),
            0u);
  EXPECT_EQ(d.EntityOrder.Count(), 0u);
  EXPECT_EQ(d.Lines.Capacity(), 0u);
  EXPECT_EQ(d.EntityOrder.Capacity(), 0u);
}

void ExpectInitialState(const ReaderState& r) {
  const CurrentAttributes& c = r.Cur;
  EXPECT_EQ(c.Group, 0);
  EXPECT_EQ(c.Layer, 0);
  EXPECT_EQ(c.LineColor, 1);
  EXPECT_EQ(c.LineType, 1);
  EXPECT_EQ(c.LineWidth, 0);
  EXPECT_EQ(c.TextType, 1);
  EXPECT_EQ(c.FreeW, 2.0);
  EXPECT_EQ(c.FreeH, 2.0);
  EXPECT_EQ(c.FreeD, 0.0);
  EXPECT_EQ(c.FreeColor, 1);
  EXPECT_EQ(c.TextCode, 0);
  EXPECT_EQ(c.FontName,
            "<\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e>");
  EXPECT_EQ(c.PointColor, 1);
  EXPECT_EQ(c.ExtColor, 0);
  for (bool seen : r.FirstSeen) EXPECT_FALSE(seen);

  EXPECT_EQ(r.CurPickRef, 0);
  EXPECT_EQ(r.CurZFlags, 0);
  EXPECT_EQ(r.PolylineNo, 0);
  EXPECT_FALSE(r.InPolyline);
  EXPECT_FALSE(r.InDimension);
  const TJwwEntLine& held = r.HeldDimLine;
  EXPECT_EQ(held.Head.PickRef, 0);
  EXPECT_EQ(held.Head.Group, 0);
  EXPECT_EQ(held.Head.Layer, 0);
  EXPECT_EQ(held.Head.Color, 1);
  EXPECT_EQ(held.Head.LineType, 1);
  EXPECT_EQ(held.Head.LineWidth, 0);
  EXPECT_EQ(held.Head.ZFlags, 0);
  EXPECT_EQ(held.PolylineNo, 0);
  EXPECT_EQ(held.X1, 0);
  EXPECT_EQ(held.Y1, 0);
  EXPECT_EQ(held.X2, 1.0);
  EXPECT_EQ(held.Y2, 0);
}

TEST_F(ExchangeDataTest, StartsAtTheInitialValues) {
  ExpectInitialValues(data_);
  ExpectInitialState(reader_.State());
}

TEST_F(ExchangeDataTest, ResetAfterAReadStartsAfreshAndReleasesStorage) {
  for (const char* line : {"hk 30",
                           "hs 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2",
                           "file=C:\\a.jww",
                           "lg3 7",
                           "ly4 2",
                           "lgnName",
                           "lynLayer",
                           "lc5",
                           "lt2",
                           "lw3",
                           "cn\"$Font",
                           "cn0 1 1 1 1",
                           "cc4",
                           "pn6",
                           "pl",
                           "hp1 5 5",
                           "hhp2",
                           "z1",
                           "msg",
                           "1 2 3 4"}) {
    Parse(line);
  }
  for (int i = 0; i < 1500; ++i) Parse("1 2 3 4");
  Parse("#");
  Parse("ch 1 2 3 4 \"text");
  data_.Reset();
  ExpectInitialValues(data_);
}

TEST_F(ExchangeDataTest, ResetReleasesEveryTable) {
  for (int i = 0; i < 10; ++i) {
    Parse("1 2 3 4");
    Parse("ci 1 2 3");
  }
  ASSERT_EQ(data_.Lines.Capacity(), 1000u);
  data_.Reset();
  EXPECT_EQ(data_.Lines.Capacity(), 0u);
  EXPECT_EQ(data_.Circles.Capacity(), 0u);
  EXPECT_EQ(data_.EntityOrder.Capacity(), 0u);
}

TEST_F(ExchangeDataTest, TablesGrowInBlocksOfAThousandAndNeverMove) {
  ExchangeData& d = data_;
  const TJwwEntLine* first = nullptr;
  for (int i = 1; i <= 2001; ++i) {
    TJwwEntLine& line = AppendEntity(state_, d.Lines, kKindLine);
    line.X1 = i;
    if (i == 1) first = &line;
    if (i == 1 || i == 1000) {
      EXPECT_EQ(d.Lines.Capacity(), 1000u) << i;
    } else if (i == 1001) {
      EXPECT_EQ(d.Lines.Capacity(), 2000u);
    } else if (i == 2001) {
      EXPECT_EQ(d.Lines.Capacity(), 3000u);
    }
  }
  EXPECT_EQ(&d.Lines[0], first);
  EXPECT_EQ(d.Lines[0].X1, 1);
  EXPECT_EQ(d.Lines[1999].X1, 2000);
  EXPECT_EQ(d.EntityOrder.Count(), 2001u);
  EXPECT_EQ(d.EntityOrder.Capacity(), 3000u);
}

TEST(BlockTableTest, ClearAndTheDestructorEndEveryElement) {
  const auto shared = std::make_shared<int>(0);
  {
    BlockTable<std::shared_ptr<int>> table;
    for (int i = 0; i < 1500; ++i) table.Append(shared);
    ASSERT_EQ(shared.use_count(), 1501);
    table.Clear();
    EXPECT_EQ(shared.use_count(), 1);
    table.Append(shared);
  }
  EXPECT_EQ(shared.use_count(), 1);
}

TEST_F(ExchangeDataTest, NewRecordsStartZeroFilledWithTheCurrentHead) {
  ReaderState& r = state_;
  r.CurPickRef = 7;
  r.Cur.Group = 2;
  r.Cur.Layer = 3;
  r.Cur.LineColor = 4;
  r.Cur.LineType = 5;
  r.Cur.LineWidth = 6;
  r.CurZFlags = 8;
  TJwwEntText& text = AppendEntity(r, data_.Texts, kKindText);
  EXPECT_EQ(text.Head.PickRef, 7);
  EXPECT_EQ(text.Head.Group, 2);
  EXPECT_EQ(text.Head.Layer, 3);
  EXPECT_EQ(text.Head.Color, 4);
  EXPECT_EQ(text.Head.LineType, 5);
  EXPECT_EQ(text.Head.LineWidth, 6);
  EXPECT_EQ(text.Head.ZFlags, 8);
  EXPECT_EQ(text.Style, 0);
  EXPECT_EQ(text.X, 0);
  EXPECT_EQ(text.DY, 0);
  EXPECT_EQ(text.Text, "");
}

TEST_F(ExchangeDataTest, OrderIndicesCountPerKind) {
  ExchangeData& d = data_;
  const int32_t kinds[] = {kKindLine, kKindCircle, kKindLine, kKindCircle,
                           kKindLine};
  for (int32_t kind : kinds) {
    if (kind == kKindLine) AppendEntity(state_, d.Lines, kind);
    if (kind == kKindCircle) AppendEntity(state_, d.Circles, kind);
  }
  const int32_t expected[][2] = {{1, 0}, {2, 0}, {1, 1}, {2, 1}, {1, 2}};
  ASSERT_EQ(d.EntityOrder.Count(), 5u);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(d.EntityOrder[i].Kind, expected[i][0]);
    EXPECT_EQ(d.EntityOrder[i].Index, expected[i][1]);
  }
}

TEST_F(ExchangeDataTest, AppendEntityOrderAppendsOneItem) {
  AppendEntityOrder(data_, kKindSolidSg, 41);
  ASSERT_EQ(data_.EntityOrder.Count(), 1u);
  EXPECT_EQ(data_.EntityOrder[0].Kind, kKindSolidSg);
  EXPECT_EQ(data_.EntityOrder[0].Index, 41);
}

}  // namespace
}  // namespace halvane
