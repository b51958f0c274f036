// Arbitrary bytes, cut at LF, go line by line to the reader; the model
// is started afresh every few hundred inputs so it stays small.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

#include "exchange/exchange_data.h"
#include "exchange/exchange_reader.h"
#include "exchange_invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static unsigned inputs = 0;
  static halvane::ExchangeData model;
  static std::optional<halvane::ExchangeReader> reader;
  if (inputs++ % 256 == 0) {
    reader.reset();
    model.Reset();
    reader.emplace(model);
  }
  const char* p = reinterpret_cast<const char*>(data);
  const char* const end = p + size;
  while (p <= end) {
    const void* lf = std::memchr(p, '\n', static_cast<size_t>(end - p));
    const char* lineEnd = lf ? static_cast<const char*>(lf) : end;
    reader->ParseLine(std::string_view(p, static_cast<size_t>(lineEnd - p)));
    p = lineEnd + 1;
  }
  halvane::CheckExchangeInvariants(reader->State());
  return 0;
}
