// Temporary folders and whole-file access for the tests that write files.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <string_view>

#include "util/file_access.h"

namespace halvane::test {

// A fresh folder below the system's temporary folder, removed afterwards.
class TempFolder {
 public:
  explicit TempFolder(const std::filesystem::path& leaf = "halvane app") {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("halvane_" + std::to_string(random()) + "_" +
             std::to_string(random()));
    path_ /= leaf;
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_.parent_path(), ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& name) const {
    return path_ / name;
  }
  // Names of everything in the folder, to see that no temporary file is left.
  std::set<std::string> Entries() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      const auto name = entry.path().filename().u8string();
      names.emplace(name.begin(), name.end());
    }
    return names;
  }

 private:
  std::filesystem::path path_;
};

inline void WriteBytes(const std::filesystem::path& path,
                       std::string_view bytes) {
  std::FILE* file = OpenFile(path, "wb");
  ASSERT_NE(file, nullptr) << path;
  EXPECT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
  std::fclose(file);
}

// The whole file, or "<missing>" when it cannot be opened.
inline std::string ReadBytes(const std::filesystem::path& path) {
  std::FILE* file = OpenFile(path, "rb");
  if (file == nullptr) return "<missing>";
  std::string bytes;
  char chunk[4096];
  for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) {
    bytes.append(chunk, n);
  }
  std::fclose(file);
  return bytes;
}

}  // namespace halvane::test
