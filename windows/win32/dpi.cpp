#include "windows/win32/dpi.h"

#include "windows/win32/system_function.h"

namespace wave {

namespace {

template <typename Function>
Function Load(const char* name) {
  return SystemFunction<Function>(L"user32.dll", name);
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

UINT SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

}  // namespace

UINT DpiOf(HWND window) {
  static const auto get_dpi = Load<GetDpiForWindowFunction>("GetDpiForWindow");
  if (get_dpi != nullptr && window != nullptr) {
    const UINT dpi = get_dpi(window);
    if (dpi > 0) return dpi;
  }
  return SystemDpi();
}

RECT FramedRect(const RECT& client, DWORD style, DWORD ex_style, UINT dpi) {
  static const auto adjust =
      Load<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
  RECT framed = client;
  if (adjust == nullptr || !adjust(&framed, style, FALSE, ex_style, dpi)) {
    AdjustWindowRectEx(&framed, style, FALSE, ex_style);
  }
  return framed;
}

}  // namespace wave
