// UTF-8, as the form tables hold texts, and UTF-16, as Win32 takes them;
// and the texts of windows and of the clipboard.
#ifndef WAVECALC_WINDOWS_WIN32_TEXT_H_
#define WAVECALC_WINDOWS_WIN32_TEXT_H_

#include <windows.h>

#include <string>
#include <string_view>

namespace wave {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

std::wstring WindowText(HWND window);

// The clipboard's text, or empty; and text put there in place of what it
// held, for owner (may be null).
std::wstring ClipboardText(HWND owner);
void SetClipboardText(HWND owner, const std::wstring& text);

}  // namespace wave

#endif  // WAVECALC_WINDOWS_WIN32_TEXT_H_
