// A megabyte pasted into Text1 or Text2 of the rising window: how long the
// next Calculate and the window's redraw take, through the real window.
// Usage: paste_bench [repetitions]. Exits non-zero above 100 ms.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "windows/dialogs.h"
#include "windows/program.h"

namespace {

constexpr int kMegabyte = 1 << 20;
constexpr double kLimitMs = 100;

struct Case {
  const char* name;
  const char* box;
  QString pasted;
};

QString Repeat(const QString& unit, int bytes) {
  QString text;
  while (text.toUtf8().size() < bytes) text += unit.repeated(4096);
  return text;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  int errors = 0;
  // The modal box would wait for a user; count the reports instead.
  wave::SetMessagePresenter([&errors](QWidget*, const QString&) { ++errors; });
  wave::StartProgram();
  QWidget* window = wave::WindowIn(wave::WindowSlot::kRising);
  auto* calculate = window->findChild<QPushButton*>(QStringLiteral("Command3"));

  const Case cases[] = {
      {"Text1, price then letters", "Text1", "3000" + Repeat("a", kMegabyte)},
      {"Text1, digits", "Text1", Repeat("9", kMegabyte)},
      {"Text1, Chinese", "Text1",
       Repeat(QStringLiteral("三千五百"), kMegabyte)},
      {"Text2, price then letters", "Text2", "3500" + Repeat("a", kMegabyte)},
      {"Text2, digits", "Text2", Repeat("9", kMegabyte)},
      {"Text2, Chinese", "Text2",
       Repeat(QStringLiteral("三千五百"), kMegabyte)},
  };
  bool within = true;
  std::printf("%-28s %12s %12s\n", "pasted (1 MiB)", "median ms", "worst ms");
  for (const Case& c : cases) {
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
      for (const char* box : {"Text1", "Text2"}) {
        window->findChild<QLineEdit*>(QLatin1String(box))
            ->setText(QString::fromLatin1(box[4] == '1' ? "3000" : "3500"));
      }
      auto* box = window->findChild<QLineEdit*>(QLatin1String(c.box));
      box->selectAll();
      // A different text each time, so no caption is already in place.
      QGuiApplication::clipboard()->setText(c.pasted + QString::number(i % 10));
      QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
      window->repaint();  // the paste's own redraw, not measured
      QElapsedTimer timer;
      timer.start();
      calculate->click();
      window->repaint();
      times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-28s %12.1f %12.1f\n", c.name, times[times.size() / 2],
                times.back());
    within = within && times.back() < kLimitMs;
  }
  std::printf("errors reported: %d\nbound (< %.0f ms): %s\n", errors, kLimitMs,
              within ? "met" : "NOT met");
  wave::EndProgram();
  return within ? 0 : 1;
}
