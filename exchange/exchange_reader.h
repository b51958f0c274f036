// Reads JWC_TEMP.TXT into the exchange data model.
#pragma once

#include <cstdio>
#include <string_view>

#include "exchange/exchange_data.h"
#include "exchange/reader/line_splitter.h"
#include "exchange/reader/reader_state.h"
#include "util/file_reading.h"
#include "util/native_path.h"

namespace halvane {

// Starts `data` afresh and reads the whole file into it line by line. False
// when the file does not exist or opening or reading failed, and `why` says
// which; what was read before a failure stays stored.
bool ReadExchangeFile(const NativePath& path, ExchangeData& data,
                      ReadFailure& why);
bool ReadExchangeFile(const NativePath& path, ExchangeData& data);

// Reads lines into one data model, the running attributes carried on from
// one line and one file to the next.
class ExchangeReader {
 public:
  explicit ExchangeReader(ExchangeData& data) : state_(data) {}

  // The whole file, as ReadExchangeFile but without starting afresh.
  bool ReadFile(const NativePath& path, ReadFailure& why);
  bool ReadFile(const NativePath& path);
  // Splits one line (without its line break) and stores what it says.
  void ParseLine(std::string_view line);

  const ReaderState& State() const { return state_; }

 private:
  bool ReadLines(std::FILE* file, std::size_t chunk_bytes);

  ReaderState state_;
  LineSplitter splitter_;  // its buffer is reused for every line
};

}  // namespace halvane
