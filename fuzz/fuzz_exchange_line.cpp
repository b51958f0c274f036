// Arbitrary bytes, cut at LF, go line by line to ParseExchangeLine; the model
// is started afresh every few hundred inputs so it stays small.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "exchange/exchange_data.h"
#include "exchange/exchange_reader.h"
#include "exchange_invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static unsigned inputs = 0;
  if (inputs++ % 256 == 0) halvane::InitExchangeData();
  const char* p = reinterpret_cast<const char*>(data);
  const char* const end = p + size;
  while (p <= end) {
    const void* lf = std::memchr(p, '\n', static_cast<size_t>(end - p));
    const char* lineEnd = lf ? static_cast<const char*>(lf) : end;
    halvane::ParseExchangeLine(
        std::string_view(p, static_cast<size_t>(lineEnd - p)));
    p = lineEnd + 1;
  }
  halvane::CheckExchangeInvariants();
  return 0;
}
