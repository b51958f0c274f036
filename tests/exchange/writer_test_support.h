// Shared pieces of the writer and file tests: a fresh model per test and the
// output buffer as strings; temporary folders come from tests/support.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/attribute_writers.h"
#include "exchange/exchange_data.h"
#include "tests/support/temp_folder.h"

namespace halvane {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

inline std::vector<std::string> OutputLines() {
  const auto& output = Exchange().Output;
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < output.Count(); ++i) {
    lines.emplace_back(output[i].Bytes, output[i].Length);
  }
  return lines;
}

// The model as the run sequence leaves it before the OK command.
class WriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitExchangeData();
    ResetWriterState();
  }
  void TearDown() override { FreeExchangeData(); }
};

}  // namespace halvane
