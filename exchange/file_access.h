// Opening files by their full path, wide on Windows so that folders with
// Japanese names work, and the seam through which tests make writes fail.
#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string_view>

namespace halvane {

bool RegularFileExists(const std::filesystem::path& path);
// fopen by path; mode as for fopen ("rb", "wb").
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);

// Writes a whole file through a temporary file in the same folder that then
// replaces `path` in one step. On any failure the temporary file is removed,
// the old file stays as it was, and the result is false.
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(const std::filesystem::path& path);
  ~AtomicFileWriter();  // abandons an uncommitted write
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  bool Write(std::string_view bytes);
  // Flushes, closes and renames over the target. False on any failure.
  bool Commit();

 private:
  void Abandon();
  std::filesystem::path target_;
  std::filesystem::path temp_;
  std::FILE* file_ = nullptr;
  bool failed_ = false;
};

// Test seam: after `bytes` more bytes have been written through any
// AtomicFileWriter, writes fail. A negative value switches the fault off.
void SetWriteFaultAfter(long long bytes);

}  // namespace halvane
