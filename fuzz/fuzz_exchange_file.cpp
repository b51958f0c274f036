// Arbitrary bytes as a whole JWC_TEMP.TXT: the read must succeed and leave a
// consistent model.
#include <cstddef>
#include <cstdint>

#include "exchange/exchange_data.h"
#include "exchange/exchange_reader.h"
#include "exchange_invariants.h"
#include "fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const halvane::FuzzFile file(".txt");
  if (!file.Write(data, size)) return 0;
  static halvane::ExchangeData model;
  model.Reset();
  halvane::ExchangeReader reader(model);
  halvane::Require(reader.ReadFile(file.Path()), "a readable file reads");
  halvane::CheckExchangeInvariants(reader.State());
  return 0;
}
