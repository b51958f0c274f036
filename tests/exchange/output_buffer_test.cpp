#include "exchange/output_buffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "util/file_access_internal.h"
#include "writer_test_support.h"

namespace halvane {
namespace {

class OutputBufferTest : public WriterTest {
 protected:
  void TearDown() override {
    SetWriteFaultAfter(-1);
    SetWriteFaultAt(std::nullopt);
    WriterTest::TearDown();
  }
  std::string WriteAndRead() {
    const auto path = dir_ / "JWC_TEMP.TXT";
    EXPECT_TRUE(WriteOutputFile(out_, path));
    return ReadBytes(path);
  }
  TempFolder dir_;
};

// Every byte but the control bytes, which could cut the host's line short.
TEST_F(OutputBufferTest, PutLineStoresTheBytesButControlBytes) {
  PutLine(out_, "lg3");
  PutLine(out_, "");
  PutLine(out_, std::string("\x82\xa0\0\xff", 4));
  PutLine(out_, std::string("cn\"$AB\x83\0CD\x83\x1b[2J\x1f\x20\x7f", 18));
  EXPECT_EQ(OutputLines(), (std::vector<std::string>{"lg3", "", "\x82\xa0\xff",
                                                     "cn\"$AB\x83"
                                                     "CD\x83[2J \x7f"}));
}

TEST_F(OutputBufferTest, PutLineKeepsTheFirst255Bytes) {
  std::string text;
  for (int i = 0; i < 300; ++i) text += static_cast<char>('0' + i % 10);
  PutLine(out_, text);
  PutLine(out_, std::string(255, 'x'));
  const auto lines = OutputLines();
  EXPECT_EQ(lines[0], text.substr(0, 255));
  EXPECT_EQ(lines[1], std::string(255, 'x'));
}

TEST_F(OutputBufferTest, CutMayFallInsideATwoByteCharacter) {
  // 127 two-byte characters, then one more whose lead byte is byte 255.
  std::string text;
  for (int i = 0; i < 128; ++i) text += "\x82\xa0";
  PutLine(out_, text);
  const auto line = OutputLines()[0];
  ASSERT_EQ(line.size(), 255u);
  EXPECT_EQ(line.back(), '\x82');
}

TEST_F(OutputBufferTest, CapacityGrowsInWholeThousands) {
  const auto& output = out_.Lines;
  EXPECT_EQ(output.Count(), 0u);
  PutLine(out_, "0");
  EXPECT_EQ(output.Capacity(), 1000u);
  for (int i = 1; i < 1000; ++i) PutLine(out_, std::to_string(i));
  EXPECT_EQ(output.Count(), 1000u);
  EXPECT_EQ(output.Capacity(), 1000u);
  PutLine(out_, "1000");
  EXPECT_EQ(output.Capacity(), 2000u);
  const auto lines = OutputLines();
  for (int i = 0; i <= 1000; ++i) {
    ASSERT_EQ(lines[i], std::to_string(i)) << "line " << i;
  }
}

TEST_F(OutputBufferTest, ResetEmptiesTheLines) {
  PutLine(out_, "lg1");
  out_.Reset();
  EXPECT_EQ(out_.Lines.Count(), 0u);
  EXPECT_EQ(WriteAndRead(), "hq\r\n");
}

struct JoinCase {
  const char* name;
  std::vector<std::string> entries;
  std::string file;
};

class JoinTest : public OutputBufferTest,
                 public ::testing::WithParamInterface<JoinCase> {};

TEST_P(JoinTest, WritesTheExpectedBytes) {
  for (const auto& entry : GetParam().entries) PutLine(out_, entry);
  EXPECT_EQ(WriteAndRead(), GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    WriteOutputFile, JoinTest,
    ::testing::Values(
        JoinCase{"EmptyBufferIsALoneHq", {}, "hq\r\n"},
        JoinCase{"PlainLines", {"lg0", "ly1"}, "lg0\r\nly1\r\n"},
        JoinCase{"TextCommandJoinedWithItsText",
                 {"lgA", "cs 1 2 10 0 \"", "\x8e\x6e\x93\x5f", "z3"},
                 "lgA\r\ncs 1 2 10 0 \"\x8e\x6e\x93\x5f\r\nz3\r\n"},
        JoinCase{"JoinedEntryIsNotTestedItself",
                 {"a\"", "b\"", "c"},
                 "a\"b\"\r\nc\r\n"},
        JoinCase{"LastEntryWithQuoteEndsTheFile",
                 {"lg0", "ch 0 0 1 0 \""},
                 "lg0\r\nch 0 0 1 0 \""},
        JoinCase{
            "EmptyEntryGivesAnEmptyLine", {"a", "", "b"}, "a\r\n\r\nb\r\n"},
        JoinCase{"EmptyTextBehindAQuote", {"a\"", "", "b"}, "a\"\r\nb\r\n"},
        JoinCase{"LoneQuote", {"\""}, "\""},
        JoinCase{"HqInTheBufferIsWrittenAsIs", {"hq"}, "hq\r\n"},
        JoinCase{"BytesAsStoredButACarriageReturn",
                 {std::string("\x82\x22", 2), "x", std::string("\xfd\x0d", 2)},
                 std::string("\x82\x22x\r\n\xfd\r\n")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OutputBufferTest, LargeBufferIsWrittenCompletely) {
  std::string expected;
  for (int i = 0; i < 5000; ++i) {
    const std::string line = std::to_string(i) + std::string(40, 'a' + i % 26);
    PutLine(out_, line);
    expected += line + "\r\n";
  }
  EXPECT_EQ(WriteAndRead(), expected);
}

TEST_F(OutputBufferTest, ReplacesThePreviousFile) {
  const auto path = dir_ / "JWC_TEMP.TXT";
  WriteBytes(path, "hq\r\nhk0\r\nhp1 0 0\r\n");
  PutLine(out_, "0 0 10 0");
  EXPECT_TRUE(WriteOutputFile(out_, path));
  EXPECT_EQ(ReadBytes(path), "0 0 10 0\r\n");
  EXPECT_EQ(dir_.Entries(), std::set<std::string>{"JWC_TEMP.TXT"});
}

// The host's own file must survive a failed write: it starts with "hq", so
// the host then reports that nothing was done.
constexpr char kHostFile[] = "hq\r\nhk0\r\nhp1 0 0\r\nhp2 100 0\r\n";

TEST_F(OutputBufferTest, FaultMidwayKeepsTheHostFile) {
  const auto path = dir_ / "JWC_TEMP.TXT";
  WriteBytes(path, kHostFile);
  for (int i = 0; i < 8000; ++i) PutLine(out_, "0 0 100 " + std::to_string(i));
  SetWriteFaultAfter(70000);  // beyond the first piece written
  EXPECT_FALSE(WriteOutputFile(out_, path));
  EXPECT_EQ(ReadBytes(path), kHostFile);
  EXPECT_EQ(dir_.Entries(), std::set<std::string>{"JWC_TEMP.TXT"});
}

TEST_F(OutputBufferTest, FaultOnTheLastByteKeepsTheHostFile) {
  const auto path = dir_ / "JWC_TEMP.TXT";
  WriteBytes(path, kHostFile);
  PutLine(out_, "lg0");
  SetWriteFaultAfter(4);  // "lg0\r\n" has five bytes
  EXPECT_FALSE(WriteOutputFile(out_, path));
  EXPECT_EQ(ReadBytes(path), kHostFile);
  EXPECT_EQ(dir_.Entries(), std::set<std::string>{"JWC_TEMP.TXT"});
}

TEST_F(OutputBufferTest, UnwritableFolderLeavesNoFile) {
  // Root ignores permission bits, so the seam stands in for a folder that
  // refuses every write.
  SetWriteFaultAfter(0);
  const auto path = dir_ / "JWC_TEMP.TXT";
  EXPECT_FALSE(WriteOutputFile(out_, path));
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_TRUE(dir_.Entries().empty());
}

TEST_F(OutputBufferTest, MissingFolderFails) {
  PutLine(out_, "lg0");
  EXPECT_FALSE(WriteOutputFile(out_, dir_ / "missing" / "JWC_TEMP.TXT"));
  EXPECT_TRUE(dir_.Entries().empty());
}

TEST_F(OutputBufferTest, TargetThatIsAFolderFails) {
  const auto path = dir_ / "JWC_TEMP.TXT";
  std::filesystem::create_directory(path);
  EXPECT_FALSE(WriteOutputFile(out_, path));
  EXPECT_TRUE(std::filesystem::is_directory(path));
  EXPECT_EQ(dir_.Entries(), std::set<std::string>{"JWC_TEMP.TXT"});
}

TEST_F(OutputBufferTest, FailureAtTheFlushKeepsTheHostFileAndGivesTheReason) {
  const auto path = dir_ / "JWC_TEMP.TXT";
  WriteBytes(path, kHostFile);
  PutLine(out_, "lg0");
  SetWriteFaultAt(WriteStep::Flush);
  std::error_code error;
  EXPECT_FALSE(WriteOutputFile(out_, path, error));
  EXPECT_EQ(error, std::errc::io_error);
  EXPECT_EQ(ReadBytes(path), kHostFile);
  EXPECT_EQ(dir_.Entries(), std::set<std::string>{"JWC_TEMP.TXT"});
  SetWriteFaultAt(std::nullopt);
  EXPECT_TRUE(WriteOutputFile(out_, path, error));
  EXPECT_FALSE(error);
  EXPECT_EQ(ReadBytes(path), "lg0\r\n");
}

TEST_F(OutputBufferTest, BufferIsKeptAfterAFailedWrite) {
  PutLine(out_, "lg0");
  SetWriteFaultAfter(0);
  EXPECT_FALSE(WriteOutputFile(out_, dir_ / "JWC_TEMP.TXT"));
  SetWriteFaultAfter(-1);
  EXPECT_EQ(WriteAndRead(), "lg0\r\n");
}

}  // namespace
}  // namespace halvane
