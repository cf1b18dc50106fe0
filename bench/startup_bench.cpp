// Start-up time and peak memory of wavecalc next to a bare Qt program that
// shows one label of Chinese text, in the same run, alternating the two so
// both see the same machine state; medians of the runs.
// Usage: startup_bench <wavecalc probe> <bare probe> [runs]
//
// Time runs from just before the child is started until the child reports
// its first window painted; peak memory is the child's maximum resident set.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Sample {
  double milliseconds;
  long peak_kilobytes;
};

bool RunOnce(const char* program, Sample& sample) {
  int pipe_ends[2];
  if (pipe(pipe_ends) != 0) return false;
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    dup2(pipe_ends[1], STDOUT_FILENO);
    close(pipe_ends[0]);
    close(pipe_ends[1]);
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipe_ends[1]);
  std::string output;
  char buffer[64];
  for (ssize_t n; (n = read(pipe_ends[0], buffer, sizeof buffer)) > 0;) {
    output.append(buffer, static_cast<std::size_t>(n));
  }
  close(pipe_ends[0]);
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0 || output.empty()) {
    return false;
  }
  const long long painted = std::atoll(output.c_str());
  const long long started =
      std::chrono::duration_cast<std::chrono::nanoseconds>(
          start.time_since_epoch())
          .count();
  sample.milliseconds = (painted - started) / 1e6;
  sample.peak_kilobytes = usage.ru_maxrss;
  return true;
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s <wavecalc probe> <bare probe> [runs]\n",
                 argv[0]);
    return 2;
  }
  const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 21;
  const char* programs[2] = {argv[1], argv[2]};
  std::vector<double> times[2];
  std::vector<long> peaks[2];
  for (int warm = 0; warm < 2; ++warm) {  // fill the file cache first
    for (const char* program : programs) {
      Sample ignored{};
      RunOnce(program, ignored);
    }
  }
  for (int run = 0; run < runs; ++run) {
    for (int which = 0; which < 2; ++which) {
      Sample sample{};
      if (!RunOnce(programs[which], sample)) {
        std::fprintf(stderr, "startup_bench: %s failed\n", programs[which]);
        return 1;
      }
      times[which].push_back(sample.milliseconds);
      peaks[which].push_back(sample.peak_kilobytes);
    }
  }
  const double time_ratio = Median(times[0]) / Median(times[1]);
  const double extra_megabytes = (Median(peaks[0]) - Median(peaks[1])) / 1024.0;
  std::printf("runs: %d each\n", runs);
  std::printf("wavecalc: %.1f ms to first paint, peak %.1f MB\n",
              Median(times[0]), Median(peaks[0]) / 1024.0);
  std::printf("bare Qt:  %.1f ms to first paint, peak %.1f MB\n",
              Median(times[1]), Median(peaks[1]) / 1024.0);
  std::printf("ratio: %.2fx time, %+.1f MB peak memory\n", time_ratio,
              extra_megabytes);
  const bool met = time_ratio <= 1.15 && extra_megabytes <= 3;
  std::printf("targets (<= 1.15x, <= +3 MB): %s\n", met ? "met" : "NOT met");
  return met ? 0 : 3;
}
