#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <random>
#include <string>

#include "util/file_access_internal.h"

// The platform calls that put a file's data on the disk stay in this file.
#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace halvane {

namespace {

// Bytes left before the test seam makes writes fail; negative when off.
long long g_write_budget = -1;
std::optional<WriteStep> g_fault_step;
std::vector<WriteStep>* g_step_log = nullptr;

// Runs before each commit step: records it and tells whether the seam makes
// it fail.
bool StepFaulted(WriteStep step) {
  if (g_step_log != nullptr) g_step_log->push_back(step);
  return g_fault_step == step;
}

// The reason of the C library call that just failed.
std::error_code LastErrno() {
  return std::error_code(errno != 0 ? errno : EIO, std::generic_category());
}

#ifdef _WIN32
std::error_code LastWindowsError() {
  return std::error_code(static_cast<int>(GetLastError()),
                         std::system_category());
}
#endif

#ifdef _WIN32
using FileStatus = struct _stat64;
bool GetStatus(const NativePath& path, FileStatus& status) {
  return _wstat64(path.c_str(), &status) == 0;
}
bool RemovePath(const NativePath& path) { return _wremove(path.c_str()) == 0; }
#else
using FileStatus = struct stat;
bool GetStatus(const NativePath& path, FileStatus& status) {
  return stat(path.c_str(), &status) == 0;
}
bool RemovePath(const NativePath& path) {
  return std::remove(path.c_str()) == 0;
}
#endif

// Anything by that name, also a folder or a link that leads nowhere; true
// as well when the system cannot tell.
bool PathExists(const NativePath& path) {
#ifdef _WIN32
  if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
  const DWORD error = GetLastError();
  return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
#else
  struct stat status;
  return lstat(path.c_str(), &status) == 0 ||
         (errno != ENOENT && errno != ENOTDIR);
#endif
}

// Takes up to `wanted` bytes from the seam's budget; the rest must fail.
std::size_t AllowedBytes(std::size_t wanted) {
  if (g_write_budget < 0) return wanted;
  const auto budget = static_cast<unsigned long long>(g_write_budget);
  const std::size_t allowed = budget < wanted ? budget : wanted;
  g_write_budget -= static_cast<long long>(allowed);
  return allowed;
}

std::string UniqueSuffix() {
  static std::atomic<unsigned> counter{0};
  static const std::uint64_t seed = [] {
    std::random_device device;
    const auto clock = static_cast<std::uint64_t>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    return (static_cast<std::uint64_t>(device()) << 32) ^ device() ^ clock;
  }();
  std::uint64_t mixed = seed + 0x9E3779B97F4A7C15ull * ++counter;
  mixed ^= mixed >> 29;
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::string suffix;
  for (int i = 0; i < 8; ++i) {
    suffix += kDigits[mixed % 36];
    mixed /= 36;
  }
  return suffix;
}

// Creates a new file beside `target`; never opens a file that exists.
std::FILE* CreateTemporary(const NativePath& target, NativePath& temp,
                           std::error_code& error) {
  error = std::make_error_code(std::errc::file_exists);
  for (int attempt = 0; attempt < 16; ++attempt) {
    temp = target;
    for (const char c : ".tmp" + UniqueSuffix()) {
      temp += static_cast<NativePath::value_type>(c);
    }
    if (PathExists(temp)) continue;
    errno = 0;
#ifdef _WIN32
    // The C runtime of MinGW does not know the "x" mode.
    std::FILE* file = OpenFile(temp, "wb");
#else
    std::FILE* file = OpenFile(temp, "wbx");
#endif
    if (file != nullptr) return file;
    error = LastErrno();
  }
  temp.clear();
  return nullptr;
}

}  // namespace

bool RegularFileExists(const NativePath& path) {
  return RegularFileSize(path).has_value();
}

std::optional<std::uint64_t> RegularFileSize(const NativePath& path) {
  FileStatus status;
  if (!GetStatus(path, status) || !S_ISREG(status.st_mode)) {
    return std::nullopt;
  }
  return static_cast<std::uint64_t>(status.st_size);
}

