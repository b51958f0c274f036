// Shared set-up of the reader tests: a fresh model and reader per test.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/exchange_data.h"
#include "exchange/exchange_reader.h"

namespace halvane {

// The bits of a double, so that values compare exactly (-0 and 0 differ).
inline uint64_t Bits(double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  return bits;
}

class ReaderTest : public ::testing::Test {
 protected:
  ExchangeData& Parse(std::initializer_list<std::string_view> lines) {
    for (std::string_view line : lines) reader_.ParseLine(line);
    return data_;
  }
  // ReadExchangeFile into this test's model.
  bool ReadFromFile(const NativePath& path) {
    return ReadExchangeFile(path, data_);
  }

  ExchangeData data_;
  ExchangeReader reader_{data_};
};

// Lines given to the parser one by one, then a check of the model (Data)
// and of the reader's running state.
struct LineCase {
  const char* name;
  std::vector<std::string> lines;
  std::function<void(const ReaderState&)> check;
};

inline void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

inline std::string CaseName(const ::testing::TestParamInfo<LineCase>& info) {
  return info.param.name;
}

class LineFormTest : public ReaderTest,
                     public ::testing::WithParamInterface<LineCase> {};

inline std::size_t EntityCount(const ExchangeData& d) {
  return d.Lines.Count() + d.Circles.Count() + d.Arcs.Count() +
         d.Texts.Count() + d.Points.Count() + d.PointsEx.Count() +
         d.Dims.Count() + d.Blocks.Count() + d.Solids2.Count() +
         d.Solids3.Count() + d.Solids4.Count() + d.SolidsSc.Count() +
         d.SolidsSe.Count() + d.SolidsSo.Count() + d.SolidsSg.Count();
}

}  // namespace halvane
