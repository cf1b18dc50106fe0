// Shared by the start-up probes: once the first window has painted, print
// the performance counter and the peak working set for startup_bench.
#ifndef WAVECALC_BENCH_WIN32_FIRST_PAINT_H_
#define WAVECALC_BENCH_WIN32_FIRST_PAINT_H_

#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <cstddef>
#include <cstdio>

inline void ReportFirstPaint() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  PROCESS_MEMORY_COUNTERS memory{};
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  std::printf("%lld %zu\n", static_cast<long long>(now.QuadPart),
              static_cast<std::size_t>(memory.PeakWorkingSetSize));
  std::fflush(stdout);
}

#endif  // WAVECALC_BENCH_WIN32_FIRST_PAINT_H_
