// The headless runner as scripts use it: exit status, printed line, the file
// written back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>
#include <string_view>

#include "dimension_run.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#endif

namespace halvane {
namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
constexpr char kRunnerName[] = "halvane-run.exe";
fs::path TestProgram() { return _pgmptr ? fs::path(_pgmptr) : fs::path(); }
#else
constexpr char kRunnerName[] = "halvane-run";
fs::path TestProgram() { return fs::read_symlink("/proc/self/exe"); }
#endif

// The runner is built at the top of the build folder, the tests below it.
fs::path Runner() {
  const fs::path here = TestProgram().parent_path();
  for (const fs::path& dir : {here, here.parent_path()}) {
    if (fs::exists(dir / kRunnerName)) return dir / kRunnerName;
  }
  return {};
}

struct Outcome {
  int status = -1;
  std::string out;  // stdout, line ends as LF
  std::string err;
};

std::string Quoted(const fs::path& path) {
  std::string quoted(1, '"');
  quoted.append(path.string()).push_back('"');
  return quoted;
}

Outcome RunRunner(const std::string& args, const fs::path& scratch) {
  const fs::path out = scratch / "stdout.txt";
  const fs::path err = scratch / "stderr.txt";
  std::string command = Quoted(Runner()) + (args.empty() ? "" : " " + args) +
                        " >" + Quoted(out) + " 2>" + Quoted(err);
#ifdef _WIN32
  command.insert(0, 1, '"').push_back('"');  // cmd /c drops the outer pair
#endif
  Outcome outcome;
  const int rc = std::system(command.c_str());
#ifdef _WIN32
  outcome.status = rc;
#else
  outcome.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
#endif
  // Windows writes both streams in text mode, with CR LF.
  for (char c : test::ReadBytes(out)) {
    if (c != '\r') outcome.out += c;
  }
  for (char c : test::ReadBytes(err)) {
    if (c != '\r') outcome.err += c;
  }
  return outcome;
}

class HalvaneRunTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(Runner().empty()) << "halvane-run not built";
    fs::create_directories(work_);
  }

  // The input of a golden case in the work folder.
  void CopyCase(const char* name, bool with_settings = true) {
    const fs::path source = fs::path(HALVANE_TEST_DATA) / "golden" / name;
    fs::copy_file(source / "JWC_TEMP.TXT", work_ / "JWC_TEMP.TXT");
    if (with_settings) fs::copy_file(source / "t517.dat", work_ / "t517.dat");
  }
  std::string Written() { return test::ReadBytes(work_ / "JWC_TEMP.TXT"); }
  Outcome Run(const std::string& args) {
    return RunRunner(args, scratch_.Path());
  }

  test::TempFolder scratch_;
  fs::path work_ = scratch_.Path() / "program";
};

TEST_F(HalvaneRunTest, OkDrawsAndExitsZero) {
  CopyCase("value_beyond_start");
  const Outcome o = Run(Quoted(work_));
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out, "");
  EXPECT_EQ(Written(), test::ReadBytes(fs::path(HALVANE_TEST_DATA) / "golden" /
                                       "value_beyond_start" / "expected.txt"));
}

TEST_F(HalvaneRunTest, DirectionSwitchesDrawTheirGoldenCases) {
  const fs::path golden = fs::path(HALVANE_TEST_DATA) / "golden";
  for (const char* name : {"vertical_angle_30", "aligned_53"}) {
    fs::remove_all(work_);
    fs::create_directories(work_);
    CopyCase(name);
    const std::string direction =
        test::ReadBytes(golden / name / "direction.txt");
    const Outcome o = Run("--" + direction.substr(0, direction.find('\n')) +
                          " " + Quoted(work_));
    EXPECT_EQ(o.status, 0) << name;
    EXPECT_EQ(Written(), test::ReadBytes(golden / name / "expected.txt"))
        << name;
  }
}

TEST_F(HalvaneRunTest, MissingPointsPrintTheMessageAndKeepTheHostFile) {
  const std::string host = "hq\r\nhk 0\r\nhp1 0 0\r\nhp3 5 5\r\n";
  test::WriteBytes(work_ / "JWC_TEMP.TXT", host);
  const Outcome o = Run("--vertical " + Quoted(work_));
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.out,
            "message 指示点が足りません（2、4点目がありません）。"
            "バッチファイルで 4 点（#1～#4）を指示するようにしてください。\n");
  EXPECT_EQ(o.err, "");
  EXPECT_EQ(Written(), host);
  EXPECT_FALSE(fs::exists(work_ / "t517.dat"));
}

