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

TEST(BatchDirectives, TakesTheProgramAndItsSwitchesFromTheFirstExeLine) {
  struct Case {
    const char* batch;
    const char* program;
    std::vector<std::string> arguments;
  } cases[] = {
      {"REM m\r\n:RUN\r\n\"%~dp0Halvane.exe\"\r\n", "%~dp0Halvane.exe", {}},
      {"REM m\r\n\"%~dp0Halvane.exe\" /vertical\r\n",
       "%~dp0Halvane.exe",
       {"/vertical"}},
      {"REM run x.exe\nREM #1 a.exe\n@echo off\n  @C:\\\"\x8a\x4f "
       "\x95\x94\"\\H.EXE "
       "  /aligned\t/b\nother.exe /c\n",
       "C:\\\x8a\x4f \x95\x94\\H.EXE",
       {"/aligned", "/b"}},
      {"REM m\ngoto RUN\n:RUN\necho Halvane\n", "", {}},
  };
  for (const Case& c : cases) {
    BatchDirectives b = ReadBatchDirectives(c.batch);
    EXPECT_EQ(b.Program, c.program) << c.batch;
    EXPECT_EQ(b.ProgramArguments, c.arguments) << c.batch;
  }
}

TEST(BatchDirectives, TheRunnerTakesEachSlashSwitchWithTwoDashes) {
  EXPECT_EQ(RunnerSwitches({}), std::vector<std::string>{});
  EXPECT_EQ(RunnerSwitches({"/vertical"}),
            std::vector<std::string>{"--vertical"});
  EXPECT_EQ(RunnerSwitches({"/aligned", "/x"}),
            (std::vector<std::string>{"--aligned", "--x"}));
  EXPECT_EQ(RunnerSwitches({"/vertical", "C:\\dir"}), std::nullopt);
  EXPECT_EQ(RunnerSwitches({"/"}), std::nullopt);
}

}  // namespace
}  // namespace halvane
