// Differential: a line split in place in the read buffer must give the same
// fields and numbers as the byte-by-byte splitter gives for it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "exchange/reader/line_splitter.h"
#include "exchange/reader/plain_line.h"
#include "fuzz/number_reference.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static halvane::PlainLine plain;
  static halvane::LineSplitter splitter;
  const char* first = reinterpret_cast<const char*>(data);
  const char* next = plain.Split(first, first + size);
  if (next == nullptr) return 0;
  if (next <= first || next > first + size || next[-1] != '\n') std::abort();
  std::size_t length = static_cast<std::size_t>(next - first) - 1;
  if (length > 0 && first[length - 1] == '\r') --length;
  splitter.Begin(true);
  splitter.Feed(first, first + length);
  const halvane::LineFields expected = splitter.Finish();
  const halvane::LineFields got = plain.Fields();
  if (got.Count != expected.Count) std::abort();
  for (int k = 1; k <= got.Count; ++k) {
    if (got.Field(k) != expected.Field(k)) std::abort();
    if (!halvane::reference::Same(got.Number(k), expected.Number(k)))
      std::abort();
  }
  return 0;
}
