// The file or folder a fuzz target hands to code that takes a path: one per
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

// A name of this process's own in the folder.
inline std::filesystem::path FuzzPath(const char* suffix) {
  std::error_code ec;
  const std::filesystem::path shm("/dev/shm");
  const std::filesystem::path folder =
      std::filesystem::is_directory(shm, ec)
          ? shm
          : std::filesystem::temp_directory_path();
  return folder / ("halvane_fuzz_" + std::to_string(getpid()) + suffix);
}

// Replaces the file's contents with the bytes; false when that failed.
inline bool WriteBytes(const std::filesystem::path& path, const void* data,
                       std::size_t size) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  const bool written = std::fwrite(data, 1, size, f) == size;
  return std::fclose(f) == 0 && written;
}

class FuzzFile {
 public:
  explicit FuzzFile(const char* extension) : path_(FuzzPath(extension)) {}
  ~FuzzFile() {
    std::error_code ec;
    std::filesystem::remove(path_, ec);
  }
  FuzzFile(const FuzzFile&) = delete;
  FuzzFile& operator=(const FuzzFile&) = delete;

  const std::filesystem::path& Path() const { return path_; }

  bool Write(const void* data, std::size_t size) const {
    return WriteBytes(path_, data, size);
  }

 private:
  std::filesystem::path path_;
};

// A program folder, emptied when the process ends.
class FuzzFolder {
 public:
  FuzzFolder() : path_(FuzzPath("_folder")) {
    std::error_code ec;
    std::filesystem::create_directory(path_, ec);
  }
  ~FuzzFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  FuzzFolder(const FuzzFolder&) = delete;
  FuzzFolder& operator=(const FuzzFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace halvane
