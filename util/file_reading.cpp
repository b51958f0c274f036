#include "util/file_reading.h"

#include <cerrno>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace halvane {

#ifdef _WIN32

namespace {

ReadFailure FailureOfError(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
      return ReadFailure::Missing;
    case ERROR_ACCESS_DENIED:
      return ReadFailure::NoPermission;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return ReadFailure::InUse;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return ReadFailure::NoMemory;
    default:
      return ReadFailure::ReadError;
  }
}

}  // namespace

std::FILE* OpenForReading(const NativePath& path, std::uint64_t& size,
                          ReadFailure& why) {
  // Without backup semantics a folder fails to open as access denied.
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    why = ReadFailure::Folder;
    return nullptr;
  }
  HANDLE handle =
      CreateFileW(path.c_str(), GENERIC_READ,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    why = FailureOfError(GetLastError());
    return nullptr;
  }
  LARGE_INTEGER length;
  if (GetFileType(handle) != FILE_TYPE_DISK) {
    why = ReadFailure::NotAFile;
  } else if (!GetFileSizeEx(handle, &length)) {
    why = FailureOfError(GetLastError());
  } else {
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle),
                                   _O_RDONLY | _O_BINARY);
    if (fd != -1) {
      if (std::FILE* file = _fdopen(fd, "rb")) {
        size = static_cast<std::uint64_t>(length.QuadPart);
        return file;
      }
      _close(fd);  // closes the handle too
      why = ReadFailure::NoMemory;
      return nullptr;
    }
    why = ReadFailure::NoMemory;
  }
  CloseHandle(handle);
  return nullptr;
}

#else

namespace {

ReadFailure FailureOfErrno(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
      return ReadFailure::Missing;
    case EACCES:
    case EPERM:
      return ReadFailure::NoPermission;
    case EISDIR:
      return ReadFailure::Folder;
    case ENXIO:
    case ENODEV:
      return ReadFailure::NotAFile;
    case ENOMEM:
      return ReadFailure::NoMemory;
    default:
      return ReadFailure::ReadError;
  }
}

}  // namespace

std::FILE* OpenForReading(const NativePath& path, std::uint64_t& size,
                          ReadFailure& why) {
  // Non-blocking, so that opening a FIFO without a writer returns at once.
  const int fd =
      open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    why = FailureOfErrno(errno);
    return nullptr;
  }
  struct stat status;
  const int flags = fcntl(fd, F_GETFL);
  if (fstat(fd, &status) != 0) {
    why = FailureOfErrno(errno);
  } else if (S_ISDIR(status.st_mode)) {
    why = ReadFailure::Folder;
  } else if (!S_ISREG(status.st_mode)) {
    why = ReadFailure::NotAFile;
  } else if (flags == -1 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == -1) {
    why = FailureOfErrno(errno);
  } else if (std::FILE* file = fdopen(fd, "rb")) {
    size = static_cast<std::uint64_t>(status.st_size);
    return file;
  } else {
    why = FailureOfErrno(errno);
  }
  close(fd);
  return nullptr;
}

#endif

}  // namespace halvane
