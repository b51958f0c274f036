#include "tools/host_standin/svg_picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "exchange/exchange_reader.h"
#include "tools/host_standin/point_shapes.h"

namespace halvane {
namespace {

void Load(ExchangeData& d, std::initializer_list<const char*> lines) {
  ExchangeReader reader(d);
  for (const char* l : lines) reader.ParseLine(l);
}

int Count(const std::string& s, const std::string& part) {
  int n = 0;
  for (std::size_t at = s.find(part); at != std::string::npos;
       at = s.find(part, at + 1))
    ++n;
  return n;
}

// A glyph reaches as far as the program reckons when it decides on reversed
// markers: inward (-x) for the pointed ones, around the point for the rest.
struct Reach {
  int code;
  double depth;
  bool centred;
};

class GlyphReach : public testing::TestWithParam<Reach> {};

TEST_P(GlyphReach, MatchesTheMarkerDepth) {
  double inward = 0, outward = 0, radius = 0;
  for (const GlyphOutline& s : GlyphShape(GetParam().code)) {
    for (Point p : s.Points) {
      inward = std::max(inward, -p.x);
      outward = std::max(outward, p.x);
      radius = std::max(radius, std::hypot(p.x, p.y));
    }
  }
  if (GetParam().centred) {
    EXPECT_NEAR(radius, GetParam().depth, 1e-9);
  } else {
    EXPECT_NEAR(inward, GetParam().depth, 1e-9);
    EXPECT_NEAR(outward, 0, 1e-9);  // the tip sits on the point
  }
}

const double kSlant = 1.25 * std::sqrt(2.0);
INSTANTIATE_TEST_SUITE_P(
    Codes, GlyphReach,
    testing::Values(Reach{1, 7.5, false}, Reach{2, kSlant, true},
                    Reach{4, 1.25, true}, Reach{5, kSlant, true},
                    Reach{6, 7.5, false}, Reach{7, 1.25, true},
                    Reach{8, kSlant, true}, Reach{9, 7.5, false},
                    Reach{10, kSlant, true}, Reach{11, 7.5, false}));

TEST(Glyphs, FilledOnlyWhereTheListShowsAFilledGlyph) {
  for (int code = -7; code <= 12; ++code) {
    bool filled = false;
    for (const GlyphOutline& s : GlyphShape(code)) filled |= s.Filled;
    EXPECT_EQ(filled, code == 5 || code == 6 || code == 7) << code;
    EXPECT_FALSE(GlyphShape(code).empty()) << code;
  }
  // Ｏ and ○ must look different.
  EXPECT_NE(GlyphShape(3)[0].Points[0].x, GlyphShape(4)[0].Points[0].x);
}

TEST(SvgPicture, MatchesTheGoldenPicture) {
  ExchangeData d;
  Load(d, {"hs 10",
           "hk 0",
           "hcw 2 3 3 3 3 3 3 3 3 3",
           "hch 2 3 3 3 3 3 3 3 3 3",
           "hcd 0.5 0 0 0 0 0 0 0 0 0",
           "hcc 3 2 2 2 2 2 2 2 2 2",
           "hs 10 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1",
           "lg0",
           "lc2",
           "z3",
           "0 0 1000 0",
           "lt2",
           "0 0 0 300",
           "lt1",
           "cn1",
           "cs 300 20 10 0 \"A<\x8e\x6e \x93\x5f&",
           "pn5",
           "z3",
           "pt 0 0 1 180 1",
           "pt 1000 0 2 0 6",
           "pt 500 -100 1 45 10",
           "pt 600 -100 1 0 8",
           "pt 700 -100",
           "lc8",
           "ci 500 150 50",
           "msg",
           "0 -300 1000 -300",
           "cn0 5 5 0 9",
           "cs 450 -290 0 10 \"1000",
           "ci 0 0 5 0 90 1 0"});
  PictureNotes notes{"golden", "JWC_TEMP.TXT:", {{1, 0, 0, "始点"}}};
  PictureCounts counts;
  std::string svg = RenderSvg(&d, notes, &counts);
  EXPECT_EQ(counts.Drawn, 10);
  EXPECT_EQ(counts.Skipped, 1);
  // Text characters one by one, escaped; the half-width space is left out.
  EXPECT_EQ(Count(svg, "<text transform="), 5 + 4);
  EXPECT_NE(svg.find(">&lt;</text>"), std::string::npos);
  EXPECT_NE(svg.find(">&amp;</text>"), std::string::npos);
  EXPECT_NE(svg.find(">始</text>"), std::string::npos);
  EXPECT_NE(svg.find("(1 not drawn)"), std::string::npos);

  const std::string golden = HALVANE_SOURCE_DIR "/tests/host/golden/sample.svg";
  if (std::getenv("HALVANE_UPDATE_GOLDEN")) {
    std::ofstream(golden, std::ios::binary) << svg;
  }
  std::ifstream in(golden, std::ios::binary);
  std::ostringstream expected;
  expected << in.rdbuf();
  EXPECT_EQ(svg, expected.str());
}

TEST(SvgPicture, TextAdvancesByTheTextTypeSize) {
  // Text type 1 of 4 mm width and 1 mm spacing at scale 10: a full-width
  // character moves on 50 units, a half-width one 25.
  ExchangeData d;
  Load(d,
       {"hcw 4 3 3 3 3 3 3 3 3 3", "hch 4 3 3 3 3 3 3 3 3 3",
        "hcd 1 0 0 0 0 0 0 0 0 0", "hs 10 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1", "cn1",
        "ch 0 0 10 0 \"\x82\x60"
        "ab",
        "0 0 1000 0"});
  std::string svg = RenderSvg(&d, {});
  // 1000 units span 1100 pixels.
  EXPECT_NE(svg.find("translate(0 0) scale(1 1)\">Ａ"), std::string::npos);
  EXPECT_NE(svg.find("translate(55 0) scale(1 1)\">a"), std::string::npos);
  EXPECT_NE(svg.find("translate(82.5 0) scale(1 1)\">b"), std::string::npos);
  EXPECT_NE(svg.find("font-size=\"44\""), std::string::npos);
}

// A tall drawing stands in the middle of a picture wide enough for the
// caption under it.
TEST(SvgPicture, TallDrawingsAreCentredInARoomyPicture) {
  ExchangeData d;
  Load(d, {"0 0 0 1000"});
  std::string svg = RenderSvg(&d, {});
  // 250 wide at the least (a quarter of the height), 800 pixels high.
  EXPECT_NE(svg.find("width=\"900\" height=\"988\""), std::string::npos);
  EXPECT_NE(svg.find("points=\"450,870 450,70\""), std::string::npos) << svg;
}

TEST(SvgPicture, NotExecutedShowsOnlyThePickedPoints) {
  PictureNotes notes{"t", "未実行", {{1, 0, 0, "a"}, {2, 100, 0, "b"}}};
  std::string svg = RenderSvg(nullptr, notes);
  EXPECT_EQ(Count(svg, "<polyline"), 0);
  EXPECT_EQ(Count(svg, "<circle"), 2);
  EXPECT_NE(svg.find(">未実行</text>"), std::string::npos);
  EXPECT_NE(svg.find(">2 b</text>"), std::string::npos);
}

TEST(SvgPicture, NonFiniteCoordinatesAreLeftOut) {
  ExchangeData d;
  TJwwEntLine& bad = d.Lines.Append();
  bad = {{0, 0, 0, 2, 1, 0, 0}, 0, 0, 0, INFINITY, NAN};
  d.EntityOrder.Append({kKindLine, 0});
  Load(d, {"0 0 10 10"});
  std::string svg = RenderSvg(&d, {});
  EXPECT_EQ(svg.find("nan"), std::string::npos);
  EXPECT_EQ(svg.find("inf"), std::string::npos);
  EXPECT_EQ(Count(svg, "<polyline"), 1);
}

}  // namespace
}  // namespace halvane