TEST_F(HalvaneRunTest, RefusedOptionNamesTheFocusedControl) {
  CopyCase("arrows_plain", false);  // no settings: no text type chosen
  const Outcome o = Run(Quoted(work_));
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.out, "focus ComboBox3\n");
  EXPECT_EQ(Written(), "hq\r\n");
  EXPECT_FALSE(fs::exists(work_ / "t517.dat"));
}

TEST_F(HalvaneRunTest, ZeroLengthPrintsTheMessageInUtf8) {
  CopyCase("zero_length");
  fs::remove(work_ / "t517.dat");
  fs::copy_file(fs::path(HALVANE_TEST_DATA) / "golden/arrows_plain/t517.dat",
                work_ / "t517.dat");
  const Outcome o = Run(Quoted(work_));
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.out,
            "message "
            "\xe5\xaf\xb8\xe6\xb3\x95\xe3\x81\x8c\xe3\x80\x8c"
            "0\xe3\x80\x8d\xe3\x81\xab\xe3\x81\xaa\xe3\x82\x8a\xe3\x81\xbe\xe3"
            "\x81\x99\xe3\x81\xae\xe3\x81\xa7\xe4\xbd\x9c\xe5\x9b\xb3\xe5\x87"
            "\xba\xe6\x9d\xa5\xe3\x81\xbe\xe3\x81\x9b\xe3\x82\x93\n");
  EXPECT_EQ(Written(), "hq\r\n");
  // Saved before the length was found to be zero: lines 26 to 31 now hold
  // this run's points.
  const auto settings = test::SplitCrLf(test::ReadBytes(work_ / "t517.dat"));
  ASSERT_EQ(settings.size(), 31u);
  EXPECT_EQ(settings[25], "5");
  EXPECT_EQ(settings[28], "80");
}

TEST_F(HalvaneRunTest, CancelWritesHqAndKeepsTheSettings) {
  CopyCase("arrows_plain");
  const std::string settings = test::ReadBytes(work_ / "t517.dat");
  const Outcome o = Run("--cancel " + Quoted(work_));
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.out, "");
  EXPECT_EQ(Written(), "hq\r\n");
  EXPECT_EQ(test::ReadBytes(work_ / "t517.dat"), settings);
}

TEST_F(HalvaneRunTest, MissingExchangeFileIsCreated) {
  const Outcome o = Run(Quoted(work_));
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.out, "focus ComboBox3\n");
  EXPECT_EQ(Written(), "hq\r\n");
}

