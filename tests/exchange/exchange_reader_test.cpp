#include "exchange/exchange_reader.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "reader_test_support.h"

namespace halvane {
namespace {

TEST_P(LineFormTest, StoresWhatTheLinesSay) {
  for (const std::string& line : GetParam().lines) reader_.ParseLine(line);
  GetParam().check(reader_.State());
}

// The key followed by `count` numbers counting up from `from`.
std::string Numbers(const char* key, int from, int count) {
  std::string s = key;
  for (int i = 0; i < count; ++i) {
    s += ' ';
    s += std::to_string(from + i);
  }
  return s;
}

const LineCase kHeaderCases[] = {
    {"hk_angle",
     {"hk 30.5"},
     [](auto& r) { EXPECT_EQ(r.Data.DrawingAngle, 30.5); }},
    {"hk_three_numbers_takes_first",
     {"hk 12 13 14"},
     [](auto& r) {
       EXPECT_EQ(r.Data.DrawingAngle, 12);
       EXPECT_EQ(EntityCount(r.Data), 0u);
     }},
    {"hk_without_number_ignored",
     {"hk 30", "hk"},
     [](auto& r) { EXPECT_EQ(r.Data.DrawingAngle, 30); }},
    {"hs_fifteen_numbers_stores_nothing",
     {Numbers("hs", 2, 15)},
     [](auto& r) {
       for (double s : r.Data.GroupScale) EXPECT_EQ(s, 1.0);
     }},
    {"hs_seventeen_numbers_stores_sixteen",
     {Numbers("hs", 2, 17)},
     [](auto& r) {
       for (int i = 0; i < 16; ++i) EXPECT_EQ(r.Data.GroupScale[i], 2 + i);
     }},
    {"hs_forty_numbers_stores_sixteen",
     {Numbers("hs", 5, 40)},
     [](auto& r) {
       EXPECT_EQ(r.Data.GroupScale[0], 5);
       EXPECT_EQ(r.Data.GroupScale[15], 20);
     }},
    {"hs_three_numbers_is_a_segment",
     {"hs 5 6 7"},
     [](auto& r) {
       for (double s : r.Data.GroupScale) EXPECT_EQ(s, 1.0);
       ASSERT_EQ(r.Data.Lines.Count(), 1u);
       EXPECT_EQ(r.Data.Lines[0].X1, 0);
       EXPECT_EQ(r.Data.Lines[0].Y1, 5);
       EXPECT_EQ(r.Data.Lines[0].X2, 6);
       EXPECT_EQ(r.Data.Lines[0].Y2, 7);
     }},
    {"hzs_paper",
     {"hzs 420 297"},
     [](auto& r) {
       EXPECT_EQ(r.Data.PaperWidth, 420);
       EXPECT_EQ(r.Data.PaperHeight, 297);
     }},
    {"text_types",
     {Numbers("hcw", 1, 10), Numbers("hch", 11, 10), Numbers("hcd", 21, 10),
      Numbers("hcc", 31, 10)},
     [](auto& r) {
       for (int i = 0; i < 10; ++i) {
         EXPECT_EQ(r.Data.TextTypes[i].W, 1 + i);
         EXPECT_EQ(r.Data.TextTypes[i].H, 11 + i);
         EXPECT_EQ(r.Data.TextTypes[i].D, 21 + i);
         EXPECT_EQ(r.Data.TextTypes[i].Color, 31 + i);
       }
     }},
    {"text_types_nine_numbers_ignored",
     {Numbers("hcw", 1, 9), Numbers("hch", 11, 9), Numbers("hcd", 21, 9),
      Numbers("hcc", 31, 9)},
     [](auto& r) {
       EXPECT_EQ(r.Data.TextTypes[0].W, 3.0);
       EXPECT_EQ(r.Data.TextTypes[0].H, 3.0);
       EXPECT_EQ(r.Data.TextTypes[0].D, 0.0);
       EXPECT_EQ(r.Data.TextTypes[0].Color, 2);
     }},
    {"hcc_colour_not_an_integer_reads_0",
     {"hcc 1.5 2 3 4 5 6 7 8 9 10"},
     [](auto& r) {
       EXPECT_EQ(r.Data.TextTypes[0].Color, 0);
       EXPECT_EQ(r.Data.TextTypes[1].Color, 2);
     }},
    {"hn_values",
     {"hn 1 2 3 4"},
     [](auto& r) {
       EXPECT_EQ(r.Data.HnValues[0], 1);
       EXPECT_EQ(r.Data.HnValues[3], 4);
     }},
    {"file_name_with_spaces",
     {"file=C:\\jww\\my drawing \"1\".jww"},
     [](auto& r) {
       EXPECT_EQ(r.Data.HostFileName, "C:\\jww\\my drawing \"1\".jww");
     }},
    {"file_key_anywhere_in_the_first_field",
     {"xfile=abc"},
     [](auto& r) { EXPECT_EQ(r.Data.HostFileName, "=abc"); }},
    {"keys_are_case_sensitive",
     {"HK 5", "Ci 1 2 3"},
     [](auto& r) {
       EXPECT_EQ(r.Data.DrawingAngle, 0);
       EXPECT_EQ(r.Data.Circles.Count(), 0u);
       ASSERT_EQ(r.Data.Lines.Count(), 1u);
       EXPECT_EQ(r.Data.Lines[0].X1, 0);
     }},
    {"unknown_key_ignored",
     {"abc 1 2", "abc 1 2 3 4", "", "   "},
     [](auto& r) { EXPECT_EQ(EntityCount(r.Data), 0u); }},
    // As Jw_cad writes them: %g exponents, columns padded to 7, hn lines.
    {"jw_cad_header_forms",
     {"hs 500 1e+06 1e+06 1e+06 1e+06 1e+06 1e+06 1e+06 1e+06 1e+06 1e+06 "
      "1e+06 1e+06 1e+06 1e+06 2.5e-05",
      "hcw      2      2    2.5      3      4      5      6      7      8     "
      "10",
      "hcc      1      1      2      2      2      2      2      2      2     "
      "12",
      "hn -190002.62 18978.53 0 0", "#"},
     [](auto& r) {
       EXPECT_EQ(r.Data.GroupScale[0], 500);
       EXPECT_EQ(r.Data.GroupScale[1], 1e6);
       EXPECT_EQ(r.Data.GroupScale[15], 2.5e-5);
       EXPECT_EQ(r.Data.TextTypes[2].W, 2.5);
       EXPECT_EQ(r.Data.TextTypes[9].W, 10);
       EXPECT_EQ(r.Data.TextTypes[0].Color, 1);
       EXPECT_EQ(r.Data.TextTypes[9].Color, 12);
       EXPECT_EQ(r.Data.HnValues[0], -190002.62);
       EXPECT_EQ(r.Data.HnValues[1], 18978.53);
       EXPECT_EQ(EntityCount(r.Data), 0u);
     }},
};
INSTANTIATE_TEST_SUITE_P(Header, LineFormTest,
                         ::testing::ValuesIn(kHeaderCases), CaseName);

const LineCase kAttributeCases[] = {
    {"group_hex_digit",
     {"lgF"},
     [](auto& r) {
       EXPECT_EQ(r.Data.HostGroup, 15);
       EXPECT_EQ(r.Cur.Group, 15);
     }},
    {"group_lower_case_hex",
     {"lga"},
     [](auto& r) { EXPECT_EQ(r.Cur.Group, 10); }},
    {"group_not_hex_is_0",
     {"lg3", "lgZ"},
     [](auto& r) {
       EXPECT_EQ(r.Data.HostGroup, 3);
       EXPECT_EQ(r.Cur.Group, 0);
     }},
    {"group_missing_digit_is_0",
     {"lg5", "lg"},
     [](auto& r) { EXPECT_EQ(r.Cur.Group, 0); }},
    {"group_value_up_to_the_last_group_and_layer",
     {"lg1 5", "lgF 7", "lyf 6"},
     [](auto& r) {
       EXPECT_EQ(r.Data.GroupValue[1], 5);
       EXPECT_EQ(r.Data.GroupValue[0], 0);
       EXPECT_EQ(r.Data.GroupValue[15], 7);
       EXPECT_EQ(r.Data.LayerValue[15 * 16 + 15], 6);
     }},
    {"first_group_kept",
     {"lg2", "lg7"},
     [](auto& r) {
       EXPECT_EQ(r.Data.HostGroup, 2);
       EXPECT_EQ(r.Cur.Group, 7);
       EXPECT_TRUE(r.FirstSeen[kFirstGroup]);
     }},
    {"layer_value_in_current_group",
     {"lg2", "ly3 9", "ly4"},
     [](auto& r) {
       EXPECT_EQ(r.Data.LayerValue[2 * 16 + 3], 9);
       EXPECT_EQ(r.Data.HostLayer, 3);
       EXPECT_EQ(r.Cur.Layer, 4);
     }},
    {"group_and_layer_names",
     {"lg2", "ly3", "lgn\x90\x7d\x96\xca name", "lynLayer\"x y"},
     [](auto& r) {
       EXPECT_EQ(r.Data.GroupName[2], "\x90\x7d\x96\xca");
       EXPECT_EQ(r.Data.LayerName[2 * 16 + 3], "Layerx y");
     }},
    {"line_colour_first_and_current",
     {"lc3", "lc5"},
     [](auto& r) {
       EXPECT_EQ(r.Data.HostLineColor, 3);
       EXPECT_EQ(r.Cur.LineColor, 5);
     }},
    {"ext_colour_with_colour_10",
     {"lc10 7", "lc3 9"},
     [](auto& r) {
       EXPECT_EQ(r.Cur.ExtColor, 7);
       EXPECT_EQ(r.Cur.LineColor, 3);
     }},
    {"bare_lc_is_colour_0",
     {"lc"},
     [](auto& r) { EXPECT_EQ(r.Data.HostLineColor, 0); }},
    {"line_type_and_width",
     {"lt2", "lt9", "lw4", "lw6"},
     [](auto& r) {
       EXPECT_EQ(r.Data.HostLineType, 2);
       EXPECT_EQ(r.Cur.LineType, 9);
       EXPECT_EQ(r.Data.HostLineWidth, 4);
       EXPECT_EQ(r.Cur.LineWidth, 6);
       EXPECT_TRUE(r.Data.LineWidthGiven);
     }},
    {"no_lw_line_no_width",
     {"lc2"},
     [](auto& r) {
       EXPECT_FALSE(r.Data.LineWidthGiven);
       EXPECT_FALSE(r.FirstSeen[kFirstLineWidth]);
     }},
    {"free_text_type",
     {"cn0 2.5 3.5 0.5 4"},
     [](auto& r) {
       EXPECT_EQ(r.Data.HostTextType, 0);
       EXPECT_EQ(r.Data.HostFreeW, 2.5);
       EXPECT_EQ(r.Data.HostFreeH, 3.5);
       EXPECT_EQ(r.Data.HostFreeD, 0.5);
       EXPECT_EQ(r.Data.HostFreeColor, 4);
       EXPECT_EQ(r.Cur.TextType, 0);
       EXPECT_EQ(r.Cur.FreeW, 2.5);
       EXPECT_EQ(r.Cur.FreeH, 3.5);
       EXPECT_EQ(r.Cur.FreeD, 0.5);
       EXPECT_EQ(r.Cur.FreeColor, 4);
     }},
    {"free_text_type_without_sizes_keeps_them",
     {"cn0 2.5 2.5 0.5 4", "cn3", "cn0"},
     [](auto& r) {
       EXPECT_EQ(r.Cur.TextType, 0);
       EXPECT_EQ(r.Cur.FreeW, 2.5);
       EXPECT_EQ(r.Cur.FreeColor, 4);
     }},
    {"first_cn_without_sizes_leaves_host_free_size",
     {"cn0", "cn0 5 5 5 5"},
     [](auto& r) {
       EXPECT_EQ(r.Data.HostTextType, 0);
       EXPECT_EQ(r.Data.HostFreeW, 2.0);
       EXPECT_EQ(r.Data.HostFreeColor, 1);
       EXPECT_EQ(r.Cur.FreeW, 5);
     }},
    {"text_type_number",
     {"cn7", "cn"},
     [](auto& r) {
       EXPECT_EQ(r.Data.HostTextType, 7);
       EXPECT_EQ(r.Cur.TextType, 0);
     }},
    {"font_name_with_spaces",
     {"cn\"$\x82\x6c\x82\x72 \x96\xbe\x92\xa9"},
     [](auto& r) {
       EXPECT_EQ(r.Data.HostFontName, "\x82\x6c\x82\x72 \x96\xbe\x92\xa9");
       EXPECT_EQ(r.Cur.FontName, "\x82\x6c\x82\x72 \x96\xbe\x92\xa9");
       EXPECT_EQ(r.Data.HostTextType, 1);  // not a "cn" text-type line
     }},
    {"first_non_empty_font_name",
     {"cn\"$", "cn\"$Arial", "cn\"$Gothic"},
     [](auto& r) {
       EXPECT_EQ(r.Data.HostFontName, "Arial");
       EXPECT_EQ(r.Cur.FontName, "Gothic");
     }},
    {"text_code", {"cc5"}, [](auto& r) { EXPECT_EQ(r.Cur.TextCode, 5); }},
    {"text_code_9_is_0",
     {"cc5", "cc9"},
     [](auto& r) { EXPECT_EQ(r.Cur.TextCode, 0); }},
    {"text_code_missing_is_0",
     {"cc5", "cc"},
     [](auto& r) { EXPECT_EQ(r.Cur.TextCode, 0); }},
    {"point_colour", {"pn6"}, [](auto& r) { EXPECT_EQ(r.Cur.PointColor, 6); }},
    {"z_flags_add_up",
     {"z1", "z1", "z3", "z5"},
     [](auto& r) { EXPECT_EQ(r.CurZFlags, 1 | 4 | 16); }},
    {"z_flags_exact_keys_only",
     {"z6", "z1x", "z"},
     [](auto& r) { EXPECT_EQ(r.CurZFlags, 0); }},
    {"polyline_count",
     {"pl", "pl", "pl"},
     [](auto& r) {
       EXPECT_EQ(r.PolylineNo, 3);
       EXPECT_TRUE(r.InPolyline);
     }},
};
INSTANTIATE_TEST_SUITE_P(Attributes, LineFormTest,
                         ::testing::ValuesIn(kAttributeCases), CaseName);

const LineCase kPickCases[] = {
    {"plain_point",
     {"hp1 10 20"},
     [](auto& r) {
       const TJwwPickPoint& p = r.Data.PickedPoints[1];
       EXPECT_TRUE(p.Used);
       EXPECT_EQ(p.X, 10);
       EXPECT_EQ(p.Y, 20);
       EXPECT_EQ(p.Kind, 0);
       EXPECT_EQ(r.Data.PickedCount, 1);
       EXPECT_FALSE(r.Data.PickedPoints[2].Used);
     }},
    {"point_kinds",
     {"hp2- 1 1", "hp3ln 1 1", "hp4ci 1 1", "hp5ch 1 1", "hp99 7 8"},
     [](auto& r) {
       EXPECT_EQ(r.Data.PickedPoints[2].Kind, 1);
       EXPECT_EQ(r.Data.PickedPoints[3].Kind, 2);
       EXPECT_EQ(r.Data.PickedPoints[4].Kind, 3);
       EXPECT_EQ(r.Data.PickedPoints[5].Kind, 4);
       EXPECT_EQ(r.Data.PickedPoints[99].X, 7);
       EXPECT_EQ(r.Data.PickedCount, 5);
     }},
    // As Jw_cad writes them: a dash and two spaces, three spaces, two digits.
    {"jw_cad_point_forms",
     {"hp1-  34262.8515141222 19199.8914568925", "hp2   -1.5 2e+06",
      "hp10- 7 8", "hp12-  9 10"},
     [](auto& r) {
       const auto& p = r.Data.PickedPoints;
       EXPECT_EQ(p[1].X, 34262.8515141222);
       EXPECT_EQ(p[1].Y, 19199.8914568925);
       EXPECT_EQ(p[1].Kind, 1);
       EXPECT_EQ(p[2].X, -1.5);
       EXPECT_EQ(p[2].Y, 2e6);
       EXPECT_EQ(p[2].Kind, 0);
       EXPECT_EQ(p[10].Y, 8);
       EXPECT_EQ(p[12].X, 9);
       EXPECT_EQ(p[12].Kind, 1);
       EXPECT_EQ(r.Data.PickedCount, 4);
     }},
    {"dash_then_ln_reads_0",
     {"hp1-ln 5 5"},
     [](auto& r) {
       EXPECT_FALSE(r.Data.PickedPoints[1].Used);
       EXPECT_EQ(r.Data.PickedCount, 0);
     }},
    {"numbers_0_and_100_ignored",
     {"hp0 1 1", "hp100 1 1", "hp-1 1 1", "hp 1 1"},
     [](auto& r) {
       EXPECT_EQ(r.Data.PickedCount, 0);
       EXPECT_FALSE(r.Data.PickedPoints[0].Used);
     }},
    {"same_number_twice",
     {"hp1 1 2", "hp1 3 4"},
     [](auto& r) {
       EXPECT_EQ(r.Data.PickedCount, 2);
       EXPECT_EQ(r.Data.PickedPoints[1].X, 3);
       EXPECT_EQ(r.Data.PickedPoints[1].Y, 4);
     }},
    {"point_needs_three_fields",
     {"hp1 5"},
     [](auto& r) { EXPECT_EQ(r.Data.PickedCount, 0); }},
    {"point_hex_number",
     {"hp$A 1 1"},
     [](auto& r) { EXPECT_TRUE(r.Data.PickedPoints[10].Used); }},
    {"pick_ref_with_ln",
     {"hhp2ln"},
     [](auto& r) { EXPECT_EQ(r.CurPickRef, 2); }},
    {"pick_ref_plain", {"hhp12"}, [](auto& r) { EXPECT_EQ(r.CurPickRef, 12); }},
    {"pick_ref_ci_and_ch",
     {"hhp3ci", "hhp4ch"},
     [](auto& r) { EXPECT_EQ(r.CurPickRef, 4); }},
    {"pick_ref_given_to_next_entity_only",
     {"hhp3", "ci 1 2 3", "ci 4 5 6"},
     [](auto& r) {
       ASSERT_EQ(r.Data.Circles.Count(), 2u);
       EXPECT_EQ(r.Data.Circles[0].Head.PickRef, 3);
       EXPECT_EQ(r.Data.Circles[1].Head.PickRef, 0);
       EXPECT_EQ(r.CurPickRef, 0);
     }},
};
INSTANTIATE_TEST_SUITE_P(PickedPoints, LineFormTest,
                         ::testing::ValuesIn(kPickCases), CaseName);

const LineCase kEntityCases[] = {
    {"circle",
     {"lg2", "ly5", "lc3", "lt4", "lw7", "ci 1 2 3"},
     [](auto& r) {
       ASSERT_EQ(r.Data.Circles.Count(), 1u);
       const TJwwEntCircle& c = r.Data.Circles[0];
       EXPECT_EQ(c.Values[0], 1);
       EXPECT_EQ(c.Values[2], 3);
       const TJwwEntHead& h = c.Head;
       EXPECT_EQ(h.Group, 2);
       EXPECT_EQ(h.Layer, 5);
       EXPECT_EQ(h.Color, 3);
       EXPECT_EQ(h.LineType, 4);
       EXPECT_EQ(h.LineWidth, 7);
     }},
    {"circle_with_trailing_space_ignored",
     {"ci 1 2 3 "},
     [](auto& r) { EXPECT_EQ(EntityCount(r.Data), 0u); }},
    {"ci_with_4_to_6_numbers_ignored",
     {"ci 1 2 3 4", "ci 1 2 3 4 5", "ci 1 2 3 4 5 6", "ci 1 2"},
     [](auto& r) { EXPECT_EQ(EntityCount(r.Data), 0u); }},
    {"arc",
     {"ci 1 2 3 4 5 6 7 8"},
     [](auto& r) {
       ASSERT_EQ(r.Data.Arcs.Count(), 1u);
       EXPECT_EQ(r.Data.Arcs[0].Values[0], 1);
       EXPECT_EQ(r.Data.Arcs[0].Values[6], 7);
     }},
    {"malformed_numbers_read_0",
     {"ci 1 x 1,5", "1e 2 3 4"},
     [](auto& r) {
       ASSERT_EQ(r.Data.Circles.Count(), 1u);
       EXPECT_EQ(r.Data.Circles[0].Values[0], 1);
       EXPECT_EQ(r.Data.Circles[0].Values[1], 0);
       EXPECT_EQ(r.Data.Circles[0].Values[2], 0);
       ASSERT_EQ(r.Data.Lines.Count(), 1u);
       EXPECT_EQ(r.Data.Lines[0].X1, 0);
     }},
    {"point_with_point_colour",
     {"lc4", "pn6", "pt 1 2"},
     [](auto& r) {
       ASSERT_EQ(r.Data.Points.Count(), 1u);
       EXPECT_EQ(r.Data.Points[0].Head.Color, 6);
       EXPECT_EQ(r.Data.Points[0].X, 1);
       EXPECT_EQ(r.Data.Points[0].Y, 2);
     }},
    {"point_ex",
     {"pn2", "pt 1 2 3 4 9 x"},
     [](auto& r) {
       ASSERT_EQ(r.Data.PointsEx.Count(), 1u);
       const TJwwEntPointEx& p = r.Data.PointsEx[0];
       EXPECT_EQ(p.Head.Color, 2);
       EXPECT_EQ(p.Value1, 3);
       EXPECT_EQ(p.Value2, 4);
       EXPECT_EQ(p.Code, 9);
     }},
    {"pt_with_three_numbers_is_a_segment",
     {"pt 1 2 3"},
     [](auto& r) {
       EXPECT_EQ(r.Data.Points.Count() + r.Data.PointsEx.Count(), 0u);
       ASSERT_EQ(r.Data.Lines.Count(), 1u);
       EXPECT_EQ(r.Data.Lines[0].X1, 0);
       EXPECT_EQ(r.Data.Lines[0].Y2, 3);
     }},
    {"block",
     {"BL 5 6 \x95\x94\x95\x69 extra"},
     [](auto& r) {
       ASSERT_EQ(r.Data.Blocks.Count(), 1u);
       EXPECT_EQ(r.Data.Blocks[0].X, 5);
       EXPECT_EQ(r.Data.Blocks[0].Y, 6);
       EXPECT_EQ(r.Data.Blocks[0].Name, "\x95\x94\x95\x69");
     }},
    {"block_without_name_ignored",
     {"BL 5 6"},
     [](auto& r) { EXPECT_EQ(EntityCount(r.Data), 0u); }},
    {"z_flags_go_to_the_next_entity",
     {"z1", "z1", "1 2 3 4", "5 6 7 8"},
     [](auto& r) {
       ASSERT_EQ(r.Data.Lines.Count(), 2u);
       EXPECT_EQ(r.Data.Lines[0].Head.ZFlags, 1);
       EXPECT_EQ(r.Data.Lines[1].Head.ZFlags, 0);
     }},
    {"order_across_all_fifteen_kinds",
     {"1 2 3 4", "ci 1 2 3", "ci 1 2 3 4 5 6 7", "ch 1 2 3 4 \"a", "pt 1 1",
      "pt 1 2 3 4 5 6", "msg", "0 0 100 0", "cs 50 1 1 0 \"100", "BL 5 6 x n",
      "sl 1 2 3 4", "sl 0 0 5 0 5 5", "sl 0 0 5 0 5 5 0 5",
      "sc 1 2 3 4 5 6 7 8", "se 1 2 3 4 5 6 7 8", "so 1 2 3 4 5 6 7 8",
      "sg 1 2 3 4 5 6 7 8", "5 6 7 8", "ci 4 5 6"},
     [](auto& r) {
       // Kinds are the stored numbers of the file format, not just labels.
       const int32_t expected[][2] = {
           {1, 0},  {2, 0},  {3, 0},  {4, 0},  {5, 0},  {6, 0},
           {7, 0},  {8, 0},  {9, 0},  {10, 0}, {11, 0}, {12, 0},
           {13, 0}, {14, 0}, {15, 0}, {1, 1},  {2, 1}};
       ASSERT_EQ(r.Data.EntityOrder.Count(), std::size(expected));
       for (std::size_t i = 0; i < std::size(expected); ++i) {
         EXPECT_EQ(r.Data.EntityOrder[i].Kind, expected[i][0]) << i;
         EXPECT_EQ(r.Data.EntityOrder[i].Index, expected[i][1]) << i;
       }
     }},
};
INSTANTIATE_TEST_SUITE_P(Entities, LineFormTest,
                         ::testing::ValuesIn(kEntityCases), CaseName);

const LineCase kPolylineCases[] = {
    {"polyline_ended_by_attribute",
     {"lc3", "pl", "0 0 1 0", "1 0 1 1", "lc2", "1 1 0 1"},
     [](auto& r) {
       ASSERT_EQ(r.Data.Lines.Count(), 3u);
       EXPECT_EQ(r.Data.Lines[0].Head.Color, 3);
       EXPECT_EQ(r.Data.Lines[0].PolylineNo, 1);
       EXPECT_EQ(r.Data.Lines[1].PolylineNo, 1);
       EXPECT_EQ(r.Data.Lines[2].Head.Color, 2);
       EXPECT_EQ(r.Data.Lines[2].PolylineNo, 0);
     }},
    {"second_polyline_numbered_2",
     {"pl", "0 0 1 0", "#", "0 0 1 0", "pl", "0 0 1 0"},
     [](auto& r) {
       ASSERT_EQ(r.Data.Lines.Count(), 3u);
       EXPECT_EQ(r.Data.Lines[0].PolylineNo, 1);
       EXPECT_EQ(r.Data.Lines[1].PolylineNo, 0);
       EXPECT_EQ(r.Data.Lines[2].PolylineNo, 2);
     }},
    {"polyline_ended_by_entity",
     {"pl", "ci 1 1 1", "0 0 1 0"},
     [](auto& r) { EXPECT_EQ(r.Data.Lines[0].PolylineNo, 0); }},
    {"polyline_ended_by_pn",
     {"pl", "pn3", "0 0 1 0"},
     [](auto& r) { EXPECT_EQ(r.Data.Lines[0].PolylineNo, 0); }},
    {"polyline_kept_by_z_and_hhp",
     {"pl", "z2", "hhp1", "lgnA", "hk 5", "0 0 1 0"},
     [](auto& r) {
       EXPECT_EQ(r.Data.Lines[0].PolylineNo, 1);
       EXPECT_EQ(r.Data.Lines[0].Head.ZFlags, 2);
       EXPECT_EQ(r.Data.Lines[0].Head.PickRef, 1);
     }},
};
INSTANTIATE_TEST_SUITE_P(Polylines, LineFormTest,
                         ::testing::ValuesIn(kPolylineCases), CaseName);

}  // namespace
}  // namespace halvane
