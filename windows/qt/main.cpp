#include <QApplication>

#include "windows/qt/program.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  wave::StartProgram();
  return application.exec();
}
