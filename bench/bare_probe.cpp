// The floor: a Qt program that shows one window of the same size with one
// label of Chinese text in the face that stands in for 宋体. No program can
// paint Chinese without loading a CJK face.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

#include "bench/first_paint.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  FirstPaintWatcher watcher(QStringLiteral("bare"));
  QWidget window;
  window.setObjectName(QStringLiteral("bare"));
  window.resize(699, 291);
  QLabel label(QStringLiteral("上升5浪测算器"), &window);
  QFont font(QStringLiteral(WAVE_SONG_FACE));
  font.setPointSizeF(12);
  label.setFont(font);
  label.move(16, 16);
  window.show();
  return application.exec();
}
