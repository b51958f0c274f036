// A straightforward reader of the same line forms, for comparison: getline,
// an istringstream per line, strtod, records in std::vectors.
#pragma once

#include <cstddef>
#include <string>

namespace halvane::bench {

// Reads the file and returns the number of entities it found.
std::size_t BaselineRead(const std::string& path);

}  // namespace halvane::bench
