#include "util/sjis_text.h"

#include <algorithm>
#include <cstdint>

#include "util/fullwidth_table.h"
#include "util/sjis_text_internal.h"

namespace halvane {
namespace {

constexpr int kPieceBytes = 126;

// Bytes of the character starting at text[i]; a lead byte at the very end
// stands alone rather than borrowing a byte past the end.
std::size_t CharLength(std::string_view text, std::size_t i) {
  return IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()
             ? 2
             : 1;
}

void AppendCode(std::string& out, std::uint16_t code) {
  out.push_back(static_cast<char>(code >> 8));
  out.push_back(static_cast<char>(code & 0xFF));
}

// Maps one piece on its own: a voiced mark combines only with a kana of the
// same piece.
void AppendFullWidthPiece(std::string_view piece, std::string& out) {
  for (std::size_t i = 0; i < piece.size();) {
    const auto b = static_cast<unsigned char>(piece[i]);
    if (IsLeadByte(b)) {
      if (i + 1 >= piece.size()) {
        out.push_back(piece[i]);
        ++i;
        continue;
      }
      const auto code = static_cast<std::uint16_t>(
          b << 8 | static_cast<unsigned char>(piece[i + 1]));
      if (const std::uint16_t katakana = KatakanaOfHiragana(code)) {
        AppendCode(out, katakana);
      } else {
        out.append(piece.substr(i, 2));
      }
      i += 2;
      continue;
    }
    if (i + 1 < piece.size()) {
      const auto mark = static_cast<unsigned char>(piece[i + 1]);
      if (const std::uint16_t combined = CombinedFullWidth(b, mark)) {
        AppendCode(out, combined);
        i += 2;
        continue;
      }
    }
    if (const std::uint16_t full = FullWidthOfByte(b)) {
      AppendCode(out, full);
    } else {
      out.push_back(piece[i]);
    }
    ++i;
  }
}

}  // namespace

std::string StripSpaces(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = CharLength(text, i);
    const auto b = static_cast<unsigned char>(text[i]);
    const bool blank =
        n == 2 ? b == 0x81 && static_cast<unsigned char>(text[i + 1]) == 0x40
               : b <= 0x20;
    if (!blank) result.append(text.substr(i, n));
    i += n;
  }
  return result;
}

std::string SjisCopy(std::string_view text, int start, int count, int& copied) {
  copied = 0;
  std::string result;
  if (text.empty() || start < 1 ||
      static_cast<std::size_t>(start) > text.size() || count <= 0) {
    return result;
  }
  // Positions from 1; 64-bit so start + count cannot overflow.
  const long long first = start;
  const long long last = first + count - 1;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = CharLength(text, i);
    const long long position = static_cast<long long>(i) + 1;
    // A lone lead byte at the end still counts as two bytes wide.
    const long long width =
        IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    if (position >= first && position + width - 1 <= last) {
      result.append(text.substr(i, n));
    }
    if (position + width - 1 > last) break;
    i += n;
  }
  copied = static_cast<int>(result.size());
  return result;
}

void CopyToBuffer(std::string_view text, char* buffer, std::size_t capacity) {
  if (buffer == nullptr) return;
  // Cut at a character boundary so the copy never ends in half a character.
  std::size_t length = 0;
  while (length < text.size()) {
    const std::size_t n = CharLength(text, length);
    if (length + n > capacity) break;
    length += n;
  }
  std::copy_n(text.data(), length, buffer);
  buffer[length] = '\0';
}

std::string ToFullWidth(std::string_view text) {
  std::string result;
  result.reserve(text.size() * 2);
  int position = 1;
  for (;;) {
    int copied = 0;
    const std::string piece = SjisCopy(text, position, kPieceBytes, copied);
    if (copied == 0) break;
    AppendFullWidthPiece(piece, result);
    position += copied;
  }
  return result;
}

double TextLength(std::string_view text, double width, double spacing) {
  double length = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = CharLength(text, i);
    const auto b = static_cast<unsigned char>(text[i]);
    const bool more = i + n < text.size();
    if (IsLeadByte(b)) {
      length += width;
      if (more) length += spacing;
    } else {
      if (b >= 0x20) length += width / 2;
      if (more) length += spacing / 2;
    }
    i += n;
  }
  return length;
}

}  // namespace halvane