// Read-only as the user marks it: the read-only attribute on Windows.
void Lock(const fs::path& file) {
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read |
                            fs::perms::others_read);
}
void Unlock(const fs::path& file) {
  fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(HalvaneRunTest, LockedSettingsAreKeptAndTheRunStillDraws) {
  CopyCase("value_beyond_start");
  const fs::path settings = work_ / "t517.dat";
  const std::string old_settings = test::ReadBytes(settings);
  Lock(settings);
  const fs::perms locked = fs::status(settings).permissions();
  const Outcome o = Run(Quoted(work_));
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(Written(), test::ReadBytes(fs::path(HALVANE_TEST_DATA) / "golden" /
                                       "value_beyond_start" / "expected.txt"));
  EXPECT_EQ(test::ReadBytes(settings), old_settings);
  EXPECT_EQ(fs::status(settings).permissions(), locked);
  EXPECT_EQ(o.err.rfind("halvane-run: settings not saved to ", 0), 0u) << o.err;
  EXPECT_NE(o.err.find("t517.dat: "), std::string::npos) << o.err;
  EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << o.err;
  Unlock(settings);
  EXPECT_EQ(std::distance(fs::directory_iterator(work_), {}), 2);
}

TEST_F(HalvaneRunTest, UnwritableExchangeFileExitsFourAndKeepsIt) {
  CopyCase("value_beyond_start");
  const fs::path exchange = work_ / "JWC_TEMP.TXT";
  const std::string host_bytes = test::ReadBytes(exchange);
  Lock(exchange);
  for (const char* args : {"", "--cancel "}) {
    const Outcome o = Run(args + Quoted(work_));
    EXPECT_EQ(o.status, 4) << args;
    EXPECT_EQ(Written(), host_bytes) << args;
    EXPECT_EQ(o.err.rfind("halvane-run: cannot write back ", 0), 0u) << o.err;
    EXPECT_NE(o.err.find("JWC_TEMP.TXT: "), std::string::npos) << o.err;
    EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << o.err;
  }
  Unlock(exchange);
  EXPECT_EQ(std::distance(fs::directory_iterator(work_), {}), 2);
}

// A host file that is there but cannot be read: named on stderr, exit 4,
// and neither file touched.
struct UnreadableCase {
  const char* name;
  void (*make)(const fs::path& file);
  const char* reason;
};

TEST_F(HalvaneRunTest, UnreadableHostFileExitsFourAndTouchesNothing) {
  const UnreadableCase cases[] = {
      {"folder", [](const fs::path& f) { fs::create_directory(f); },
       "フォルダーです"},
      {"no permission",
       [](const fs::path& f) {
         test::WriteBytes(f, "hq\r\n");
         fs::permissions(f, fs::perms::owner_write);
       },
       "読み取りが許可されていません"},
#ifndef _WIN32
      {"fifo", [](const fs::path& f) { mkfifo(f.c_str(), 0600); },
       "通常のファイルではありません"},
#endif
  };
  const fs::path golden =
      fs::path(HALVANE_TEST_DATA) / "golden" / "value_beyond_start";
  for (const UnreadableCase& c : cases) {
    fs::remove_all(work_);
    fs::create_directories(work_);
    fs::copy_file(golden / "t517.dat", work_ / "t517.dat");
    c.make(work_ / "JWC_TEMP.TXT");
    // A probe of the FIFO would wait for a writer.
    if (!fs::is_fifo(work_ / "JWC_TEMP.TXT"))
      if (std::FILE* probe =
              std::fopen((work_ / "JWC_TEMP.TXT").string().c_str(), "rb")) {
        std::fclose(probe);  // permissions do not stop reading here
        continue;
      }
    const Outcome o = Run(Quoted(work_));
    EXPECT_EQ(o.status, 4) << c.name;
    EXPECT_EQ(o.out, "") << c.name;
    EXPECT_EQ(o.err,
              std::string("halvane-run: JWC_TEMP.TXT を読み込めません（") +
                  c.reason + "）\n")
        << c.name;
    EXPECT_EQ(test::ReadBytes(work_ / "t517.dat"),
              test::ReadBytes(golden / "t517.dat"))
        << c.name;
    EXPECT_EQ(std::distance(fs::directory_iterator(work_), {}), 2) << c.name;
  }
}

TEST_F(HalvaneRunTest, HelpAndVersionPrintOnStdout) {
  for (const char* args : {"--help", "-h", "--cancel --help", "--version"}) {
    const Outcome o = Run(args);
    EXPECT_EQ(o.status, 0) << args;
    EXPECT_EQ(o.err, "") << args;
    const bool version = std::string_view(args) == "--version";
    EXPECT_EQ(o.out.rfind(version ? "halvane-run " HALVANE_VERSION_TEXT "\n"
                                  : "usage: halvane-run [--cancel]",
                          0),
              0u)
        << o.out;
  }
}

TEST_F(HalvaneRunTest, UsageErrorsExitTwo) {
  test::WriteBytes(scratch_.Path() / "plain-file", "x");
  const std::string cases[] = {
      "",
      Quoted(scratch_.Path() / "no-such-folder"),
      Quoted(scratch_.Path() / "plain-file"),
      "--frobnicate " + Quoted(work_),
      Quoted(work_) + " " + Quoted(work_),
      "--vertcal " + Quoted(work_),
      "--Vertical " + Quoted(work_),
      "/vertical " + Quoted(work_),
      "--vertical --aligned " + Quoted(work_),
      "--aligned --aligned " + Quoted(work_),
  };
  for (const std::string& args : cases) {
    const Outcome o = Run(args);
    EXPECT_EQ(o.status, 2) << args;
    EXPECT_NE(o.err.find("usage: halvane-run [--cancel] [--vertical | "
                         "--aligned] DIR"),
              std::string::npos)
        << args;
    EXPECT_EQ(o.out, "") << args;
  }
  EXPECT_FALSE(fs::exists(work_ / "JWC_TEMP.TXT"));
}

}  // namespace
}  // namespace halvane
