// wavecalc's own start-up, ending once Form1 has been shown and painted.
#include <QApplication>

#include "bench/first_paint.h"
#include "windows/qt/program.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  FirstPaintWatcher watcher(QStringLiteral("Form1"));
  wave::StartProgram();
  return application.exec();
}
