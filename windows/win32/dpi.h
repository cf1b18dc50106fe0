// Per-monitor DPI, with the functions Windows 10 added loaded at run time
// and a fallback to the system DPI on older Windows.
#ifndef WAVECALC_WINDOWS_WIN32_DPI_H_
#define WAVECALC_WINDOWS_WIN32_DPI_H_

#include <windows.h>

namespace wave {

// The DPI of a window's monitor, or the system's.
UINT DpiOf(HWND window);

// The window rectangle that holds a client area, at a DPI.
RECT FramedRect(const RECT& client, DWORD style, DWORD ex_style, UINT dpi);

}  // namespace wave

#endif  // WAVECALC_WINDOWS_WIN32_DPI_H_
