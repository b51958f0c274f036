// The file a fuzz target hands to a reader that takes a path: one per
// process, in memory (/dev/shm) where the system has it, so that writing it
// for every input costs no disk work.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace halvane {

inline std::filesystem::path FuzzFilePath(const char* extension) {
  std::error_code ec;
  const std::filesystem::path shm("/dev/shm");
  const std::filesystem::path folder =
      std::filesystem::is_directory(shm, ec)
          ? shm
          : std::filesystem::temp_directory_path();
  return folder / ("halvane_fuzz_" + std::to_string(getpid()) + extension);
}

// Replaces the file's contents with the bytes; false when that failed.
inline bool WriteFuzzFile(const std::filesystem::path& path, const void* data,
                          std::size_t size) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  const bool written = std::fwrite(data, 1, size, f) == size;
  return std::fclose(f) == 0 && written;
}

}  // namespace halvane
