// The batch files shipped for Jw_cad's external-command menu, one for each
// direction of the dimension.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/host_standin/batch_directives.h"
#include "util/sjis_text.h"
#include "util/text_encoding.h"

namespace halvane {
namespace {

struct ShippedBatch {
  const char* File;
  const char* Memo;  // UTF-8, before the version
  std::vector<std::string> Switches;
};

const ShippedBatch kShipped[] = {
    {"HALVANE.BAT", "水平寸法線　寸法値の位置を指定して作図", {}},
    {"HALVANE_V.BAT", "垂直寸法線　寸法値の位置を指定して作図", {"/vertical"}},
    {"HALVANE_P.BAT",
     "平行寸法線（2点に平行）　寸法値の位置を指定して作図",
     {"/aligned"}},
};

std::string ReadShipped(const char* file) {
  std::ifstream in(std::string(HALVANE_SOURCE_DIR "/jwcad/") + file,
                   std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class BatchFile : public ::testing::TestWithParam<ShippedBatch> {
 protected:
  std::string ReadBatchFile() const { return ReadShipped(GetParam().File); }
};

INSTANTIATE_TEST_SUITE_P(
    Directions, BatchFile, ::testing::ValuesIn(kShipped),
    [](const ::testing::TestParamInfo<ShippedBatch>& info) {
      std::string name = info.param.File;
      return name.substr(0, name.find('.'));
    });

std::vector<std::string> CrLfLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

bool ValidCp932(const std::string& bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    unsigned char b = static_cast<unsigned char>(bytes[i]);
    if (!IsLeadByte(b)) {
      if (b >= 0x80 && !(b >= 0xA1 && b <= 0xDF)) return false;
      continue;
    }
    if (b == 0x80 || b >= 0xFD || i + 1 == bytes.size()) return false;
    unsigned char t = static_cast<unsigned char>(bytes[++i]);
    if (t < 0x40 || t == 0x7F || t > 0xFC) return false;
  }
  return true;
}

TEST_P(BatchFile, IsShiftJisWithCrLfOnly) {
  std::string bytes = ReadBatchFile();
  ASSERT_FALSE(bytes.empty());
  EXPECT_TRUE(ValidCp932(bytes));
  std::string utf8;
  EXPECT_EQ(SjisToUtf8(bytes).find("\xef\xbf\xbd"), std::string::npos);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      ASSERT_GT(i, 0u);
      EXPECT_EQ(bytes[i - 1], '\r') << "bare LF at byte " << i;
    }
    if (bytes[i] == '\r') {
      ASSERT_LT(i + 1, bytes.size());
      EXPECT_EQ(bytes[i + 1], '\n') << "bare CR at byte " << i;
    }
  }
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
}

TEST_P(BatchFile, FirstLineIsAJapaneseMemo) {
  std::vector<std::string> lines = CrLfLines(ReadBatchFile());
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0].substr(0, 4), "REM ");
  EXPECT_EQ(lines[0].find('#'), std::string::npos);
  // The version follows, as check_package_texts.py checks.
  EXPECT_EQ(SjisToUtf8(lines[0]).rfind(
                std::string("REM ") + GetParam().Memo + "（Halvane Ver.", 0),
            0u)
      << SjisToUtf8(lines[0]);
}

TEST_P(BatchFile, EveryDirectiveStandsWithinTenBytes) {
  for (const std::string& line : CrLfLines(ReadBatchFile())) {
    std::size_t hash = line.find('#');
    if (hash != std::string::npos) {
      EXPECT_LT(hash, kDirectiveColumns) << line;
      EXPECT_EQ(line.substr(0, 4), "REM ") << line;
    }
  }
}

TEST_P(BatchFile, AsksForExactlyTheFourPointsTheProgramReads) {
  BatchDirectives b = ReadBatchDirectives(ReadBatchFile());
  EXPECT_TRUE(b.WindowsFormat);
  EXPECT_TRUE(b.ChangeFolder);
  EXPECT_TRUE(b.NoRange);
  EXPECT_TRUE(b.Ended);
  EXPECT_FALSE(b.AsksLineWidth);
  EXPECT_TRUE(b.Unknown.empty());
  const char* prompts[4] = {"測定点の始点", "測定点の終点", "寸法線の位置",
                            "寸法値の位置"};
  ASSERT_EQ(b.Points.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(b.Points[i].Number, i + 1);
    EXPECT_EQ(b.Points[i].Suffix, "");
    EXPECT_EQ(SjisToUtf8(b.Points[i].Prompt), prompts[i]);
  }
}

// The program line runs after the REM block has been jumped over, starts the
// program beside the batch file with the direction's switch and waits for it
// (no plain "start").
TEST_P(BatchFile, JumpsOverTheDirectivesAndRunsTheProgramDirectly) {
  std::vector<std::string> lines = CrLfLines(ReadBatchFile());
  std::size_t jump = 0, label = 0, program = 0, last_rem = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& l = lines[i];
    if (l.rfind("goto ", 0) == 0) jump = i;
    if (l == ":RUN") label = i;
    if (l.rfind("REM ", 0) == 0) last_rem = i;
    if (l.find("Halvane.exe") != std::string::npos) program = i;
  }
  EXPECT_EQ(lines[jump], "goto RUN");
  EXPECT_GT(jump, 0u);
  EXPECT_GT(label, last_rem);
  EXPECT_GT(program, label);
  std::string call = "\"%~dp0Halvane.exe\"";
  for (const std::string& s : GetParam().Switches) call += " " + s;
  EXPECT_EQ(lines[program], call);
  BatchDirectives b = ReadBatchDirectives(ReadBatchFile());
  EXPECT_EQ(b.Program, "%~dp0Halvane.exe");
  EXPECT_EQ(b.ProgramArguments, GetParam().Switches);
  for (const std::string& l : lines)
    EXPECT_EQ(l.find("start"), std::string::npos) << l;
}

// Apart from the memo and the switch, the same lines as HALVANE.BAT.
TEST(BatchFiles, DifferOnlyInTheMemoAndTheSwitch) {
  std::vector<std::string> horizontal = CrLfLines(ReadShipped("HALVANE.BAT"));
  ASSERT_FALSE(horizontal.empty());
  for (const ShippedBatch& shipped : kShipped) {
    std::vector<std::string> lines = CrLfLines(ReadShipped(shipped.File));
    ASSERT_EQ(lines.size(), horizontal.size()) << shipped.File;
    for (std::size_t i = 1; i < lines.size(); ++i) {
      std::string expected = horizontal[i];
      if (expected.find("Halvane.exe") != std::string::npos) {
        for (const std::string& s : shipped.Switches) expected += " " + s;
      }
      EXPECT_EQ(lines[i], expected) << shipped.File << " line " << i + 1;
    }
  }
}

}  // namespace
}  // namespace halvane
