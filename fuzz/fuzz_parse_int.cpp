// Differential check of ParseInt against a plain reference of its grammar.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/number_reference.h"
#include "util/number_parse.h"

namespace {

using halvane::reference::Digit;
using halvane::reference::Run;

using Expected = halvane::reference::Expected<int32_t>;

bool HexDigit(char c) {
  return Digit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

Expected Reference(const std::string& s) {
  size_t i = 0;
  bool negative = halvane::reference::SpacesAndSign(s, i);
  size_t hex = std::string::npos;
  if (i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
    hex = i + 1;
  } else if (s.compare(i, 2, "0x") == 0 || s.compare(i, 2, "0X") == 0) {
    hex = i + 2;
  }
  if (hex < s.size() && HexDigit(s[hex])) {
    size_t end = Run(s, hex, HexDigit);
    if (end - hex > 8) return {false, 0, end};
    uint32_t bits = static_cast<uint32_t>(
        std::strtoul(s.substr(hex, end - hex).c_str(), nullptr, 16));
    if (negative) bits = ~bits + 1;
    return {true, static_cast<int32_t>(bits), end};
  }
  if (i == s.size() || !Digit(s[i])) return {false, 0, 0};
  size_t end = Run(s, i, Digit);
  std::string digits = s.substr(i, end - i);
  digits.erase(0, digits.find_first_not_of('0'));
  if (digits.size() > 10) return {false, 0, end};
  long long magnitude = digits.empty() ? 0 : std::stoll(digits);
  long long value = negative ? -magnitude : magnitude;
  if (value < INT32_MIN || value > INT32_MAX) return {false, 0, end};
  return {true, static_cast<int32_t>(value), end};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  halvane::reference::Compare<int32_t>(text, Reference(text), halvane::ParseInt,
                                       halvane::ParseInt);
  return 0;
}
