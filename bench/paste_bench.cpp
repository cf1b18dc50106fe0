// A megabyte pasted into the rising window's end box, through the real
// window: the paste itself (refused whole, with its message), a full
// repaint, a keystroke afterwards, the CPU the focused box costs while
// idle, and the memory ten such pastes leave behind.
// Usage: paste_bench [idle seconds]. Exits non-zero when a bound is missed.
#include <sys/resource.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <vector>

#include "tests/qt/driver/qt_driver.h"
#include "windows/qt/dialogs.h"

namespace {

constexpr int kMegabyte = 1 << 20;
constexpr double kEventBoundMs = 16;
constexpr double kIdleBoundPercent = 1;
constexpr long kGrowthBoundKb = 2048;
constexpr int kPastes = 10;

long ResidentKilobytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  if (!(statm >> pages >> resident)) return 0;
  return resident * 4;
}

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double Milliseconds(const std::function<void()>& event) {
  QElapsedTimer timer;
  timer.start();
  event();
  return timer.nsecsElapsed() / 1e6;
}

QString Repeat(const QString& unit, int bytes) {
  QString text;
  while (text.toUtf8().size() < bytes) text += unit.repeated(4096);
  return text;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const int idle_seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  wave_test::QtDriver driver;
  driver.Start();
  int messages = 0;
  // A refused paste tells the user in a modal box; count them instead.
  wave::SetMessagePresenter(
      [&messages](QWidget*, const QString&) { ++messages; });
  QWidget* window = driver.Window("Form1");
  auto* box = driver.Widget<QLineEdit>("Form1", "Text2");
  box->setFocus();
  box->setText(QStringLiteral("3500"));

  struct Kind {
    const char* name;
    QString text;
  };
  const Kind kinds[] = {
      {"digits", Repeat(QStringLiteral("9"), kMegabyte)},
      {"price then letters",
       QStringLiteral("3500") + Repeat(QStringLiteral("a"), kMegabyte)},
      {"Chinese", Repeat(QStringLiteral("三千五百"), kMegabyte)},
  };

  bool within = true;
  double worst_paste = 0, worst_repaint = 0, worst_key = 0;
  long before_kb = 0;
  for (int i = 0; i < kPastes; ++i) {
    const Kind& kind = kinds[i % std::size(kinds)];
    QGuiApplication::clipboard()->setText(kind.text);
    QApplication::processEvents();
    if (i == 0) before_kb = ResidentKilobytes();
    const double paste = Milliseconds([&] {
      QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
      QApplication::processEvents();  // the message is queued
    });
    const double repaint = Milliseconds([&] { window->repaint(); });
    const double key = Milliseconds([&] {
      QTest::keyClick(box, Qt::Key_Backspace);
      QTest::keyClick(box, Qt::Key_0);
      box->repaint();
    });
    worst_paste = std::max(worst_paste, paste);
    worst_repaint = std::max(worst_repaint, repaint);
    worst_key = std::max(worst_key, key);
  }
  QGuiApplication::clipboard()->clear();
  QApplication::processEvents();
  const long growth_kb = ResidentKilobytes() - before_kb;
  const bool kept = box->text() == QStringLiteral("3500");

  // The box stays focused, its cursor blinking, for a few seconds.
  const double cpu_before = CpuSeconds();
  QElapsedTimer wall;
  wall.start();
  QTest::qWait(idle_seconds * 1000);
  const double idle_percent =
      100 * (CpuSeconds() - cpu_before) / (wall.nsecsElapsed() / 1e9);

  within = worst_paste < kEventBoundMs && worst_repaint < kEventBoundMs &&
           worst_key < kEventBoundMs && idle_percent < kIdleBoundPercent &&
           growth_kb < kGrowthBoundKb && kept && messages == kPastes;
  std::printf("1 MiB pastes refused: %d of %d, box kept \"3500\": %s\n",
              messages, kPastes, kept ? "yes" : "NO");
  std::printf(
      "worst paste %.2f ms, repaint %.2f ms, keystroke %.2f ms "
      "(bound < %.0f ms each)\n",
      worst_paste, worst_repaint, worst_key, kEventBoundMs);
  std::printf("idle with the box focused: %.2f%% of a core (bound < %.0f%%)\n",
              idle_percent, kIdleBoundPercent);
  std::printf("memory after %d pastes: %+ld KiB (bound < %ld KiB)\n", kPastes,
              growth_kb, kGrowthBoundKb);
  std::printf("bounds: %s\n", within ? "met" : "NOT met");
  driver.Stop();
  return within ? 0 : 1;
}
