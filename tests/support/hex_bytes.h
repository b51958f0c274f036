// Bytes as upper-case hex digits, for messages about Shift-JIS texts.
#pragma once

#include <string>

namespace halvane::test {

inline std::string Hex(const std::string& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char b : bytes) {
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

}  // namespace halvane::test
