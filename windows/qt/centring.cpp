#include "windows/qt/centring.h"

#include <QEvent>
#include <QMargins>
#include <QObject>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "windows/forms/rules.h"

namespace wave {

namespace {

// The frame that the window manager gave the last of our windows it showed.
QMargins& KnownFrame() {
  static QMargins frame;
  return frame;
}

void Centre(QWidget* window, const QMargins& frame) {
  const QRect framed = window->geometry().marginsAdded(frame);
  const QRect area = window->screen()->availableGeometry();
  const Rect placed =
      CentredFrame(framed.width(), framed.height(),
                   {area.x(), area.y(), area.width(), area.height()});
  window->move(placed.left, placed.top);  // a window's position is its frame's
}

// Centres its window again at its first exposure, when its frame is known.
class CentreWhenFramed : public QObject {
 public:
  explicit CentreWhenFramed(QWidget* window)
      : QObject(window->windowHandle()), window_(window) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose &&
        window_->windowHandle()->isExposed()) {
      watched->removeEventFilter(this);
      const QMargins frame = window_->windowHandle()->frameMargins();
      if (frame != KnownFrame()) {
        KnownFrame() = frame;
        Centre(window_, frame);
      }
      deleteLater();
    }
    return false;
  }

 private:
  QWidget* window_;
};

}  // namespace

void ShowCentred(QWidget* window) {
  // Placed before the native window exists, the position is the frame's.
  Centre(window, KnownFrame());
  window->show();
  window->windowHandle()->installEventFilter(new CentreWhenFramed(window));
}

}  // namespace wave
