// Opening files by their full path, wide on Windows so that folders with
// Japanese names work.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "util/native_path.h"

namespace halvane {

bool RegularFileExists(const NativePath& path);
// The size of an existing regular file; nullopt for anything else.
std::optional<std::uint64_t> RegularFileSize(const NativePath& path);
// fopen by path; mode as for fopen ("rb", "wb").
std::FILE* OpenFile(const NativePath& path, const char* mode);

// The steps of a commit, in the order they run.
enum class WriteStep { Flush, Rename, FolderSync };

// Writes a whole file through a temporary file in the same folder that then
// replaces `path` in one step, its data on the disk before the replace. On
// any failure the temporary file is removed, the old file stays as it was,
// and the result is false. A read-only target is never replaced.
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(const NativePath& path);
  ~AtomicFileWriter();  // abandons an uncommitted write
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  bool Write(std::string_view bytes);
  // Flushes to the disk, closes and renames over the target. False on any
  // failure.
  bool Commit();
  // Why the write failed; empty while it has not.
  const std::error_code& Error() const { return error_; }

 private:
  bool Fail(std::error_code error);
  bool FlushToDisk();
  bool ReplaceTarget();
  void SyncFolder();
  void Abandon();
  NativePath target_;
  NativePath temp_;
  std::FILE* file_ = nullptr;
  bool failed_ = false;
  std::error_code error_;
};

}  // namespace halvane
