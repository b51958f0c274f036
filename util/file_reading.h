// Opening an existing file for reading, telling a file that is not there
// from one that is there but cannot be read.
#pragma once

#include <cstdint>
#include <cstdio>

#include "util/native_path.h"

namespace halvane {

// Why a file could not be read.
enum class ReadFailure {
  Missing,       // nothing by that name, or a folder on its way is missing
  Folder,        // the name is a folder's
  NotAFile,      // a device, a FIFO or a socket
  NoPermission,  // the user may not read it
  InUse,         // another program holds it open without sharing it
  ReadError,     // opening or reading failed otherwise
  NoMemory,      // no memory to read it into
};

// Opens a regular file for reading and gives its size. A device or a FIFO is
// refused without waiting for it. On failure returns nullptr and sets `why`.
std::FILE* OpenForReading(const NativePath& path, std::uint64_t& size,
                          ReadFailure& why);

}  // namespace halvane
