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

// Processor time of this process, so that a busy machine shows less.
double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec * 1e-6 +
         usage.ru_stime.tv_sec + usage.ru_stime.tv_usec * 1e-6;
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
  double bestCpu = 1e300;
  std::size_t entities = 0;
  halvane::ExchangeData data;
  for (int i = 0; i < runs; ++i) {
    data.Reset();
    const Clock::time_point start = Clock::now();
    const double cpuStart = CpuSeconds();
    if (!halvane::ReadExchangeFile(path, data)) {
      std::fprintf(stderr, "%s: read failed\n", path);
      return 1;
    }
    const double cpu = CpuSeconds() - cpuStart;
    best = std::min(best, Seconds(start));
    bestCpu = std::min(bestCpu, cpu);
    entities = data.EntityOrder.Count();
    std::printf("run %d: %.1f MB/s (%.1f MB/s of processor time)\n", i + 1,
                megabytes / Seconds(start), megabytes / cpu);
  }
  const double peak = PeakMiB();
  data.Reset();

  double baselineBest = 1e300;
  double baselineCpu = 1e300;
  std::size_t baselineEntities = 0;
  for (int i = 0; i < std::min(runs, 2); ++i) {
    const Clock::time_point start = Clock::now();
    const double cpuStart = CpuSeconds();
    baselineEntities = halvane::bench::BaselineRead(path);
    baselineBest = std::min(baselineBest, Seconds(start));
    baselineCpu = std::min(baselineCpu, CpuSeconds() - cpuStart);
  }
  std::printf("file %.1f MB; baseline found %zu entities\n", megabytes,
              baselineEntities);
  std::printf("processor time: reader %.0f MB/s, baseline %.0f MB/s\n",
              megabytes / bestCpu, megabytes / baselineCpu);
  const double ours = megabytes / best;
  const double baseline = megabytes / baselineBest;
  std::printf(
      "reader: %.0f MB/s, %zu entities, peak %.0f MiB, baseline %.0f MB/s, "
      "ratio %.1f\n",
      ours, entities, peak, baseline, ours / baseline);
  return 0;
}
