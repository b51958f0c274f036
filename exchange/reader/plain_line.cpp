#include "exchange/reader/plain_line.h"

#include <cstddef>
#include <cstdint>

#include "exchange/reader/special_bytes.h"
#include "util/number_parse.h"
#include "util/sjis_text.h"

namespace halvane {
namespace {

using namespace byte_words;

// The position after a line end (LF or CR LF) at p, or nullptr.
const char* AfterLineEnd(const char* p, const char* last) {
  if (*p == '\n') return p + 1;
  if (*p == '\r' && last - p >= 2 && p[1] == '\n') return p + 2;
  return nullptr;
}

bool IsWordByte(unsigned char c) {
  return c > 0x20 && c < 0x80 && c != '"' && c != '=';
}

// Moves past the rest of a field; nullptr unless it ends at a space, CR or
// LF. The first byte that is no word byte is found eight at a time.
const char* SkipWord(const char* p, const char* last) {
  while (last - p >= static_cast<std::ptrdiff_t>(kWord)) {
    const uint64_t stop = SpecialBytes(Load(p), true);
    if (stop != 0) {
      p += FirstFlagged(stop);
      break;
    }
    p += kWord;
  }
  while (p != last && IsWordByte(static_cast<unsigned char>(*p))) ++p;
  if (p == last) return nullptr;
  return *p == ' ' || *p == '\r' || *p == '\n' ? p : nullptr;
}

// After a double quote the rest of the line is one field, taken as it
// stands when nothing in it would be dropped: no control byte, no 0xFE or
// 0xFF, no lead byte without a printable partner. The position of its line
// end (CR or LF), or nullptr.
const char* QuotedRest(const char* p, const char* last) {
  while (p != last) {
    while (last - p >= static_cast<std::ptrdiff_t>(kWord)) {
      const uint64_t special = SpecialBytes(Load(p), false);
      if (special != 0) {
        p += FirstFlagged(special);
        break;
      }
      p += kWord;
    }
    if (p == last) return nullptr;
    const auto c = static_cast<unsigned char>(*p);
    if (c < 0x20) return c == '\r' || c == '\n' ? p : nullptr;
    if (c >= 0xFE) return nullptr;
    if (!IsLeadByte(c)) {
      ++p;
      continue;
    }
    if (last - p < 2 || static_cast<unsigned char>(p[1]) < 0x20) return nullptr;
    p += 2;
  }
  return nullptr;
}

}  // namespace

const char* PlainLine::Split(const char* first, const char* last) {
  if constexpr (!kLittleEndian) return nullptr;
  const char* p = first;
  int fields = 0;
  uint32_t known = 0;
  for (;;) {
    const char* const field_end = p;
    while (p != last && *p == ' ') ++p;
    if (p == last) return nullptr;
    if (static_cast<unsigned char>(*p) <= 0x20) {
      const char* next = AfterLineEnd(p, last);
      if (next == nullptr) return nullptr;  // a tab or another control byte
      // As when splitting byte by byte: a separator after the last field
      // opens an empty one, unless 32 are complete; a blank line has one.
      const bool separated = p != field_end;
      count_ = fields;
      if (fields == 0 || (separated && fields < kMaxFields)) {
        views_[count_++] = std::string_view();
      }
      known_ = known;
      return next;
    }
    if (fields == kMaxFields) return nullptr;
    if (*p == '"') {
      const char* const line_end = QuotedRest(p + 1, last);
      if (line_end == nullptr) return nullptr;
      const char* next = AfterLineEnd(line_end, last);
      if (next == nullptr) return nullptr;
      views_[fields] =
          std::string_view(p + 1, static_cast<std::size_t>(line_end - (p + 1)));
      count_ = fields + 1;
      known_ = known;
      return next;
    }
    // A number is read where it stands; its digits are all word bytes.
    const char* const start = p;
    const ParseResult number = ParsePlainDecimal(p, last, numbers_[fields]);
    if (number.ok && number.ptr != last &&
        (*number.ptr == ' ' || *number.ptr == '\r' || *number.ptr == '\n')) {
      p = number.ptr;
      known |= 1u << fields;
    } else {
      p = SkipWord(p, last);
      if (p == nullptr) return nullptr;
    }
    views_[fields++] =
        std::string_view(start, static_cast<std::size_t>(p - start));
  }
}

}  // namespace halvane
