// wavecalc's own start-up on Win32, ending once Form1 has been painted:
// prints the performance counter then, and leaves.
#include <windows.h>

#include "bench/win32/first_paint.h"
#include "windows/forms/form_spec.h"
#include "windows/win32/form_window.h"
#include "windows/win32/program.h"

// The program's own loop, which notes when Form1's first paint is done.
int main() {
  wave::StartProgram();
  HWND form = wave::FormIn(wave::WindowSlot::kRising)->hwnd();
  MSG msg{};
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    // The dialog manager dispatches its windows' messages itself.
    if (!wave::TranslateForForms(&msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (msg.message == WM_PAINT && msg.hwnd == form) {
      ReportFirstPaint();
      break;
    }
  }
  wave::EndProgram();
  return 0;
}
