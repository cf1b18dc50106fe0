// UTF-8, as the form tables hold texts, and UTF-16, as Win32 takes them.
#ifndef WAVECALC_WINDOWS_WIN32_TEXT_H_
#define WAVECALC_WINDOWS_WIN32_TEXT_H_

#include <string>
#include <string_view>

namespace wave {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

}  // namespace wave

#endif  // WAVECALC_WINDOWS_WIN32_TEXT_H_
