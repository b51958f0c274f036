#include "exchange/reader/line_splitter.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "exchange/reader/special_bytes.h"
#include "util/sjis_text.h"

namespace halvane {
namespace {

using namespace byte_words;

enum ByteClass : uint8_t { kAppend, kDrop, kLead, kSeparator, kQuote, kEquals };

std::array<uint8_t, 256> MakeClasses(bool splitting) {
  std::array<uint8_t, 256> classes{};
  for (int c = 0; c < 256; ++c) {
    if (IsLeadByte(static_cast<unsigned char>(c))) {
      classes[c] = kLead;
    } else if (c < 0x20 || c >= 0xFE) {
      classes[c] = kDrop;
    } else {
      classes[c] = kAppend;
    }
  }
  if (splitting) {
    classes[0x09] = kSeparator;
    classes[0x20] = kSeparator;
    classes[0x22] = kQuote;
    classes[0x3D] = kEquals;
  }
  return classes;
}

const std::array<uint8_t, 256> kSplitting = MakeClasses(true);
const std::array<uint8_t, 256> kNotSplitting = MakeClasses(false);

constexpr std::size_t kMinCapacity = 256;
// A line buffer bigger than this is given back before the next line.
constexpr std::size_t kKeptCapacity = std::size_t{1} << 20;

}  // namespace

void LineSplitter::Begin(bool drop_all_cr) {
  if (capacity_ > kKeptCapacity) {
    buffer_.reset();
    capacity_ = 0;
  }
  used_ = 0;
  field_start_ = 0;
  current_ = 0;
  pending_lead_.reset();
  splitting_ = true;
  drop_all_cr_ = drop_all_cr;
  full_ = false;
}

void LineSplitter::Reserve(std::size_t extra) {
  const std::size_t need = used_ + extra;
  if (need <= capacity_) return;
  const std::size_t grown =
      std::max({capacity_ + capacity_ / 2, need, kMinCapacity});
  std::unique_ptr<char[]> bigger(new char[grown]);
  if (used_ != 0) std::memcpy(bigger.get(), buffer_.get(), used_);
  buffer_ = std::move(bigger);
  capacity_ = grown;
}

void LineSplitter::NextField(std::size_t field_end) {
  ends_[current_] = field_end;
  if (current_ == kMaxFields - 1) {
    full_ = true;
    return;
  }
  ++current_;
  field_start_ = field_end;
}

void LineSplitter::Feed(const char* first, const char* last) {
  if (full_ || first == last) return;
  // A pending lead byte and its partner add one byte more than the piece;
  // the word-wise copy below may write up to a word beyond what it keeps.
  Reserve(static_cast<std::size_t>(last - first) + 1 + kWord);
  const auto* p = reinterpret_cast<const unsigned char*>(first);
  const auto* end = reinterpret_cast<const unsigned char*>(last);
  char* const base = buffer_.get();
  char* out = base + used_;
  const uint8_t* classes =
      splitting_ ? kSplitting.data() : kNotSplitting.data();

  if (pending_lead_) {
    if (drop_all_cr_) {
      while (p < end && *p == '\r') ++p;
      if (p == end) return;
    }
    *out++ = static_cast<char>(*pending_lead_);
    *out++ = static_cast<char>(*p++);
    pending_lead_.reset();
  }
  while (p < end) {
    if constexpr (kLittleEndian) {
      // Runs of ordinary bytes go a word at a time.
      while (end - p >= static_cast<std::ptrdiff_t>(kWord)) {
        const uint64_t word = Load(p);
        std::memcpy(out, &word, kWord);
        const uint64_t special = SpecialBytes(word, splitting_);
        if (special == 0) {
          p += kWord;
          out += kWord;
          continue;
        }
        const int plain = std::countr_zero(special) / 8;
        p += plain;
        out += plain;
        break;
      }
      if (p == end) break;
    }
    const unsigned char c = *p++;
    const uint8_t byte_class = classes[c];
    if (byte_class == kAppend) {  // most bytes: keep the loop tight for them
      *out++ = static_cast<char>(c);
      continue;
    }
    switch (byte_class) {
      case kAppend:
        break;
      case kDrop:
        break;
      case kLead:
        if (drop_all_cr_) {
          while (p < end && *p == '\r') ++p;
        }
        if (p == end) {
          pending_lead_ = c;
          break;
        }
        *out++ = static_cast<char>(c);
        *out++ = static_cast<char>(*p++);
        break;
      case kSeparator:
        if (static_cast<std::size_t>(out - base) != field_start_) {
          NextField(static_cast<std::size_t>(out - base));
          if (full_) {
            used_ = static_cast<std::size_t>(out - base);
            return;
          }
        }
        break;
      case kQuote:
        splitting_ = false;
        classes = kNotSplitting.data();
        break;
      case kEquals:
        *out++ = static_cast<char>(c);
        splitting_ = false;
        classes = kNotSplitting.data();
        break;
    }
  }
  used_ = static_cast<std::size_t>(out - base);
}

LineFields LineSplitter::Finish() {
  // A lead byte at the very end of the line has no partner and is dropped.
  pending_lead_.reset();
  if (!full_) ends_[current_] = used_;
  std::size_t start = 0;
  for (int k = 0; k <= current_; ++k) {
    views_[k] = std::string_view(buffer_.get() + start, ends_[k] - start);
    start = ends_[k];
  }
  return LineFields{current_ + 1, views_};
}

}  // namespace halvane
