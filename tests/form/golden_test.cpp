// Whole runs against stored outputs: tests/golden/<case>/ holds the host's
// JWC_TEMP.TXT, the settings t517.dat and the expected JWC_TEMP.TXT after OK,
// and for a vertical or aligned dimension direction.txt naming the switch
// ("vertical", "aligned") that the batch file passes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "dimension_run.h"
#include "form/command_switch.h"
#include "tests/dimension/output_lines.h"

namespace halvane {
namespace {

namespace fs = std::filesystem;

fs::path GoldenRoot() { return fs::path(HALVANE_TEST_DATA) / "golden"; }

std::vector<std::string> GoldenCases() {
  std::vector<std::string> cases;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(GoldenRoot(), ec)) {
    const fs::path dir = entry.path();
    if (fs::exists(dir / "JWC_TEMP.TXT") && fs::exists(dir / "t517.dat") &&
        fs::exists(dir / "expected.txt")) {
      cases.push_back(dir.filename().string());
    }
  }
  std::sort(cases.begin(), cases.end());
  return cases;
}

DimensionDirection CaseDirection(const fs::path& source) {
  if (!fs::exists(source / "direction.txt")) {
    return DimensionDirection::Horizontal;
  }
  std::string word = test::ReadBytes(source / "direction.txt");
  while (!word.empty() && std::isspace(static_cast<unsigned char>(word.back())))
    word.pop_back();
  const auto direction = DirectionOfSwitch(word);
  EXPECT_TRUE(direction) << source;
  return direction.value_or(DimensionDirection::Horizontal);
}

TEST(GoldenTest, CasesArePresent) { EXPECT_GE(GoldenCases().size(), 25u); }

class GoldenRunTest : public testing::TestWithParam<std::string> {};

TEST_P(GoldenRunTest, WritesTheExpectedFile) {
  const fs::path source = GoldenRoot() / GetParam();
  test::TempFolder folder;
  fs::copy_file(source / "JWC_TEMP.TXT", folder.Path() / "JWC_TEMP.TXT");
  fs::copy_file(source / "t517.dat", folder.Path() / "t517.dat");

  const DimensionDirection direction = CaseDirection(source);
  const auto result = test::RunDialog(
      folder.Path(), [&](TForm1& form, int) { form.Direction = direction; });
  const std::string expected = test::ReadBytes(source / "expected.txt");
  EXPECT_EQ(result.Drawn, expected != "hq\r\n");
  EXPECT_EQ(result.Output, expected);
  for (const auto& line : test::SplitCrLf(result.Output)) {
    EXPECT_EQ(test::BadNumberIn(line), "") << line;
  }
  // OK saved the settings it had loaded, unchanged.
  EXPECT_EQ(test::ReadBytes(folder.Path() / "t517.dat"),
            test::ReadBytes(source / "t517.dat"));
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenRunTest, testing::ValuesIn(GoldenCases()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace halvane
