// Character scanning for the slow reference parsers of the number fuzzers.
#pragma once

#include <cstddef>
#include <string>

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

}  // namespace halvane::reference
