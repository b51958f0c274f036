// Opening files by their full path, wide on Windows so that folders with
// Japanese names work, and the seam through which tests make writes fail.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "exchange/native_path.h"

namespace halvane {

bool RegularFileExists(const NativePath& path);
// The size of an existing regular file; nullopt for anything else.
std::optional<std::uint64_t> RegularFileSize(const NativePath& path);
// fopen by path; mode as for fopen ("rb", "wb").
std::FILE* OpenFile(const NativePath& path, const char* mode);
// True for an existing file the user has locked: the read-only attribute on
// Windows, no write permission bit at all elsewhere.
bool IsReadOnlyFile(const NativePath& path);

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

// Test seam: after `bytes` more bytes have been written through any
// AtomicFileWriter, writes fail. A negative value switches the fault off.
void SetWriteFaultAfter(long long bytes);
// Test seam: `step` of every commit fails until called with std::nullopt.
void SetWriteFaultAt(std::optional<WriteStep> step);
// Test seam: every commit step appends itself to `log` before it runs;
// nullptr stops the recording.
void RecordWriteSteps(std::vector<WriteStep>* log);

}  // namespace halvane
