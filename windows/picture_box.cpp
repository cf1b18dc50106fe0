#include "windows/picture_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace wave {

PictureBox::PictureBox(QIcon picture, QWidget* parent)
    : QWidget(parent), picture_(std::move(picture)) {
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::PointingHandCursor);
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  picture_.paint(&painter, rect(), Qt::AlignLeft | Qt::AlignTop);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
}

// A click is a left press and release over the picture, as with a button.
void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  const bool was_pressed = std::exchange(pressed_, false);
  if (was_pressed && event->button() == Qt::LeftButton &&
      rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

}  // namespace wave
