// Times wavecalc.exe's start-up against the floor's, under Wine or on
// Windows: from the moment the process is started until its first window
// has painted, and its peak working set. Runs the two alternately and
// prints the medians. Usage: startup_bench <probe.exe> <floor.exe> [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Run {
  double milliseconds;
  double peak_megabytes;
};

bool RunOnce(const std::wstring& program, Run* run) {
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  if (!CreatePipe(&read, &write, &inherit, 0)) return false;
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process{};
  std::wstring line = L"\"" + program + L"\"";
  LARGE_INTEGER started, frequency;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&started);
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return false;
  }
  CloseHandle(write);
  std::string output;
  char buffer[256];
  DWORD got = 0;
  while (ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    output.append(buffer, got);
  }
  CloseHandle(read);
  WaitForSingleObject(process.hProcess, 30000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  // The probe prints the counter at its first paint and its peak working
  // set then: Wine keeps no figures of a process that has ended.
  long long painted = 0;
  unsigned long long peak = 0;
  if (std::sscanf(output.c_str(), "%lld %llu", &painted, &peak) != 2 ||
      painted <= 0) {
    return false;
  }
  run->milliseconds = 1000.0 * static_cast<double>(painted - started.QuadPart) /
                      static_cast<double>(frequency.QuadPart);
  run->peak_megabytes = static_cast<double>(peak) / (1024.0 * 1024.0);
  return true;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_bench <probe> <floor> [runs]\n");
    return 2;
  }
  const int runs = argc > 3 ? std::max(1, _wtoi(argv[3])) : 21;
  std::vector<double> times[2], peaks[2];
  for (int i = 0; i < runs; ++i) {
    for (int which = 0; which < 2; ++which) {
      Run run{};
      if (!RunOnce(argv[1 + which], &run)) {
        std::fprintf(stderr, "startup_bench: run failed\n");
        return 1;
      }
      times[which].push_back(run.milliseconds);
      peaks[which].push_back(run.peak_megabytes);
    }
  }
  const double time = Median(times[0]), floor_time = Median(times[1]);
  const double peak = Median(peaks[0]), floor_peak = Median(peaks[1]);
  std::printf("wavecalc: %.1f ms, peak %.1f MB\n", time, peak);
  std::printf("floor:    %.1f ms, peak %.1f MB\n", floor_time, floor_peak);
  std::printf(
      "ratio %.2fx (target <= 1.1x), extra peak %+.1f MB "
      "(target <= 2 MB), medians of %d alternating runs\n",
      time / floor_time, peak - floor_peak, runs);
  return 0;
}
