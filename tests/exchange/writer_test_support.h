// Shared pieces of the writer and file tests: a fresh input and output per
// test and the output lines as strings; temporary folders come from
// tests/support.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/attribute_writers.h"
#include "exchange/exchange_data.h"
#include "exchange/exchange_output.h"
#include "tests/support/temp_folder.h"

namespace halvane {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

inline std::vector<std::string> LinesOf(const ExchangeOutput& out) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < out.Lines.Count(); ++i) {
    lines.emplace_back(out.Lines[i].Bytes, out.Lines[i].Length);
  }
  return lines;
}

// Input and output as the run sequence leaves them before the OK command
// when the file had no attribute lines.
class WriterTest : public ::testing::Test {
 protected:
  std::vector<std::string> OutputLines() const { return LinesOf(out_); }

  ExchangeData input_;
  ExchangeOutput out_{input_};
};

}  // namespace halvane
