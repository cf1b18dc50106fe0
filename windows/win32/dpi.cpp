#include "windows/win32/dpi.h"

#include "windows/win32/system_function.h"

namespace wave {

namespace {

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
  static const auto get_dpi =
      SystemFunction<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
  if (get_dpi != nullptr && window != nullptr) {
    const UINT dpi = get_dpi(window);
    if (dpi > 0) return dpi;
  }
  return SystemDpi();
}

RECT FramedRect(const RECT& client, DWORD style, DWORD ex_style, UINT dpi) {
  static const auto adjust = SystemFunction<AdjustForDpiFunction>(
      L"user32.dll", "AdjustWindowRectExForDpi");
  RECT framed = client;
  if (adjust == nullptr || !adjust(&framed, style, FALSE, ex_style, dpi)) {
    AdjustWindowRectEx(&framed, style, FALSE, ex_style);
  }
  return framed;
}

}  // namespace wave
