// Shared parts of the number parser fuzzers: character scanning for their
// slow reference parsers and the comparison with the real parser.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "util/number_parse.h"

namespace halvane::reference {

inline bool Digit(char c) { return c >= '0' && c <= '9'; }

// The end of the run of characters `in` accepts, starting at `i`.
inline size_t Run(const std::string& s, size_t i, bool (*in)(char)) {
  while (i < s.size() && in(s[i])) ++i;
  return i;
}

// Skips leading spaces and takes an optional sign; true when it was "-".
inline bool SpacesAndSign(const std::string& s, size_t& i) {
  while (i < s.size() && s[i] == ' ') ++i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) return s[i++] == '-';
  return false;
}

template <typename T>
struct Expected {
  bool ok;
  T value;
  size_t stop;
};

// Bitwise, so that the sign of zero counts too.
template <typename T>
bool Same(T a, T b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// Aborts unless both forms of the parser give what the reference expects.
template <typename T>
void Compare(const std::string& text, const Expected<T>& expected,
             ParseResult (*range)(const char*, const char*, T&),
             T (*whole)(std::string_view)) {
  T value{77};
  ParseResult r = range(text.data(), text.data() + text.size(), value);
  if (r.ok != expected.ok || !Same(value, expected.value) ||
      static_cast<size_t>(r.ptr - text.data()) != expected.stop) {
    std::abort();
  }
  T whole_value =
      expected.ok && expected.stop == text.size() ? expected.value : T{};
  if (!Same(whole(text), whole_value)) std::abort();
}

}  // namespace halvane::reference
