// A file that another program holds open without sharing cannot be opened.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>

#include "reader_test_support.h"

namespace halvane {
namespace {

TEST_F(ReaderTest, FileLockedByAnotherProgramIsFalse) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "halvane_reader_locked.txt";
  std::ofstream(path, std::ios::binary) << "hk 5\r\n";
  HANDLE lock =
      CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(ReadFromFile(path));
  EXPECT_EQ(data_.DrawingAngle, 0);
  ReadFailure why = ReadFailure::Missing;
  EXPECT_FALSE(ReadExchangeFile(path, data_, why));
  EXPECT_EQ(why, ReadFailure::InUse);
  CloseHandle(lock);
  EXPECT_TRUE(ReadFromFile(path));
  EXPECT_EQ(data_.DrawingAngle, 5);
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace halvane
