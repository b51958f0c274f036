// Times ReadExchangeFile on a large exchange file against the baseline
// reader, in one run on the same file; the last line sums it up.
//   reader_bench <file> [runs, default 5]
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "baseline_reader.h"
#include "exchange/exchange_data.h"
#include "exchange/exchange_reader.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from) {
  return std::chrono::duration<double>(Clock::now() - from).count();
}

double PeakMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;  // KiB on Linux
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: reader_bench <file> [runs]\n");
    return 2;
  }
  const char* path = argv[1];
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  std::error_code ec;
  const double megabytes = std::filesystem::file_size(path, ec) / 1e6;
  if (ec) {
    std::fprintf(stderr, "%s: %s\n", path, ec.message().c_str());
    return 1;
  }

  // Ours first, so that the baseline's memory does not count in the peak.
  double best = 1e300;
  std::size_t entities = 0;
  for (int i = 0; i < runs; ++i) {
    halvane::InitExchangeData();
    const Clock::time_point start = Clock::now();
    if (!halvane::ReadExchangeFile(path)) {
      std::fprintf(stderr, "%s: read failed\n", path);
      return 1;
    }
    best = std::min(best, Seconds(start));
    entities = halvane::Exchange().EntityOrder.Count();
    std::printf("run %d: %.1f MB/s\n", i + 1, megabytes / Seconds(start));
  }
  const double peak = PeakMiB();
  halvane::FreeExchangeData();

  double baselineBest = 1e300;
  std::size_t baselineEntities = 0;
  for (int i = 0; i < std::min(runs, 2); ++i) {
    const Clock::time_point start = Clock::now();
    baselineEntities = halvane::bench::BaselineRead(path);
    baselineBest = std::min(baselineBest, Seconds(start));
  }
  std::printf("file %.1f MB; baseline found %zu entities\n", megabytes,
              baselineEntities);
  const double ours = megabytes / best;
  const double baseline = megabytes / baselineBest;
  std::printf(
      "reader: %.0f MB/s, %zu entities, peak %.0f MiB, baseline %.0f MB/s, "
      "ratio %.1f\n",
      ours, entities, peak, baseline, ours / baseline);
  return 0;
}
