// The bytes the line splitters stop at, eight at a time.
#pragma once

#include <cstdint>

#include "util/byte_words.h"

namespace halvane::byte_words {

// Bytes a line's splitting does more with than append: a control byte, a
// byte from 0x80 up, and while splitting a separator, a quote or an equals
// sign. Only the lowest flagged byte is certain.
constexpr uint64_t SpecialBytes(uint64_t word, bool splitting) {
  uint64_t special = word & kHighBits;
  if (splitting) {
    special |=
        BytesBelow(word, 0x21) | BytesEqual(word, '"') | BytesEqual(word, '=');
  } else {
    special |= BytesBelow(word, 0x20);
  }
  return special;
}

}  // namespace halvane::byte_words
