// Differential check of ParseFloat against a plain reference of its grammar
// whose value comes from strtod in the "C" locale.
#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/number_reference.h"
#include "util/number_parse.h"

namespace {

using halvane::reference::Digit;

size_t Digits(const std::string& s, size_t i) {
  return halvane::reference::Run(s, i, Digit);
}

using Expected = halvane::reference::Expected<double>;

Expected Reference(const std::string& s) {
  size_t i = 0;
  bool negative = halvane::reference::SpacesAndSign(s, i);
  const size_t start = i;
  size_t end = Digits(s, start);
  bool any_digit = end > start;
  if (end < s.size() && s[end] == '.') {
    size_t fraction_end = Digits(s, end + 1);
    any_digit = any_digit || fraction_end > end + 1;
    end = fraction_end;
  }
  if (end == start) return {false, 0, 0};
  if (end < s.size() && (s[end] == 'e' || s[end] == 'E')) {
    size_t k = end + 1;
    if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
    if (k < s.size() && Digit(s[k])) end = Digits(s, k);
  }
  double magnitude = 0;
  if (any_digit) {
    magnitude = std::strtod(s.substr(start, end - start).c_str(), nullptr);
    if (std::isinf(magnitude)) return {false, 0, end};
  }
  return {true, negative ? -magnitude : magnitude, end};
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::setlocale(LC_ALL, "C");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  halvane::reference::Compare<double>(text, Reference(text),
                                      halvane::ParseFloat, halvane::ParseFloat);
  return 0;
}
