// The floor: a bare Win32 window of Form1's size that paints one label of
// Chinese text in the same face, then prints the performance counter.
// Built with WAVE_FLOOR_WITH_FORM_FONTS, it is the floor with what the
// program must carry whatever it draws: our manifest's Common Controls 6,
// started, and a label in each font Form1 lists.
#include <windows.h>

#include <cmath>
#include <set>
#include <utility>

#include "bench/win32/first_paint.h"
#ifdef WAVE_FLOOR_WITH_FORM_FONTS
#include <commctrl.h>

#include "windows/forms/form_spec.h"
#endif

namespace {

void PaintLabel(HDC dc, int pixels, bool bold, int top) {
  HFONT font = CreateFontW(-pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE,
                           FALSE, FALSE, GB2312_CHARSET, 0, 0, 0, 0, L"宋体");
  HGDIOBJ old = SelectObject(dc, font);
  TextOutW(dc, 8, top, L"上升5浪测算器", 7);
  SelectObject(dc, old);
  DeleteObject(font);
}

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
#ifdef WAVE_FLOOR_WITH_FORM_FONTS
    std::set<std::pair<int, bool>> fonts;  // pixels at 96 DPI, bold
    for (const wave::ControlSpec& row :
         wave::FormOf(wave::WindowSlot::kRising).controls) {
      const wave::FontSpec font =
          row.font.points == 0 ? wave::kProgramFont : row.font;
      fonts.emplace(static_cast<int>(std::lround(font.points * 96 / 72)),
                    font.bold);
    }
    int top = 8;
    for (const auto& [pixels, bold] : fonts) {
      PaintLabel(dc, pixels, bold, top);
      top += 24;
    }
#else
    PaintLabel(dc, 16, false, 8);
#endif
    EndPaint(window, &paint);
    ReportFirstPaint();
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int main() {
#ifdef WAVE_FLOOR_WITH_FORM_FONTS
  INITCOMMONCONTROLSEX controls = {sizeof controls,
                                   ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
#endif
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = &Proc;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  window_class.lpszClassName = L"BareProbe";
  RegisterClassW(&window_class);
  RECT frame = {0, 0, 699, 291};
  AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
  HWND window = CreateWindowW(
      L"BareProbe", L"floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
      frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
      window_class.hInstance, nullptr);
  ShowWindow(window, SW_SHOW);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
