// wavecalc's own start-up on Win32, ending once Form1 has been painted:
// prints the performance counter then, and leaves.
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <cstdio>

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
      LARGE_INTEGER now;
      QueryPerformanceCounter(&now);
      PROCESS_MEMORY_COUNTERS memory{};
      GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
      std::printf("%lld %zu\n", static_cast<long long>(now.QuadPart),
                  static_cast<std::size_t>(memory.PeakWorkingSetSize));
      std::fflush(stdout);
      break;
    }
  }
  wave::EndProgram();
  return 0;
}