std::FILE* OpenFile(const NativePath& path, const char* mode) {
#ifdef _WIN32
  std::wstring wide_mode;
  for (const char* c = mode; *c != '\0'; ++c) wide_mode += wchar_t(*c);
  return _wfopen(path.c_str(), wide_mode.c_str());
#else
  return std::fopen(path.c_str(), mode);
#endif
}

bool IsReadOnlyFile(const NativePath& path) {
#ifdef _WIN32
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
         (attributes & FILE_ATTRIBUTE_READONLY) != 0;
#else
  // Checked by the bits, not by access(), so that root is held back too.
  FileStatus status;
  return GetStatus(path, status) && S_ISREG(status.st_mode) &&
         (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
#endif
}

AtomicFileWriter::AtomicFileWriter(const NativePath& path) : target_(path) {
  // A rename would replace a locked file as if it were not; refuse it as a
  // direct write would.
  if (IsReadOnlyFile(target_)) {
    Fail(std::make_error_code(std::errc::permission_denied));
    return;
  }
  std::error_code error;
  file_ = CreateTemporary(target_, temp_, error);
  if (file_ == nullptr) Fail(error);
}

AtomicFileWriter::~AtomicFileWriter() { Abandon(); }

bool AtomicFileWriter::Write(std::string_view bytes) {
  if (failed_ || file_ == nullptr) return false;
  const std::size_t allowed = AllowedBytes(bytes.size());
  errno = 0;
  const std::size_t written =
      allowed == 0 ? 0 : std::fwrite(bytes.data(), 1, allowed, file_);
  if (written == bytes.size()) return true;
  // The seam stands for a full disk.
  return Fail(allowed < bytes.size()
                  ? std::make_error_code(std::errc::no_space_on_device)
                  : LastErrno());
}

bool AtomicFileWriter::Commit() {
  if (failed_ || file_ == nullptr) {
    if (!failed_) error_ = std::make_error_code(std::errc::invalid_argument);
    Abandon();
    return false;
  }
  if (!FlushToDisk() || !ReplaceTarget()) return false;
  temp_.clear();
  SyncFolder();
  return true;
}

bool AtomicFileWriter::Fail(std::error_code error) {
  if (!error_) error_ = error;
  Abandon();
  return false;
}

bool AtomicFileWriter::FlushToDisk() {
  if (StepFaulted(WriteStep::Flush)) {
    return Fail(std::make_error_code(std::errc::io_error));
  }
  errno = 0;
  if (std::fflush(file_) != 0 || std::ferror(file_) != 0) {
    return Fail(LastErrno());
  }
#ifdef _WIN32
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file_)));
  if (!FlushFileBuffers(handle)) return Fail(LastWindowsError());
#else
  if (fsync(fileno(file_)) != 0) return Fail(LastErrno());
#endif
  errno = 0;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  return closed || Fail(LastErrno());
}

bool AtomicFileWriter::ReplaceTarget() {
  if (StepFaulted(WriteStep::Rename)) {
    return Fail(std::make_error_code(std::errc::io_error));
  }
#ifdef _WIN32
  // Write-through: the call returns once the replace is on the disk.
  if (!MoveFileExW(temp_.c_str(), target_.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return Fail(LastWindowsError());
  }
#else
  errno = 0;
  if (std::rename(temp_.c_str(), target_.c_str()) != 0) {
    return Fail(LastErrno());
  }
#endif
  return true;
}

// Makes the rename itself durable. Its failure is not a failed write: the
// new file is already in place with its data on the disk and reads back as
// written, and nothing could bring the old one back, so the commit stands.
void AtomicFileWriter::SyncFolder() {
#ifdef _WIN32
  // MOVEFILE_WRITE_THROUGH has done this already.
#else
  if (StepFaulted(WriteStep::FolderSync)) return;
  const NativePath folder = HasFolder(target_) ? RemoveFileName(target_) : ".";
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
#endif
}

void AtomicFileWriter::Abandon() {
  failed_ = true;
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
  }
  if (!temp_.empty()) {
    RemovePath(temp_);
    temp_.clear();
  }
}

void SetWriteFaultAfter(long long bytes) {
  g_write_budget = bytes < 0 ? -1 : bytes;
}

void SetWriteFaultAt(std::optional<WriteStep> step) { g_fault_step = step; }

void RecordWriteSteps(std::vector<WriteStep>* log) { g_step_log = log; }

}  // namespace halvane
