// Eight bytes at a time: masks with the high bit of each flagged byte set.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace halvane::byte_words {

inline constexpr std::size_t kWord = sizeof(uint64_t);
inline constexpr uint64_t kOnes = 0x0101010101010101ull;
inline constexpr uint64_t kHighBits = 0x8080808080808080ull;
inline constexpr bool kLittleEndian =
    std::endian::native == std::endian::little;

inline uint64_t Load(const void* p) {
  uint64_t word;
  std::memcpy(&word, p, kWord);
  return word;
}

// Bytes below n (n <= 0x80). Only the lowest flagged byte is certain: a
// borrow may flag bytes above it wrongly.
constexpr uint64_t BytesBelow(uint64_t word, uint8_t n) {
  return (word - kOnes * n) & ~word & kHighBits;
}

// Bytes equal to c; only the lowest flagged byte is certain.
constexpr uint64_t BytesEqual(uint64_t word, uint8_t c) {
  return BytesBelow(word ^ (kOnes * c), 1);
}

// Index of the byte of the lowest flag in a non-zero mask.
inline int FirstFlagged(uint64_t mask) { return std::countr_zero(mask) / 8; }

}  // namespace halvane::byte_words
