// The read-only check behind AtomicFileWriter, and the seams through which
// tests make its writes fail. The fault budget and the step log are
// file-level state in file_access.cpp: the writers under test are built deep
// inside the output and settings code, which has no way to pass them a fault.
#pragma once

#include <optional>
#include <vector>

#include "util/file_access.h"

namespace halvane {

// True for an existing file the user has locked: the read-only attribute on
// Windows, no write permission bit at all elsewhere.
bool IsReadOnlyFile(const NativePath& path);

// After `bytes` more bytes have been written through any AtomicFileWriter,
// writes fail. A negative value switches the fault off.
void SetWriteFaultAfter(long long bytes);
// `step` of every commit fails until called with std::nullopt.
void SetWriteFaultAt(std::optional<WriteStep> step);
// Every commit step appends itself to `log` before it runs; nullptr stops the
// recording.
void RecordWriteSteps(std::vector<WriteStep>* log);

}  // namespace halvane
