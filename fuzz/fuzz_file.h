// The file a fuzz target hands to a reader that takes a path: one per
// process, in memory (/dev/shm) where the system has it, so that writing it
// for every input costs no disk work; removed when the process ends.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace halvane {

class FuzzFile {
 public:
  explicit FuzzFile(const char* extension) {
    std::error_code ec;
    const std::filesystem::path shm("/dev/shm");
    const std::filesystem::path folder =
        std::filesystem::is_directory(shm, ec)
            ? shm
            : std::filesystem::temp_directory_path();
    path_ = folder / ("halvane_fuzz_" + std::to_string(getpid()) + extension);
  }
  ~FuzzFile() {
    std::error_code ec;
    std::filesystem::remove(path_, ec);
  }
  FuzzFile(const FuzzFile&) = delete;
  FuzzFile& operator=(const FuzzFile&) = delete;

  const std::filesystem::path& Path() const { return path_; }

  // Replaces the file's contents with the bytes; false when that failed.
  bool Write(const void* data, std::size_t size) const {
    std::FILE* f = std::fopen(path_.c_str(), "wb");
    if (f == nullptr) return false;
    const bool written = std::fwrite(data, 1, size, f) == size;
    return std::fclose(f) == 0 && written;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace halvane
