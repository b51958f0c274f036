// A t517.dat that the user marked read-only in Explorer stays as it is, and
// OK still draws.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "dimension_run.h"

namespace halvane {
namespace {

namespace fs = std::filesystem;

TEST(LockedSettingsTest, ReadOnlyAttributeKeepsTheFileAndOkStillDraws) {
  const fs::path source =
      fs::path(HALVANE_TEST_DATA) / "golden" / "value_beyond_start";
  test::TempFolder folder;
  const fs::path settings = folder.Path() / "t517.dat";
  fs::copy_file(source / "JWC_TEMP.TXT", folder.Path() / "JWC_TEMP.TXT");
  fs::copy_file(source / "t517.dat", settings);
  const std::string old_settings = test::ReadBytes(settings);
  ASSERT_TRUE(SetFileAttributesW(
      settings.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));

  const test::RunResult run = test::RunDialog(folder.Path());
  const DWORD attributes = GetFileAttributesW(settings.c_str());
  SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_NORMAL);

  EXPECT_TRUE(run.Drawn);
  EXPECT_EQ(run.Output, test::ReadBytes(source / "expected.txt"));
  EXPECT_EQ(test::ReadBytes(settings), old_settings);
  EXPECT_EQ(attributes,
            DWORD{FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE});
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), {}), 2);
}

}  // namespace
}  // namespace halvane
