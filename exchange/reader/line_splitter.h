// Splits one line of JWC_TEMP.TXT into at most 32 fields, byte by byte, the
// way the host's lines are built: spaces and tabs separate, a double quote or
// an equals sign ends the splitting, double-byte characters stay whole.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>

#include "exchange/reader/line_fields.h"

namespace halvane {

// Splits a line that may arrive in pieces, so a long line is never held
// twice. One buffer is reused for all lines; it only grows as far as the
// fields need, and bytes beyond the 32nd field are dropped.
class LineSplitter {
 public:
  LineSplitter() { Begin(false); }
  LineSplitter(const LineSplitter&) = delete;
  LineSplitter& operator=(const LineSplitter&) = delete;

  // Starts a line. With `drop_all_cr` every CR is left out, even right after a
  // lead byte (the file reader's lines, whose CRs are line-end noise).
  void Begin(bool drop_all_cr);
  // Adds the next bytes of the line. Throws std::bad_alloc.
  void Feed(const char* first, const char* last);
  // Ends the line; the views stay valid until the next Begin().
  LineFields Finish();

  std::size_t BufferCapacity() const { return capacity_; }

 private:
  void Reserve(std::size_t extra);
  void NextField(std::size_t field_end);

  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_ = 0;
  // Set by Begin().
  std::size_t used_;
  std::size_t ends_[kMaxFields];
  std::string_view views_[kMaxFields];
  std::size_t field_start_;
  int current_;
  std::optional<unsigned char> pending_lead_;  // waiting for its second byte
  bool splitting_;
  bool drop_all_cr_;
  bool full_;  // the 32nd field is complete; the rest is dropped
};

}  // namespace halvane
