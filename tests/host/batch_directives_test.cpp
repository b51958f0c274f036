#include "tools/host_standin/batch_directives.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

TEST(BatchDirectives, OnlyTheFirstTenBytesCount) {
  BatchDirectives b = ReadBatchDirectives(
      "REM memo\r\n"
      "REM #cd\r\n"
      "REM      #h0\r\n"                    // '#' at byte 9: still counts
      "REM       #jww\r\n"                  // '#' at byte 10: switched off
      "\x82\xa0\x82\xa0\x82\xa0 #zw\r\n");  // past three wide characters
  EXPECT_EQ(b.Memo, "memo");
  EXPECT_TRUE(b.ChangeFolder);
  EXPECT_TRUE(b.NoRange);
  EXPECT_FALSE(b.WindowsFormat);
  EXPECT_TRUE(b.AsksLineWidth);
}

TEST(BatchDirectives, StopsAtTheEnd) {
  BatchDirectives b =
      ReadBatchDirectives("REM x\nREM #1 a b\nREM #e\nREM #2 c\n");
  EXPECT_TRUE(b.Ended);
  ASSERT_EQ(b.Points.size(), 1u);
  EXPECT_EQ(b.Points[0].Prompt, "a b");
}

TEST(BatchDirectives, ReadsPointNumbersSuffixesAndPrompts) {
  BatchDirectives b = ReadBatchDirectives(
      "REM\nREM #1- start\nREM #12ln  line \nREM #99ci\nREM #3ch t\n"
      "REM #0 origin\nREM #100 x\nREM #4xy q\n");
  ASSERT_EQ(b.Points.size(), 4u);
  EXPECT_EQ(b.Points[0].Number, 1);
  EXPECT_EQ(b.Points[0].Suffix, "-");
  EXPECT_EQ(b.Points[0].Prompt, "start");
  EXPECT_EQ(b.Points[1].Number, 12);
  EXPECT_EQ(b.Points[1].Suffix, "ln");
  EXPECT_EQ(b.Points[1].Prompt, "line");
  EXPECT_EQ(b.Points[2].Number, 99);
  EXPECT_EQ(b.Points[2].Prompt, "");
  EXPECT_EQ(b.Points[3].Suffix, "ch");
  EXPECT_EQ(b.Unknown,
            (std::vector<std::string>{"0 origin", "100 x", "4xy q"}));
  EXPECT_FALSE(b.Ended);
  EXPECT_EQ(b.Memo, "");
}

}  // namespace
}  // namespace halvane
