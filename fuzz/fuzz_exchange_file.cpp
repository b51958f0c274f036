// Arbitrary bytes as a whole JWC_TEMP.TXT: the read must succeed and leave a
// consistent model.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "exchange/exchange_data.h"
#include "exchange/exchange_reader.h"
#include "exchange_invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::filesystem::path path =
      std::filesystem::temp_directory_path() /
      ("halvane_fuzz_" + std::to_string(getpid()) + ".txt");
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return 0;
  const bool written = std::fwrite(data, 1, size, f) == size;
  if (std::fclose(f) != 0 || !written) return 0;
  halvane::InitExchangeData();
  halvane::Require(halvane::ReadExchangeFile(path), "a readable file reads");
  halvane::CheckExchangeInvariants();
  return 0;
}
