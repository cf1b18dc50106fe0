// The baseline: a Qt program that shows one empty window of the same size.
#include <QApplication>
#include <QWidget>

#include "bench/first_paint.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  FirstPaintWatcher watcher(QStringLiteral("bare"));
  QWidget window;
  window.setObjectName(QStringLiteral("bare"));
  window.resize(699, 291);
  window.show();
  return application.exec();
}
