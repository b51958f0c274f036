// The fast way through most lines of JWC_TEMP.TXT: a line of printable ASCII
// and spaces, ended by LF or CR LF, perhaps with a quoted text at its end, is
// split in place in the read buffer and its plain decimal fields are read on
// the way, in one pass. Any other line is left to the LineSplitter, which
// splits it the same way.
#pragma once

#include <cstdint>
#include <string_view>

#include "exchange/reader/line_fields.h"

namespace halvane {

class PlainLine {
 public:
  // Splits the line starting at `first` and returns the position after its
  // LF. Returns nullptr, with nothing split, when the line holds a byte other
  // than a space or 0x21-0x7F ('"' and '=' excepted) before its line end or
  // a field that starts with '"', a byte the splitter would drop after that,
  // more than 32 fields, or does not end before `last`.
  const char* Split(const char* first, const char* last);

  // The fields of the last line split; views into the read buffer.
  LineFields Fields() const {
    return LineFields{count_, views_, numbers_, known_};
  }

 private:
  std::string_view views_[kMaxFields];
  double numbers_[kMaxFields];
  uint32_t known_ = 0;
  int count_ = 0;
};

}  // namespace halvane
