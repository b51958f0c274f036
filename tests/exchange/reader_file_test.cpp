#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "reader_test_support.h"

namespace halvane {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kChunk = std::size_t{1} << 20;

class ReaderFileTest : public ReaderTest {
 protected:
  void SetUp() override {
    ReaderTest::SetUp();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // Unique, so that two runs of the suite at once (a native and a sanitizer
    // build) never share a folder.
    dir_ = fs::temp_directory_path() /
           (std::string("halvane_reader_") + info->name() + "_" +
            std::to_string(std::random_device{}()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
    ReaderTest::TearDown();
  }

  fs::path Write(const std::string& bytes, const char* name = "JWC_TEMP.TXT") {
    const fs::path path = dir_ / name;
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }

  fs::path dir_;
};

TEST_F(ReaderFileTest, MissingFileIsFalseAndChangesNothing) {
  EXPECT_FALSE(ReadFromFile(dir_ / "JWC_TEMP.TXT"));
  EXPECT_EQ(data_.PaperWidth, 1189.0);
  EXPECT_EQ(data_.EntityOrder.Count(), 0u);
}

TEST_F(ReaderFileTest, DirectoryIsFalse) {
  fs::create_directory(dir_ / "JWC_TEMP.TXT");
  EXPECT_FALSE(ReadFromFile(dir_ / "JWC_TEMP.TXT"));
}

TEST_F(ReaderFileTest, EmptyFileAndBlankLinesKeepInitialValues) {
  for (const std::string& bytes :
       {std::string(), std::string("\r\n\n  \r\n\t\n\r"),
        std::string("\x1a")}) {
    ASSERT_TRUE(ReadFromFile(Write(bytes)));
    const ExchangeData& d = data_;
    EXPECT_EQ(d.DrawingAngle, 0);
    EXPECT_EQ(d.GroupScale[15], 1.0);
    EXPECT_EQ(d.HostGroup, 0);
    EXPECT_EQ(d.TextTypes[9].Color, 2);
    EXPECT_EQ(d.PaperHeight, 841.0);
    EXPECT_EQ(EntityCount(d), 0u);
  }
}

TEST_F(ReaderFileTest, HostFileReadsInFull) {
  const std::string file =
      "hq\r\n"
      "hk 0\r\n"
      "hs 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 100\r\n"
      "hcw 1 2 3 4 5 6 7 8 9 10\r\n"
      "hp1 0 0\r\nhp2 1000 0\r\nhp3 500 100\r\nhp4 500 150\r\n"
      "lgF\r\nly2\r\nlc3\r\nlt1\r\ncn\"$\x82\x6c\x82\x72 \x96\xbe\x92\xa9\r\n"
      "cn4\r\n";
  ASSERT_TRUE(ReadFromFile(Write(file)));
  const ExchangeData& d = data_;
  EXPECT_EQ(d.GroupScale[15], 100);
  EXPECT_EQ(d.TextTypes[9].W, 10);
  EXPECT_EQ(d.PickedCount, 4);
  EXPECT_EQ(d.PickedPoints[2].X, 1000);
  EXPECT_EQ(d.PickedPoints[4].Y, 150);
  EXPECT_EQ(d.HostGroup, 15);
  EXPECT_EQ(d.HostLayer, 2);
  EXPECT_EQ(d.HostLineColor, 3);
  EXPECT_EQ(d.HostTextType, 4);
  EXPECT_EQ(d.HostFontName, "\x82\x6c\x82\x72 \x96\xbe\x92\xa9");
}

TEST_F(ReaderFileTest, LineEnds) {
  const std::string file =
      "hk 5\r\n"        // CR LF
      "hzs 1 2\n"       // LF
      "h\rn 1 2 3 4\n"  // a lone CR is dropped
      "ci 1 2 3\r\r\n"  // so is a CR before CR LF
      "ci 4 5 6";       // last line without a line end
  ASSERT_TRUE(ReadFromFile(Write(file)));
  const ExchangeData& d = data_;
  EXPECT_EQ(d.DrawingAngle, 5);
  EXPECT_EQ(d.PaperHeight, 2);
  EXPECT_EQ(d.HnValues[3], 4);
  ASSERT_EQ(d.Circles.Count(), 2u);
  EXPECT_EQ(d.Circles[1].Values[2], 6);
}

TEST_F(ReaderFileTest, LeadByteBeforeTheLineEndIsDropped) {
  ASSERT_TRUE(ReadFromFile(Write("ch 1 2 3 4 \"ab\x82\r\nci 1 2 3\r\n")));
  ASSERT_EQ(data_.Texts.Count(), 1u);
  EXPECT_EQ(data_.Texts[0].Text, "ab");
  EXPECT_EQ(data_.Circles.Count(), 1u);
}

TEST_F(ReaderFileTest, ControlZEndsTheFile) {
  ASSERT_TRUE(
      ReadFromFile(Write("hk 5\r\nci 1 2 3\x1a 4\r\nci 7 8 9\r\nhk 6\r\n")));
  const ExchangeData& d = data_;
  EXPECT_EQ(d.DrawingAngle, 5);
  ASSERT_EQ(d.Circles.Count(), 1u);  // the part before the 0x1A is a line
  EXPECT_EQ(d.Circles[0].Values[2], 3);
}

TEST_F(ReaderFileTest, NulAndOtherBytesAreDropped) {
  static constexpr char kBytes[] = "c\0i 1 2\xff 3\r\n\xfe\x01\x02\r\n";
  ASSERT_TRUE(ReadFromFile(Write(std::string(kBytes, sizeof kBytes - 1))));
  ASSERT_EQ(data_.Circles.Count(), 1u);
  EXPECT_EQ(data_.Circles[0].Values[1], 2);
}

TEST_F(ReaderFileTest, LinesAcrossReadChunksReadAsWhole) {
  const std::string line = "ch 1 2 3 4 \"\x82\xa0 \x83\x41\x83\x43";
  const std::string lineEnd = "\r\n";
  for (std::size_t before = 0; before <= line.size() + 2; ++before) {
    // Padding lines that make the chunk end fall `before` bytes into `line`.
    std::string file(kChunk - before - 2, 'x');
    file += "\r\n" + line + lineEnd + "ci 1 2 3\r\n";
    ASSERT_TRUE(ReadFromFile(Write(file)));
    ASSERT_EQ(data_.Texts.Count(), 1u) << before;
    EXPECT_EQ(data_.Texts[0].Text, "\x82\xa0 \x83\x41\x83\x43") << before;
    EXPECT_EQ(data_.Circles.Count(), 1u) << before;
  }
}

TEST_F(ReaderFileTest, ManyMegabyteLines) {
  const std::string name(std::size_t{5} << 20, 'n');
  std::string file = "BL 1 2 " + name + "\r\n";
  file += "file=" + name + " x\r\n";
  file += std::string(std::size_t{8} << 20, '\0') + "\r\n";
  file += std::string(std::size_t{3} << 20, ' ') + "\r\n";
  for (int i = 0; i < 200000; ++i) file += "1 ";
  file += "\r\nci 1 2 3\r\n";
  ASSERT_TRUE(ReadFromFile(Write(file)));
  const ExchangeData& d = data_;
  ASSERT_EQ(d.Blocks.Count(), 1u);
  EXPECT_EQ(d.Blocks[0].Name, name);
  EXPECT_EQ(d.HostFileName, name + " x");
  EXPECT_EQ(d.Lines.Count(), 0u);
  EXPECT_EQ(d.Circles.Count(), 1u);
}

TEST_F(ReaderFileTest, LineOfMoreThan32Fields) {
  std::string file = "hs";
  for (int i = 1; i <= 100; ++i) {
    file += ' ';
    file += std::to_string(i);
  }
  file += "\r\n";
  ASSERT_TRUE(ReadFromFile(Write(file)));
  EXPECT_EQ(data_.GroupScale[15], 16);
}

TEST_F(ReaderFileTest, ReadsFromAFolderWithAJapaneseName) {
  const fs::path folder = dir_ / fs::path(u8"\u65e5\u672c");
  fs::create_directory(folder);
  const fs::path path = folder / "JWC_TEMP.TXT";
  std::ofstream(path, std::ios::binary) << "hk 45\r\n";
  ASSERT_TRUE(ReadFromFile(path));
  EXPECT_EQ(data_.DrawingAngle, 45);
}

TEST_F(ReaderFileTest, FileIsClosedAfterTheRead) {
  const fs::path path = Write("hk 1\r\n");
  ASSERT_TRUE(ReadFromFile(path));
  std::error_code ec;
  EXPECT_TRUE(fs::remove(path, ec)) << ec.message();
}

TEST_F(ReaderFileTest, UnreadableFileIsFalse) {
#ifdef __linux__
  // A regular file whose reading fails at its first byte.
  EXPECT_FALSE(ReadFromFile("/proc/self/mem"));
#else
  GTEST_SKIP() << "no file that fails to read here";
#endif
}

TEST_F(ReaderFileTest, FileWithoutReadPermissionIsFalse) {
  const fs::path path = Write("hk 5\r\n");
  fs::permissions(path, fs::perms::none);
  if (std::FILE* probe = std::fopen(path.string().c_str(), "rb")) {
    std::fclose(probe);
    fs::permissions(path, fs::perms::owner_all);
    GTEST_SKIP() << "permissions do not stop reading here";
  }
  EXPECT_FALSE(ReadFromFile(path));
  EXPECT_EQ(data_.DrawingAngle, 0);
  fs::permissions(path, fs::perms::owner_all);
}

// How each kind of file that is not read tells itself apart; none of them
// blocks, and nothing is read from any.
struct FailureCase {
  const char* name;
  std::function<fs::path(const fs::path& dir)> make;
  ReadFailure why;
};

class ReadFailureTest : public ReaderFileTest,
                        public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ReadFailureTest, SaysWhy) {
  const fs::path path = GetParam().make(dir_);
  if (GetParam().why == ReadFailure::NoPermission) {
    if (std::FILE* probe = std::fopen(path.string().c_str(), "rb")) {
      std::fclose(probe);
      GTEST_SKIP() << "permissions do not stop reading here";
    }
  }
  ReadFailure why = ReadFailure::ReadError;
  EXPECT_FALSE(ReadExchangeFile(path, data_, why));
  EXPECT_EQ(why, GetParam().why);
  EXPECT_EQ(data_.DrawingAngle, 0);
}

const FailureCase kFailureCases[] = {
    {"Missing", [](const fs::path& d) { return d / "JWC_TEMP.TXT"; },
     ReadFailure::Missing},
    {"MissingFolder", [](const fs::path& d) { return d / "none" / "JWC"; },
     ReadFailure::Missing},
    {"Folder",
     [](const fs::path& d) {
       fs::create_directory(d / "JWC_TEMP.TXT");
       return d / "JWC_TEMP.TXT";
     },
     ReadFailure::Folder},
    {"NoPermission",
     [](const fs::path& d) {
       std::ofstream(d / "JWC_TEMP.TXT") << "hk 5\r\n";
       fs::permissions(d / "JWC_TEMP.TXT", fs::perms::owner_write);
       return d / "JWC_TEMP.TXT";
     },
     ReadFailure::NoPermission},
#ifndef _WIN32
    {"Fifo",
     [](const fs::path& d) {
       mkfifo((d / "JWC_TEMP.TXT").c_str(), 0600);
       return d / "JWC_TEMP.TXT";
     },
     ReadFailure::NotAFile},
    {"Device", [](const fs::path&) { return fs::path("/dev/zero"); },
     ReadFailure::NotAFile},
#endif
#ifdef __linux__
    // A regular file whose reading fails at its first byte.
    {"ReadError", [](const fs::path&) { return fs::path("/proc/self/mem"); },
     ReadFailure::ReadError},
#endif
};

INSTANTIATE_TEST_SUITE_P(Kinds, ReadFailureTest,
                         ::testing::ValuesIn(kFailureCases),
                         [](const auto& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace halvane
