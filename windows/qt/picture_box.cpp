#include "windows/qt/picture_box.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <utility>

namespace wave {

namespace {

QPixmap ReadPng(const QString& path) {
  QImageReader reader(path, "png");
  reader.setAutoDetectImageFormat(false);
  return QPixmap::fromImage(reader.read());
}

}  // namespace

QIcon LoadPicture(const QString& path) {
  QIcon picture(ReadPng(path));
  if (qApp->devicePixelRatio() > 1) {
    QString sharper = path;
    sharper.insert(sharper.lastIndexOf(QLatin1Char('.')),
                   QStringLiteral("@2x"));
    if (QFile::exists(sharper)) {
      QPixmap pixmap = ReadPng(sharper);
      pixmap.setDevicePixelRatio(2);
      picture.addPixmap(pixmap);
    }
  }
  return picture;
}

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
