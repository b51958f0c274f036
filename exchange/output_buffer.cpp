#include "exchange/output_buffer.h"

#include <cstring>
#include <new>
#include <string>

#include "util/file_access.h"

namespace halvane {

namespace {

constexpr std::size_t kMaxLineBytes = sizeof(OutputLine::Bytes);
constexpr std::size_t kWriteChunk = 64 * 1024;
constexpr std::string_view kLineEnd = "\r\n";

std::string_view View(const OutputLine& line) {
  return {line.Bytes, line.Length};
}

bool EndsWithQuote(const OutputLine& line) {
  return line.Length > 0 && line.Bytes[line.Length - 1] == '"';
}

// Collects the file's bytes and hands them to the writer in large pieces.
class ChunkedWriter {
 public:
  explicit ChunkedWriter(AtomicFileWriter& file) : file_(file) {
    pending_.reserve(kWriteChunk + kMaxLineBytes + kLineEnd.size());
  }
  bool Add(std::string_view bytes) {
    pending_ += bytes;
    return pending_.size() < kWriteChunk || Flush();
  }
  bool Flush() {
    const bool ok = file_.Write(pending_);
    pending_.clear();
    return ok;
  }

 private:
  AtomicFileWriter& file_;
  std::string pending_;
};

bool WriteLines(const BlockTable<OutputLine>& lines, ChunkedWriter& out) {
  const std::size_t count = lines.Count();
  if (count == 0) return out.Add("hq") && out.Add(kLineEnd);
  for (std::size_t i = 0; i < count; ++i) {
    const OutputLine& line = lines[i];
    if (!out.Add(View(line))) return false;
    // A text command ends in a double quote; its text follows on the same
    // line. A last such entry ends the file without a line end.
    if (EndsWithQuote(line)) {
      if (i + 1 == count) break;
      ++i;
      if (!out.Add(View(lines[i]))) return false;
    }
    if (!out.Add(kLineEnd)) return false;
  }
  return true;
}

}  // namespace

// A control byte could end or break the host's line (a NUL cuts it short),
// so none is ever written, whatever brought it in.
void PutLine(ExchangeOutput& out, std::string_view text) {
  OutputLine& line = out.Lines.Append();
  std::size_t length = 0;
  for (const char c : text) {
    if (length == kMaxLineBytes) break;
    if (static_cast<unsigned char>(c) >= 0x20) line.Bytes[length++] = c;
  }
  line.Length = static_cast<uint8_t>(length);
}

bool WriteOutputFile(const ExchangeOutput& out, const NativePath& path) {
  std::error_code error;
  return WriteOutputFile(out, path, error);
}

bool WriteOutputFile(const ExchangeOutput& out, const NativePath& path,
                     std::error_code& error) {
  error.clear();
  try {
    AtomicFileWriter file(path);
    ChunkedWriter chunks(file);
    if (WriteLines(out.Lines, chunks) && chunks.Flush() && file.Commit()) {
      return true;
    }
    error = file.Error();
  } catch (const std::bad_alloc&) {
    // the writer's destructor removes the temporary file
    error = std::make_error_code(std::errc::not_enough_memory);
  }
  return false;
}

}  // namespace halvane
