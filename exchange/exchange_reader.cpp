#include "exchange/exchange_reader.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "exchange/reader/line_rows.h"
#include "exchange/reader/line_splitter.h"
#include "exchange/reader/plain_line.h"
#include "util/text_file.h"

namespace halvane {
namespace {

constexpr std::size_t kChunkBytes = std::size_t{1} << 20;

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// A file smaller than a chunk is read into a buffer of its own size, so a
// few lines never cost a megabyte to allocate and page in.
std::size_t ChunkBytesFor(std::uint64_t file_size) {
  return file_size >= kChunkBytes ? kChunkBytes
                                  : static_cast<std::size_t>(file_size) + 1;
}

}  // namespace

// Reads the open file in chunks. Most lines are split in place; the rest go
// to the splitter piece by piece, so no line is ever copied whole. False on
// a read error.
bool ExchangeReader::ReadLines(std::FILE* file, std::size_t chunk_bytes) {
  std::unique_ptr<char[]> chunk(new char[chunk_bytes]);
  LineSplitter& splitter = splitter_;
  ReaderState& state = state_;
  PlainLine plain;
  splitter.Begin(true);
  bool line_open = false;
  for (;;) {
    const std::size_t got = std::fread(chunk.get(), 1, chunk_bytes, file);
    if (got == 0) {
      if (std::ferror(file)) return false;
      break;
    }
    bool ended = false;
    const char* p = chunk.get();
    const char* end = p + TextBytes(p, got, ended);
    while (p < end) {
      if (!line_open) {
        if (const char* next = plain.Split(p, end)) {
          StoreLine(state, plain.Fields());
          p = next;
          continue;
        }
      }
      const void* lf =
          std::memchr(p, kLineEnd, static_cast<std::size_t>(end - p));
      if (lf == nullptr) {
        splitter.Feed(p, end);
        line_open = true;
        break;
      }
      const char* line_end = static_cast<const char*>(lf);
      splitter.Feed(p, line_end);
      StoreLine(state, splitter.Finish());
      splitter.Begin(true);
      line_open = false;
      p = line_end + 1;
    }
    if (ended) break;
  }
  if (line_open) StoreLine(state, splitter.Finish());
  return true;
}

bool ExchangeReader::ReadFile(const NativePath& path, ReadFailure& why) {
  std::uint64_t size = 0;
  FileHandle file(OpenForReading(path, size, why));
  if (!file) return false;
  bool read = false;
  try {
    read = ReadLines(file.get(), ChunkBytesFor(size));
  } catch (const std::bad_alloc&) {
    why = ReadFailure::NoMemory;
    return false;
  }
  if (read && std::fclose(file.release()) == 0) return true;
  why = ReadFailure::ReadError;
  return false;
}

bool ExchangeReader::ReadFile(const NativePath& path) {
  ReadFailure why;
  return ReadFile(path, why);
}

void ExchangeReader::ParseLine(std::string_view line) {
  splitter_.Begin(false);
  splitter_.Feed(line.data(), line.data() + line.size());
  StoreLine(state_, splitter_.Finish());
}

bool ReadExchangeFile(const NativePath& path, ExchangeData& data,
                      ReadFailure& why) {
  data.Reset();
  return ExchangeReader(data).ReadFile(path, why);
}

bool ReadExchangeFile(const NativePath& path, ExchangeData& data) {
  ReadFailure why;
  return ReadExchangeFile(path, data, why);
}

}  // namespace halvane
