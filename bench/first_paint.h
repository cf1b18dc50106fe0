// Shared by the start-up probes: once the named window has been painted,
// print the monotonic clock in nanoseconds and leave the event loop.
#ifndef WAVECALC_BENCH_FIRST_PAINT_H_
#define WAVECALC_BENCH_FIRST_PAINT_H_

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <utility>

class FirstPaintWatcher : public QObject {
 public:
  explicit FirstPaintWatcher(QString window) : window_(std::move(window)) {
    QCoreApplication::instance()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* target, QEvent* event) override {
    if (!seen_ && event->type() == QEvent::Paint &&
        target->objectName() == window_) {
      seen_ = true;
      // Queued, so the paint this event starts has finished first.
      QTimer::singleShot(0, [] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("%lld\n", static_cast<long long>(
                                  std::chrono::nanoseconds(now).count()));
        std::fflush(stdout);
        QCoreApplication::exit(0);
      });
    }
    return false;
  }

 private:
  QString window_;
  bool seen_ = false;
};

#endif  // WAVECALC_BENCH_FIRST_PAINT_H_
