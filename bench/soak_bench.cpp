// Long use through the real windows: calculations, adjusts and clears with
// many switches between the windows, watching resident memory. The second
// half of the run must not grow more than 1 MiB over the first half.
// Usage: soak_bench [operations] [switches]   (defaults 100000 and 10000)
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string_view>
#include <vector>

#include "tests/qt/driver/qt_driver.h"
#include "windows/qt/dialogs.h"

namespace {

// Resident memory in KiB, or 0 where /proc is missing.
long ResidentKilobytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  if (!(statm >> pages >> resident)) return 0;
  return resident * 4;
}

// The name of the window on screen.
const char* Visible(wave_test::QtDriver& driver) {
  return driver.Visible("Form1") ? "Form1" : "Form2";
}

struct Inputs {
  const char* start;
  const char* end;
};

// Ordinary legs, both directions, and inputs that stop with each error.
constexpr Inputs kInputs[] = {
    {"3000", "3500"}, {"3500", "3000"},   {"10.5", "12.3"},   {"12.3", "10.5"},
    {"3000", ""},     {"40000", ""},      {"0", "20000"},     {"abc", "3000"},
    {"1.10", "1.35"}, {"3,000", "3,500"}, {"1e308", "1e308"}, {"", ""},
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const long operations = argc > 1 ? std::max(2L, std::atol(argv[1])) : 100000;
  const long switches = argc > 2 ? std::max(1L, std::atol(argv[2])) : 10000;
  wave_test::QtDriver driver;
  driver.Start();
  // Counted, not kept: the driver's record would grow with every report.
  long errors = 0;
  wave::SetMessagePresenter([&errors](QWidget*, const QString&) { ++errors; });

  const long switch_every = std::max(1L, operations / switches);
  const long sample_every = std::max(1L, operations / 200);
  std::vector<long> samples;
  for (long i = 0; i < operations; ++i) {
    const char* window = Visible(driver);
    const Inputs& inputs = kInputs[i % std::size(kInputs)];
    driver.Widget<QLineEdit>(window, "Text1")->setText(inputs.start);
    driver.Widget<QLineEdit>(window, "Text2")->setText(inputs.end);
    const bool rising = window == std::string_view("Form1");
    const char* buttons[] = {"Command3", rising ? "Command1" : "Command3",
                             "Command2"};
    driver.Widget<QAbstractButton>(window, buttons[(i / 7) % 3])->click();
    if (i % switch_every == switch_every - 1) {
      driver.Widget<QAbstractButton>(window, "Command4")->click();
    }
    if (i % 64 == 0) QApplication::processEvents();  // let paints happen
    if (i % sample_every == 0) samples.push_back(ResidentKilobytes());
  }
  QApplication::processEvents();
  samples.push_back(ResidentKilobytes());

  const auto middle = samples.begin() + static_cast<long>(samples.size() / 2);
  const long first_peak = *std::max_element(samples.begin(), middle);
  const long second_peak = *std::max_element(middle, samples.end());
  const long growth = second_peak - first_peak;
  std::printf("operations: %ld, switches: %ld, errors reported: %ld\n",
              operations, operations / switch_every, errors);
  std::printf("peak resident, first half: %.1f MiB, second half: %.1f MiB\n",
              first_peak / 1024.0, second_peak / 1024.0);
  std::printf("growth: %+ld KiB (bound < 1024 KiB): %s\n", growth,
              growth < 1024 ? "met" : "NOT met");
  driver.Stop();
  return growth < 1024 ? 0 : 1;
}
