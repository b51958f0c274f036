#include "tools/host_standin/run_program.h"

#include <gtest/gtest.h>

#include <fstream>

namespace halvane {
namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
const std::vector<fs::path> kShell = {"cmd", "/c"};
#else
const std::vector<fs::path> kShell = {"/bin/sh", "-c"};
#endif

std::vector<fs::path> Shell(const char* script) {
  std::vector<fs::path> argv = kShell;
  argv.push_back(script);
  return argv;
}

TEST(RunProgram, ReturnsTheExitCode) {
  EXPECT_EQ(RunProgram(Shell("exit 0")), 0);
  EXPECT_EQ(RunProgram(Shell("exit 3")), 3);
}

TEST(RunProgram, ReportsAProgramThatCannotStart) {
  EXPECT_EQ(RunProgram({"/nonexistent/halvane-no-such-program"}), kNotStarted);
  EXPECT_EQ(RunProgram({}), kNotStarted);
  EXPECT_EQ(RunProgram(Shell("exit 0"), "/nonexistent/folder"), kNotStarted);
}

TEST(RunProgram, RunsInTheWorkingFolder) {
  fs::path folder = fs::temp_directory_path() / "halvane-run-program 試験";
  fs::remove_all(folder);
  fs::create_directories(folder);
  EXPECT_EQ(RunProgram(Shell("echo x> made.txt"), folder), 0);
  EXPECT_TRUE(fs::exists(folder / "made.txt"));
  fs::remove_all(folder);
}

}  // namespace
}  // namespace halvane
