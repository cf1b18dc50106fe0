// Uses a running wavecalc.exe from outside, as a user does, for the tests
// of the installed and the portable program. It finds Form1 by its title,
// and then:
//   user_probe close            closes it;
//   user_probe save <file.png>  types the worked example's prices, presses
//                               Enter, saves the picture through the
//                               window's menu and the save dialog into
//                               <file.png> (a Windows path), and closes it.
// Prints Form1's title, and exits non-zero when a step cannot be done.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

#include "windows/forms/form_spec.h"
#include "windows/forms/texts.h"
#include "windows/win32/text.h"

namespace {

// What a control of another process holds: GetWindowText would give only
// its caption.
std::wstring WindowText(HWND control) {
  std::wstring text(
      static_cast<std::size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0)),
      L'\0');
  SendMessageW(control, WM_GETTEXT, text.size() + 1,
               reinterpret_cast<LPARAM>(text.data()));
  return text;
}

// Waits up to twenty seconds for found() to give a window.
HWND WaitFor(const std::function<HWND()>& found) {
  for (int i = 0; i < 400; ++i) {
    if (HWND window = found()) return window;
    Sleep(50);
  }
  return nullptr;
}

HWND Focus(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

void Key(HWND target, UINT key) {
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

// Types into the focused box, then moves on with key once it has the text.
bool TypeThen(HWND form, const wchar_t* text, UINT key) {
  HWND box = WaitFor([&]() -> HWND {
    wchar_t kind[16] = {};
    HWND focus = Focus(form);
    GetClassNameW(focus, kind, 16);
    return lstrcmpiW(kind, L"Edit") == 0 && WindowText(focus).empty() ? focus
                                                                      : nullptr;
  });
  if (box == nullptr) {
    std::fprintf(stderr, "user_probe: no empty box has the focus\n");
    return false;
  }
  for (const wchar_t* c = text; *c; ++c) PostMessageW(box, WM_CHAR, *c, 1);
  const bool typed = WaitFor([&] {
                       return WindowText(box) == text ? box : nullptr;
                     }) != nullptr;
  if (typed) {
    Key(box, key);
  } else {
    std::fprintf(stderr, "user_probe: the box holds '%s'\n",
                 wave::Utf8(WindowText(box)).c_str());
  }
  return typed;
}

// Opens the window's menu and picks an item with the keys, as a user may:
// Wine keeps a menu to its own process, where no other can read it.
bool Pick(HWND form, wave::MenuCommand command) {
  PostMessageW(form, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form),
               MAKELPARAM(100, 100));
  HWND popup = WaitFor([] { return FindWindowW(L"#32768", nullptr); });
  if (popup == nullptr) {
    std::fprintf(stderr, "user_probe: the menu did not open\n");
    return false;
  }
  // The arrow keys pass over separators, not over greyed items.
  for (const wave::MenuItem& item : wave::ResultsMenu()) {
    Key(popup, VK_DOWN);
    if (item.command == command) break;
  }
  Key(popup, VK_RETURN);
  return true;
}

bool SaveThroughDialog(const std::wstring& path) {
  const std::wstring title = wave::Wide(wave::kSaveDialogTitle);
  HWND dialog = WaitFor([&] { return FindWindowW(L"#32770", title.c_str()); });
  if (dialog == nullptr) {
    std::fprintf(stderr, "user_probe: the save dialog did not open\n");
    return false;
  }
  // The file name box of the common dialog, then its Save button.
  HWND name = GetDlgItem(dialog, 0x480);                  // edt1
  if (name == nullptr) name = GetDlgItem(dialog, 0x47C);  // cmb13
  if (name == nullptr) return false;
  SetWindowTextW(name, path.c_str());
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  return WaitFor([&] { return IsWindow(dialog) ? nullptr : dialog; }) !=
         nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring mode = argc > 1 ? argv[1] : L"";
  if (mode != L"close" && !(mode == L"save" && argc > 2)) {
    std::fprintf(stderr, "usage: user_probe close | save <file.png>\n");
    return 2;
  }
  const std::wstring title =
      wave::Wide(wave::FormOf(wave::WindowSlot::kRising).title);
  HWND form = WaitFor([&] {
    HWND found = FindWindowW(nullptr, title.c_str());
    return found && IsWindowVisible(found) ? found : nullptr;
  });
  if (form == nullptr) {
    std::fprintf(stderr, "user_probe: Form1 did not show\n");
    return 1;
  }
  std::printf("%s\n", wave::Utf8(WindowText(form)).c_str());
  if (mode == L"save") {
    if (!TypeThen(form, L"3000", VK_TAB) ||
        !TypeThen(form, L"3500", VK_RETURN)) {
      std::fprintf(stderr, "user_probe: could not type the prices\n");
      return 1;
    }
    if (!Pick(form, wave::MenuCommand::kSavePicture) ||
        !SaveThroughDialog(argv[2])) {
      std::fprintf(stderr, "user_probe: could not save the picture\n");
      return 1;
    }
  }
  PostMessageW(form, WM_CLOSE, 0, 0);
  return 0;
}
