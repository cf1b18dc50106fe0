#include <windows.h>

#include "windows/win32/program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wave::StartProgram();
  const int code = wave::RunMessageLoop();
  wave::EndProgram();
  return code;
}
