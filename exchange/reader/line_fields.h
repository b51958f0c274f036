// The fields of one split line of JWC_TEMP.TXT.
#pragma once

#include <cstdint>
#include <string_view>

#include "util/number_parse.h"

namespace halvane {

inline constexpr int kMaxFields = 32;

struct LineFields {
  int Count;                      // n: index of the current field plus one
  const std::string_view* Views;  // views into the bytes split
  // Values of the plain decimal fields, already read while splitting: bit k
  // of Known tells that Numbers[k] holds field k + 1's value.
  const double* Numbers = nullptr;
  uint32_t Known = 0;

  // Field k, 1-based; empty beyond Count.
  std::string_view Field(int k) const {
    if (k < 1 || k > Count) return {};
    return Views[k - 1];
  }

  // ParseFloat of field k.
  double Number(int k) const {
    if (k > 0 && k <= Count && (Known >> (k - 1) & 1u) != 0) {
      return Numbers[k - 1];
    }
    return ParseFloat(Field(k));
  }
};

}  // namespace halvane
