// Core throughput, each measured next to a naive baseline in the same run.
#include <benchmark/benchmark.h>

#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include "core/falling_board.h"
#include "core/number_text.h"
#include "core/rising_board.h"

namespace {

const std::vector<double>& SampleValues() {
  static const std::vector<double> values = {3100, 3691.25, 13.064, 12.3 - 1.6,
                                             -2.5, 1.0 / 3, 1.5e20, 0.00012345};
  return values;
}

const std::vector<std::string>& SampleTexts() {
  static const std::vector<std::string> texts = {
      "3100", "3691.25",           "13.064",  "10.7",
      "-2.5", "0.333333333333333", "1.5E+20", "0.00012345"};
  return texts;
}

void BM_RisingCalculateAdjust(benchmark::State& state) {
  wave::RisingBoard board;
  board.SetText("Text1", "3000");
  board.SetText("Text2", "3500");
  for (auto _ : state) {
    board.Calculate();
    board.Adjust();
    benchmark::DoNotOptimize(board.Text("Label6").data());
  }
}
BENCHMARK(BM_RisingCalculateAdjust);

void BM_RisingCalculate(benchmark::State& state) {
  wave::RisingBoard board;
  board.SetText("Text1", "10.5");
  board.SetText("Text2", "12.3");
  for (auto _ : state) {
    board.Calculate();
    benchmark::DoNotOptimize(board.Text("Label6").data());
  }
}
BENCHMARK(BM_RisingCalculate);

void BM_FallingCalculate(benchmark::State& state) {
  wave::FallingBoard board;
  board.SetText("Text1", "3500");
  board.SetText("Text2", "3000");
  for (auto _ : state) {
    board.Calculate();
    benchmark::DoNotOptimize(board.Text("Label5").data());
  }
}
BENCHMARK(BM_FallingCalculate);

void BM_FormatNumber(benchmark::State& state) {
  const auto& values = SampleValues();
  std::size_t i = 0;
  for (auto _ : state) {
    std::string text = wave::FormatNumber(values[i++ % values.size()]);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_FormatNumber);

// What a first attempt would write: a stream with 15 digits of precision.
void BM_FormatNumberBaselineOstringstream(benchmark::State& state) {
  const auto& values = SampleValues();
  std::size_t i = 0;
  for (auto _ : state) {
    std::ostringstream stream;
    stream << std::setprecision(15) << values[i++ % values.size()];
    std::string text = stream.str();
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_FormatNumberBaselineOstringstream);

void BM_ParseStrict(benchmark::State& state) {
  const auto& texts = SampleTexts();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(wave::ParseStrict(texts[i++ % texts.size()]));
  }
}
BENCHMARK(BM_ParseStrict);

void BM_ParseStrictBaselineStod(benchmark::State& state) {
  const auto& texts = SampleTexts();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::stod(texts[i++ % texts.size()]));
  }
}
BENCHMARK(BM_ParseStrictBaselineStod);

}  // namespace

BENCHMARK_MAIN();
