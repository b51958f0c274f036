#include <gtest/gtest.h>

#include <string>

#include "reader_test_support.h"

namespace halvane {
namespace {

const std::string kDefaultFont = kDefaultFontName;

std::string Repeated(const char* head, std::size_t count, char c) {
  std::string s = head;
  s.append(count, c);
  return s;
}

const LineCase kTextCases[] = {
    {"text_with_type_from_the_header",
     {"hcw 1 2 3 4 5 6 7 8 9 10", "hcc 11 12 13 14 15 16 17 18 19 20", "cn3",
      "cc2", "lc5", "ch 1 2 3 4 \"\x95\xb6\x8e\x9a"},
     [](auto& r) {
       ASSERT_EQ(r.Data.Texts.Count(), 1u);
       const TJwwEntText& t = r.Data.Texts[0];
       EXPECT_EQ(t.Style, 0);
       EXPECT_EQ(t.TextCode, 2);
       EXPECT_EQ(t.TextType, 3);
       EXPECT_EQ(t.W, 3);
       EXPECT_EQ(t.H, 3.0);
       EXPECT_EQ(t.D, 0.0);
       EXPECT_EQ(t.Head.Color, 13);
       EXPECT_EQ(t.Head.LineType, 1);
       EXPECT_EQ(t.X, 1);
       EXPECT_EQ(t.Y, 2);
       EXPECT_EQ(t.DX, 3);
       EXPECT_EQ(t.DY, 4);
       EXPECT_EQ(t.FontName, kDefaultFont);
       EXPECT_EQ(t.Text, "\x95\xb6\x8e\x9a");
     }},
    {"text_type_0_takes_free_size",
     {"cn0 2.5 3.5 0.5 4", "ch 0 0 1 0 \"a"},
     [](auto& r) {
       const TJwwEntText& t = r.Data.Texts[0];
       EXPECT_EQ(t.TextType, 0);
       EXPECT_EQ(t.W, 2.5);
       EXPECT_EQ(t.H, 3.5);
       EXPECT_EQ(t.D, 0.5);
       EXPECT_EQ(t.Head.Color, 4);
     }},
    {"text_types_1_and_10_from_the_header_11_free",
     {"hcw 1 2 3 4 5 6 7 8 9 10", "hcc 11 12 13 14 15 16 17 18 19 20", "cn1",
      "ch 0 0 1 0 \"a", "cn10", "ch 0 0 1 0 \"a", "cn11", "ch 0 0 1 0 \"a"},
     [](auto& r) {
       const double w[] = {1, 10, 2};
       const int32_t color[] = {11, 20, 1};
       ASSERT_EQ(r.Data.Texts.Count(), 3u);
       for (std::size_t i = 0; i < 3; ++i) {
         EXPECT_EQ(r.Data.Texts[i].W, w[i]) << i;
         EXPECT_EQ(r.Data.Texts[i].Head.Color, color[i]) << i;
       }
     }},
    {"all_styles",
     {"ch 0 0 1 0 \"a", "cv 0 0 1 0 \"a", "cs 0 0 1 0 \"a", "cr 0 0 1 0 \"a",
      "co 0 0 1 0 \"a", "cp 0 0 1 0 \"a", "ct 0 0 1 0 \"a", "ck 0 0 1 0 \"a",
      "cz 0 0 1 0 \"a", "c2 0 0 1 0 \"a", "cx 0 0 1 0 \"a", "c3 0 0 1 0 \"a"},
     [](auto& r) {
       ASSERT_EQ(r.Data.Texts.Count(), 10u);
       for (int i = 0; i < 10; ++i) EXPECT_EQ(r.Data.Texts[i].Style, i);
     }},
    {"text_keeps_spaces_and_quotes",
     {"ch 1 2 3 4 \" a \"b\" = c "},
     [](auto& r) { EXPECT_EQ(r.Data.Texts[0].Text, " a \"b\" = c "); }},
    {"text_without_quote_keeps_first_word",
     {"ch 1 2 3 4 first second"},
     [](auto& r) { EXPECT_EQ(r.Data.Texts[0].Text, "first"); }},
    {"empty_text_after_quote",
     {"ch 1 2 3 4 \""},
     [](auto& r) {
       ASSERT_EQ(r.Data.Texts.Count(), 1u);
       EXPECT_EQ(r.Data.Texts[0].Text, "");
     }},
    {"quote_without_space_is_not_a_text",
     {"ch 1 2 3 4\"abc"},
     [](auto& r) { EXPECT_EQ(r.Data.Texts.Count(), 0u); }},
    {"text_ending_in_a_lead_byte_loses_it",
     {"ch 1 2 3 4 \"ab\x82"},
     [](auto& r) { EXPECT_EQ(r.Data.Texts[0].Text, "ab"); }},
    {"text_cut_to_255_bytes",
     {Repeated("ch 1 2 3 4 \"", 300, 'x')},
     [](auto& r) { EXPECT_EQ(r.Data.Texts[0].Text, std::string(255, 'x')); }},
    {"text_cut_never_splits_a_character",
     {"ch 1 2 3 4 \"" +
      [] {
        std::string s;
        for (int i = 0; i < 150; ++i) s += "\x82\xa0";
        return s;
      }()},
     [](auto& r) {
       const std::string& text = r.Data.Texts[0].Text;
       ASSERT_EQ(text.size(), 254u);
       EXPECT_EQ(text.substr(252), "\x82\xa0");
     }},
    {"font_name_cut_to_255_bytes",
     {Repeated("cn\"$", 400, 'f'), "ch 1 2 3 4 \"a"},
     [](auto& r) {
       EXPECT_EQ(r.Cur.FontName.size(), 400u);
       EXPECT_EQ(r.Data.HostFontName.size(), 400u);
       EXPECT_EQ(r.Data.Texts[0].FontName, std::string(255, 'f'));
     }},
    {"text_takes_current_font",
     {"cn\"$\x82\x6c\x82\x72 \x96\xbe\x92\xa9", "ch 1 2 3 4 \"a"},
     [](auto& r) {
       EXPECT_EQ(r.Data.Texts[0].FontName, "\x82\x6c\x82\x72 \x96\xbe\x92\xa9");
     }},
    {"text_needs_six_fields",
     {"ch 1 2 3 4"},
     [](auto& r) { EXPECT_EQ(EntityCount(r.Data), 0u); }},
};
INSTANTIATE_TEST_SUITE_P(Texts, LineFormTest, ::testing::ValuesIn(kTextCases),
                         CaseName);

const LineCase kDimensionCases[] = {
    {"dimension_takes_held_line",
     {"lc2", "msg", "0 0 100 0", "lc4", "cn0 2 2 0 6", "cs 50 1 1 0 \"100"},
     [](auto& r) {
       EXPECT_EQ(r.Data.Lines.Count(), 0u);
       EXPECT_EQ(r.Data.Texts.Count(), 0u);
       ASSERT_EQ(r.Data.Dims.Count(), 1u);
       ASSERT_EQ(r.Data.EntityOrder.Count(), 1u);
       EXPECT_EQ(r.Data.EntityOrder[0].Kind, kKindDim);
       const TJwwEntDim& dim = r.Data.Dims[0];
       EXPECT_EQ(dim.Head.Color, 4);
       EXPECT_EQ(dim.Line.Head.Color, 2);
       EXPECT_EQ(dim.Line.PolylineNo, 0);
       EXPECT_EQ(dim.Line.X1, 0);
       EXPECT_EQ(dim.Line.X2, 100);
       EXPECT_EQ(dim.Text.Style, 2);
       EXPECT_EQ(dim.Text.Head.Color, 6);
       EXPECT_EQ(dim.Text.Head.LineType, 1);
       EXPECT_EQ(dim.Text.X, 50);
       EXPECT_EQ(dim.Text.Text, "100");
       EXPECT_EQ(dim.Text.FontName, kDefaultFontName);
       EXPECT_FALSE(r.InDimension);
     }},
    {"second_held_line_replaces_first",
     {"msg", "0 0 100 0", "0 5 200 5", "cs 50 1 1 0 \"200"},
     [](auto& r) {
       ASSERT_EQ(r.Data.Dims.Count(), 1u);
       EXPECT_EQ(r.Data.Dims[0].Line.Y1, 5);
       EXPECT_EQ(r.Data.Dims[0].Line.X2, 200);
       EXPECT_EQ(r.Data.Lines.Count(), 0u);
     }},
    {"dimension_without_line_has_initial_line",
     {"msg", "cs 0 0 1 0 \"1"},
     [](auto& r) {
       const TJwwEntLine& line = r.Data.Dims[0].Line;
       EXPECT_EQ(line.X1, 0);
       EXPECT_EQ(line.X2, 1.0);
       EXPECT_EQ(line.Head.Color, 1);
       EXPECT_EQ(line.Head.LineType, 1);
     }},
    {"dimension_reuses_previous_line",
     {"msg", "0 0 7 0", "cs 0 0 1 0 \"7", "msg", "cs 0 0 1 0 \"7"},
     [](auto& r) {
       ASSERT_EQ(r.Data.Dims.Count(), 2u);
       EXPECT_EQ(r.Data.Dims[1].Line.X2, 7);
     }},
    {"held_line_takes_flags_then_clears_them",
     {"msg", "z2", "hhp3", "0 0 1 0", "cs 0 0 1 0 \"1"},
     [](auto& r) {
       const TJwwEntDim& dim = r.Data.Dims[0];
       EXPECT_EQ(dim.Line.Head.ZFlags, 2);
       EXPECT_EQ(dim.Line.Head.PickRef, 3);
       EXPECT_EQ(dim.Head.ZFlags, 0);
       EXPECT_EQ(dim.Head.PickRef, 0);
     }},
    {"other_text_ends_dimension",
     {"msg", "0 0 100 0", "ch 0 0 1 0 \"a", "cs 0 0 1 0 \"b", "1 1 2 2"},
     [](auto& r) {
       EXPECT_EQ(r.Data.Dims.Count(), 0u);
       ASSERT_EQ(r.Data.Texts.Count(), 2u);
       EXPECT_EQ(r.Data.Texts[1].Style, 2);
       EXPECT_EQ(r.Data.Lines.Count(), 1u);
     }},
    {"attribute_lines_keep_the_dimension",
     {"msg", "lc3", "cn2", "0 0 5 0", "cs 0 0 1 0 \"5"},
     [](auto& r) {
       ASSERT_EQ(r.Data.Dims.Count(), 1u);
       EXPECT_EQ(r.Data.Dims[0].Line.Head.Color, 3);
       EXPECT_EQ(r.Data.Dims[0].Text.TextType, 2);
     }},
    {"pl_and_hash_end_the_dimension",
     {"msg", "pl", "0 0 1 0", "msg", "#", "0 0 2 0", "cs 0 0 1 0 \"x"},
     [](auto& r) {
       EXPECT_EQ(r.Data.Dims.Count(), 0u);
       ASSERT_EQ(r.Data.Lines.Count(), 2u);
       EXPECT_EQ(r.Data.Lines[0].PolylineNo, 1);
       EXPECT_EQ(r.Data.Lines[1].PolylineNo, 0);
       EXPECT_EQ(r.Data.Texts.Count(), 1u);
     }},
    {"msg_ends_the_polyline",
     {"pl", "msg", "#", "0 0 1 0"},
     [](auto& r) { EXPECT_EQ(r.Data.Lines[0].PolylineNo, 0); }},
    {"dimension_text_cut_to_255",
     {"msg", Repeated("cs 0 0 1 0 \"", 256, 'y')},
     [](auto& r) {
       EXPECT_EQ(r.Data.Dims[0].Text.Text, std::string(255, 'y'));
     }},
};
INSTANTIATE_TEST_SUITE_P(Dimensions, LineFormTest,
                         ::testing::ValuesIn(kDimensionCases), CaseName);

}  // namespace
}  // namespace halvane
