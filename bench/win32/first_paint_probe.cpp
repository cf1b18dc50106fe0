// wavecalc's own start-up on Win32, ending once Form1 has been painted:
// prints the performance counter then, and leaves.
#include <windows.h>

#include <cstdio>

#include "windows/forms/form_spec.h"
#include "windows/win32/form_window.h"
#include "windows/win32/program.h"

namespace {

HHOOK hook = nullptr;

LRESULT CALLBACK AfterPaint(int code, WPARAM wparam, LPARAM lparam) {
  const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lparam);
  wave::FormWindow* form = wave::FormIn(wave::WindowSlot::kRising);
  if (code == HC_ACTION && call->message == WM_PAINT && form != nullptr &&
      call->hwnd == form->hwnd()) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    std::printf("%lld\n", static_cast<long long>(now.QuadPart));
    std::fflush(stdout);
    PostQuitMessage(0);
  }
  return CallNextHookEx(hook, code, wparam, lparam);
}

}  // namespace

int main() {
  hook = SetWindowsHookExW(WH_CALLWNDPROCRET, &AfterPaint, nullptr,
                           GetCurrentThreadId());
  wave::StartProgram();
  const int code = wave::RunMessageLoop();
  wave::EndProgram();
  return code;
}
