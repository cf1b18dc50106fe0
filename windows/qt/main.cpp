#include <QApplication>

#include "windows/program.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  wave::StartProgram();
  return application.exec();
}
