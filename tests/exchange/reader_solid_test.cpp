#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reader_test_support.h"

namespace halvane {
namespace {

// The kind stored for an "sl" line and the corners it keeps, as numbers.
struct SolidCase {
  const char* name;
  std::string line;
  int32_t kind;
  std::vector<double> corners;
};

void PrintTo(const SolidCase& c, std::ostream* os) { *os << c.name; }

class SolidTest : public ReaderTest,
                  public ::testing::WithParamInterface<SolidCase> {};

std::vector<double> StoredCorners(const ExchangeData& d, int32_t kind) {
  switch (kind) {
    case kKindSolid2: {
      const TJwwEntSolid2& s = d.Solids2[0];
      return {s.X1, s.Y1, s.X2, s.Y2};
    }
    case kKindSolid3: {
      const TJwwEntSolid3& s = d.Solids3[0];
      return {s.X1, s.Y1, s.X2, s.Y2, s.X3, s.Y3};
    }
    default: {
      const TJwwEntSolid4& s = d.Solids4[0];
      return {s.X1, s.Y1, s.X2, s.Y2, s.X3, s.Y3, s.X4, s.Y4};
    }
  }
}

TEST_P(SolidTest, CollapsesCoincidentCorners) {
  const SolidCase& c = GetParam();
  const ExchangeData& d = Parse({"lc10 7", c.line});
  ASSERT_EQ(d.EntityOrder.Count(), 1u);
  ASSERT_EQ(d.EntityOrder[0].Kind, c.kind);
  EXPECT_EQ(StoredCorners(d, c.kind), c.corners);
  const int32_t ext = c.kind == kKindSolid2   ? d.Solids2[0].ExtColor
                      : c.kind == kKindSolid3 ? d.Solids3[0].ExtColor
                                              : d.Solids4[0].ExtColor;
  EXPECT_EQ(ext, 7);
}

INSTANTIATE_TEST_SUITE_P(
    Solids, SolidTest,
    ::testing::Values(
        SolidCase{"two_corners", "sl 1 2 3 4", kKindSolid2, {1, 2, 3, 4}},
        SolidCase{
            "three_p1_p2_same", "sl 1 1 1 1 5 5", kKindSolid2, {1, 1, 5, 5}},
        SolidCase{
            "three_p2_p3_same", "sl 0 0 5 5 5 5", kKindSolid2, {0, 0, 5, 5}},
        SolidCase{"three_within_tolerance",
                  "sl 0 0 5 5 5.00000000001 5",
                  kKindSolid2,
                  {0, 0, 5, 5}},
        SolidCase{"three_beyond_tolerance",
                  "sl 0 0 5 5 5.000000001 5",
                  kKindSolid3,
                  {0, 0, 5, 5, 5.000000001, 5}},
        SolidCase{"three_distinct",
                  "sl 0 0 5 0 5 5",
                  kKindSolid3,
                  {0, 0, 5, 0, 5, 5}},
        SolidCase{
            "four_equal", "sl 3 3 3 3 3 3 3 3", kKindSolid2, {3, 3, 3, 3}},
        SolidCase{"four_p1_p2_p3_same",
                  "sl 1 1 1 1 1 1 9 9",
                  kKindSolid2,
                  {1, 1, 9, 9}},
        SolidCase{"four_p2_p3_p4_same",
                  "sl 1 1 9 9 9 9 9 9",
                  kKindSolid2,
                  {1, 1, 9, 9}},
        SolidCase{"four_p1_p2_and_p3_p4",
                  "sl 1 1 1 1 9 9 9 9",
                  kKindSolid2,
                  {1, 1, 9, 9}},
        SolidCase{"four_p4_on_p1",
                  "sl 0 0 5 0 5 5 0 0",
                  kKindSolid3,
                  {0, 0, 5, 0, 5, 5}},
        SolidCase{"four_p4_on_p3",
                  "sl 0 0 5 0 5 5 5 5",
                  kKindSolid3,
                  {0, 0, 5, 0, 5, 5}},
        SolidCase{"four_p3_on_p1",
                  "sl 0 0 5 0 0 0 0 5",
                  kKindSolid3,
                  {0, 0, 5, 0, 0, 5}},
        SolidCase{"four_p3_on_p2",
                  "sl 0 0 5 0 5 0 0 5",
                  kKindSolid3,
                  {0, 0, 5, 0, 0, 5}},
        SolidCase{"four_p2_on_p1",
                  "sl 0 0 0 0 5 5 0 5",
                  kKindSolid3,
                  {0, 0, 5, 5, 0, 5}},
        SolidCase{"four_distinct",
                  "sl 0 0 5 0 5 5 0 5 extra",
                  kKindSolid4,
                  {0, 0, 5, 0, 5, 5, 0, 5}}),
    [](const auto& info) { return std::string(info.param.name); });

const LineCase kOtherSolidCases[] = {
    {"sl_with_6_or_8_fields_ignored",
     {"sl 1 2 3 4 5", "sl 1 2 3 4 5 6 7"},
     [](auto& r) { EXPECT_EQ(EntityCount(r.Data), 0u); }},
    {"sl_with_3_numbers_is_a_segment",
     {"sl 1 2 3"},
     [](auto& r) {
       EXPECT_EQ(r.Data.Solids2.Count(), 0u);
       ASSERT_EQ(r.Data.Lines.Count(), 1u);
       EXPECT_EQ(r.Data.Lines[0].X1, 0);
     }},
    {"sc_and_se_values_and_code",
     {"lc10 3", "sc 1 2 3 4 5 6 7 8", "se 7 6 5 4 3 2 1 9"},
     [](auto& r) {
       ASSERT_EQ(r.Data.SolidsSc.Count(), 1u);
       EXPECT_EQ(r.Data.SolidsSc[0].ExtColor, 3);
       EXPECT_EQ(r.Data.SolidsSc[0].Values[0], 1);
       EXPECT_EQ(r.Data.SolidsSc[0].Values[6], 7);
       EXPECT_EQ(r.Data.SolidsSc[0].Code, 8);
       ASSERT_EQ(r.Data.SolidsSe.Count(), 1u);
       EXPECT_EQ(r.Data.SolidsSe[0].Values[0], 7);
       EXPECT_EQ(r.Data.SolidsSe[0].Code, 9);
       EXPECT_EQ(r.Data.EntityOrder[1].Kind, kKindSolidSe);
     }},
    {"so_and_sg_eight_values",
     {"so 1 2 3 4 5 6 7 8", "sg 8 7 6 5 4 3 2 1"},
     [](auto& r) {
       ASSERT_EQ(r.Data.SolidsSo.Count(), 1u);
       EXPECT_EQ(r.Data.SolidsSo[0].Values[7], 8);
       ASSERT_EQ(r.Data.SolidsSg.Count(), 1u);
       EXPECT_EQ(r.Data.SolidsSg[0].Values[7], 1);
       EXPECT_EQ(r.Data.SolidsSg[0].ExtColor, 0);
     }},
    {"value_solids_need_nine_fields_and_a_known_key",
     {"sc 1 2 3 4 5 6 7", "so 1 2 3 4 5 6 7", "sx 1 2 3 4 5 6 7 8"},
     [](auto& r) { EXPECT_EQ(EntityCount(r.Data), 0u); }},
    {"solid_ends_polyline_and_takes_flags",
     {"pl", "z4", "sl 1 2 3 4", "0 0 1 0"},
     [](auto& r) {
       EXPECT_EQ(r.Data.Solids2[0].Head.ZFlags, 8);
       EXPECT_EQ(r.Data.Lines[0].PolylineNo, 0);
       EXPECT_EQ(r.Data.Lines[0].Head.ZFlags, 0);
     }},
};
INSTANTIATE_TEST_SUITE_P(OtherSolids, LineFormTest,
                         ::testing::ValuesIn(kOtherSolidCases), CaseName);

}  // namespace
}  // namespace halvane
