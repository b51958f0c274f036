// The rule that both file readers share: a byte 0x1A ends the text, and a
// line ends at LF (each reader drops the CR of a CR LF its own way).
#pragma once

#include <cstddef>
#include <cstring>

namespace halvane {

inline constexpr char kEndOfText = 0x1A;
inline constexpr char kLineEnd = '\n';

// How many bytes of a chunk just read belong to the text; sets `ended` when
// the chunk holds the end mark.
inline std::size_t TextBytes(const char* chunk, std::size_t size, bool& ended) {
  const void* mark = std::memchr(chunk, kEndOfText, size);
  if (mark == nullptr) return size;
  ended = true;
  return static_cast<std::size_t>(static_cast<const char*>(mark) - chunk);
}

}  // namespace halvane
