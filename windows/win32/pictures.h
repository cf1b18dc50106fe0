// Our pictures on Win32: the PNGs carried as resources, decoded,
// drawn at the window's DPI; and pictures of a window's client area, put on
// the clipboard or saved as PNG files.
#ifndef WAVECALC_WINDOWS_WIN32_PICTURES_H_
#define WAVECALC_WINDOWS_WIN32_PICTURES_H_

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "windows/forms/texts.h"
#include "windows/win32/picture.h"

namespace wave {

// The resource name of an asset, and of its version at twice the size.
std::wstring ResourceName(std::string_view asset, bool sharper);

// Draws an asset at the top left, at its design size for the density of
// dpi: its own pixels below a scale of 1.5, the picture drawn at twice the
// size from there up.
void DrawAsset(HDC dc, std::string_view asset, UINT dpi);

// A PNG file, or an empty picture where it cannot be read.
Picture ReadPicture(const std::wstring& path);

// What the screen shows of a window's client area.
Picture CapturePicture(HWND window);

// The picture as PNG bytes; empty when WIC fails.
std::vector<BYTE> EncodePng(const Picture& picture);

// As CF_DIB and as PNG, replacing what the clipboard held.
bool CopyPictureToClipboard(HWND owner, const Picture& picture);

struct SaveResult {
  std::optional<SaveFailure> failure;
  std::wstring detail;  // the system's words, if any
};
// Writes the PNG to a file next to path and then puts it in path's place,
// so the target is whole or untouched; refuses a target that is not a
// regular file.
SaveResult SavePng(const std::wstring& path, const std::vector<BYTE>& png);

}  // namespace wave

#endif  // WAVECALC_WINDOWS_WIN32_PICTURES_H_
