// What the program hands to the system and a test may take over: the
// message box, the save dialog, the launch of the maker's page, and the
// names given to screen readers. Each setter takes an empty function to
// restore the real one.
#ifndef WAVECALC_WINDOWS_WIN32_SEAMS_H_
#define WAVECALC_WINDOWS_WIN32_SEAMS_H_

#include <windows.h>

#include <functional>
#include <string>

namespace wave {

// A modal message box over owner.
using MessagePresenter = std::function<void(
    HWND owner, const std::wstring& title, const std::wstring& text)>;
void SetMessagePresenter(MessagePresenter presenter);
void PresentMessage(HWND owner, const std::wstring& title,
                    const std::wstring& text);

// The path of a PNG file to write, starting from suggested; empty when the
// user cancels.
using SaveAsker =
    std::function<std::wstring(HWND owner, const std::wstring& suggested)>;
void SetSaveAsker(SaveAsker asker);
std::wstring AskSavePath(HWND owner, const std::wstring& suggested);

// Starts a command line as a new process, its window shown as show asks,
// without waiting for it; false when it could not be started.
using Launcher = std::function<bool(const std::wstring& command, int show)>;
void SetLauncher(Launcher launcher);
bool Launch(const std::wstring& command, int show);

// Tells screen readers a control's name and description, over what its
// window text says.
using Namer = std::function<void(HWND control, const std::wstring& name,
                                 const std::wstring& description)>;
void SetNamer(Namer namer);
void NameForScreenReaders(HWND control, const std::wstring& name,
                          const std::wstring& description = {});

}  // namespace wave

#endif  // WAVECALC_WINDOWS_WIN32_SEAMS_H_
