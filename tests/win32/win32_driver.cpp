#include "tests/win32/win32_driver.h"

#include <commctrl.h>

#include <chrono>
#include <thread>
#include <utility>

#include "windows/forms/form_spec.h"
#include "windows/win32/form_window.h"
#include "windows/win32/program.h"
#include "windows/win32/seams.h"
#include "windows/win32/text.h"

namespace wave_test {

namespace {

using wave::Utf8;
using wave::Wide;

std::vector<std::string>& Events() {
  static std::vector<std::string> events;
  return events;
}

HHOOK& Hook() {
  static HHOOK hook = nullptr;
  return hook;
}

// Records each of our windows shown or hidden, as it happens.
LRESULT CALLBACK WatchShows(int code, WPARAM wparam, LPARAM lparam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lparam);
  if (code == HC_ACTION && call->message == WM_SHOWWINDOW) {
    wave::FormWindow* form = wave::FormWindow::Of(call->hwnd);
    if (form != nullptr && form->hwnd() == call->hwnd) {
      Events().push_back(std::string(call->wParam ? "show " : "hide ") +
                         std::string(form->form().name));
    }
  }
  return CallNextHookEx(Hook(), code, wparam, lparam);
}

// Holds keys down for the messages that follow, as GetKeyState sees them.
class KeysDown {
 public:
  explicit KeysDown(std::initializer_list<int> keys) {
    GetKeyboardState(saved_);
    BYTE state[256];
    std::copy(std::begin(saved_), std::end(saved_), state);
    for (int key : keys) state[key] |= 0x80;
    SetKeyboardState(state);
  }
  ~KeysDown() { SetKeyboardState(saved_); }

 private:
  BYTE saved_[256];
};

}  // namespace

Win32Driver::Win32Driver() = default;

Win32Driver::~Win32Driver() { Stop(); }

void Win32Driver::Start() {
  Stop();
  started_ = true;
  reports_.clear();
  launches_.clear();
  names_.clear();
  Events().clear();
  fail_launches_ = false;
  exit_code_.reset();
  save_answer_.clear();
  offered_save_.clear();
  wave::SetMessagePresenter([this](HWND owner, const std::wstring&,
                                   const std::wstring& text) {
    wave::FormWindow* form = wave::FormWindow::Of(owner);
    reports_.push_back({form ? std::string(form->form().name) : std::string(),
                        Utf8(text),
                        form ? form->Text("Label1") : std::string()});
  });
  wave::SetSaveAsker([this](HWND, const std::wstring& suggested) {
    offered_save_ = Utf8(suggested.substr(suggested.find_last_of(L'\\') + 1));
    return save_answer_;
  });
  wave::SetLauncher([this](const std::wstring& command, int show) {
    launches_.push_back({command, show, !fail_launches_});
    return !fail_launches_;
  });
  wave::SetNamer([this](HWND control, const std::wstring& name,
                        const std::wstring&) { names_[control] = name; });
  Hook() = SetWindowsHookExW(WH_CALLWNDPROC, &WatchShows, nullptr,
                             GetCurrentThreadId());
  if (OpenClipboard(nullptr)) {
    EmptyClipboard();
    CloseClipboard();
  }
  wave::StartProgram();
  Pump();
}

void Win32Driver::Stop() {
  if (!std::exchange(started_, false)) return;
  wave::EndProgram();
  Pump();
  if (Hook() != nullptr) UnhookWindowsHookEx(std::exchange(Hook(), nullptr));
  wave::SetMessagePresenter({});
  wave::SetSaveAsker({});
  wave::SetLauncher({});
  wave::SetNamer({});
}

void Win32Driver::Pump() {
  // Twice over a short while: what one message starts may post more.
  for (int round = 0; round < 3; ++round) {
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        exit_code_ = static_cast<int>(msg.wParam);
        continue;
      }
      if (wave::TranslateForForms(&msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (round < 2) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

void Win32Driver::Post(HWND target, UINT message, WPARAM wparam,
                       LPARAM lparam) {
  PostMessageW(target, message, wparam, lparam);
  Pump();
}

wave::FormWindow* Win32Driver::Form(std::string_view window) {
  const wave::FormSpec* form = wave::FormNamed(window);
  return form ? wave::FormIn(form->slot) : nullptr;
}

HWND Win32Driver::Control(std::string_view window, std::string_view control) {
  wave::FormWindow* form = Form(window);
  return form ? form->Control(control) : nullptr;
}

void Win32Driver::WaitActive() {
  for (int i = 0; i < 200; ++i) {
    Pump();
    HWND active = GetActiveWindow();
    for (wave::WindowSlot slot : wave::kSlots) {
      wave::FormWindow* form = wave::FormIn(slot);
      if (form != nullptr && IsWindowVisible(form->hwnd()) &&
          active == form->hwnd()) {
        return;
      }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

void Win32Driver::Focus(std::string_view window, std::string_view control) {
  WaitActive();
  SetFocus(Control(window, control));
  Pump();
}

void Win32Driver::Enter(std::string_view window, std::string_view box,
                        std::string_view text, Entry how) {
  HWND edit = Control(window, box);
  SetFocus(edit);
  const std::wstring entered = Wide(text);
  switch (how) {
    case Entry::kTyped:
    case Entry::kCommitted:
      // Keys as a keyboard layout sends them; an input method's commit as
      // the characters it hands the box.
      for (wchar_t unit : entered) {
        PostMessageW(edit, how == Entry::kTyped ? WM_CHAR : WM_IME_CHAR, unit,
                     1);
      }
      Pump();
      break;
    case Entry::kPasted:
      wave::SetClipboardText(nullptr, entered);
      Post(edit, WM_CHAR, 0x16, 1);  // Ctrl+V
      break;
  }
}

void Win32Driver::Empty(std::string_view window, std::string_view box) {
  HWND edit = Control(window, box);
  SetFocus(edit);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  Post(edit, WM_KEYDOWN, VK_DELETE, 1);
}

void Win32Driver::Click(std::string_view window, std::string_view control) {
  HWND target = Control(window, control);
  wchar_t kind[16] = {};
  GetClassNameW(target, kind, 16);
  if (std::wstring_view(kind) == L"Button") {
    Post(target, BM_CLICK, 0, 0);
    return;
  }
  // A real click, where the picture is.
  Post(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  Post(target, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
}

void Win32Driver::Press(std::string_view keys) {
  WaitActive();
  HWND target = GetFocus();
  if (keys == "Enter" || keys == "Tab") {
    const WPARAM key = keys == "Enter" ? VK_RETURN : VK_TAB;
    Post(target, WM_KEYDOWN, key, 1);
    Post(target, WM_KEYUP, key, 0xC0000001);
    return;
  }
  // "Ctrl+Shift+C"
  const char key = keys.back();
  KeysDown held({VK_CONTROL, VK_SHIFT});
  Post(target, WM_KEYDOWN, static_cast<WPARAM>(key), 1);
  Post(target, WM_KEYUP, static_cast<WPARAM>(key), 0xC0000001);
}

void Win32Driver::Pick(std::string_view window, std::string_view item) {
  wave::FormWindow* form = Form(window);
  form->PrepareMenu();
  HMENU menu = form->menu();
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
    std::wstring shown = text;
    shown = shown.substr(0, shown.find(L'\t'));
    const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
    if (Utf8(shown) == item && !(state & (MF_GRAYED | MF_DISABLED))) {
      Post(form->hwnd(), WM_COMMAND, GetMenuItemID(menu, i), 0);
      return;
    }
  }
}

void Win32Driver::Select(std::string_view window, std::string_view label) {
  HWND shown = Control(window, label);
  RECT size{};
  GetClientRect(shown, &size);
  const int middle = size.bottom / 2;
  Post(shown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(0, middle));
  Post(shown, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(size.right - 1, middle));
  Post(shown, WM_LBUTTONUP, 0, MAKELPARAM(size.right - 1, middle));
}

void Win32Driver::Close(std::string_view window) {
  Post(Form(window)->hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  for (int i = 0; i < 100 && !exit_code_; ++i) Pump();
}

void Win32Driver::FailLaunches() { fail_launches_ = true; }

void Win32Driver::AnswerSave(std::string path) { save_answer_ = Wide(path); }

std::string Win32Driver::Text(std::string_view window,
                              std::string_view control) {
  Pump();
  return Form(window)->Text(control);
}

std::string Win32Driver::Focused() {
  WaitActive();
  HWND focus = GetFocus();
  wave::FormWindow* form = wave::FormWindow::Of(focus);
  if (form == nullptr) return {};
  return std::string(form->form().name) + "." +
         std::string(form->NameOf(focus));
}

std::vector<Report> Win32Driver::Reports() {
  Pump();
  return reports_;
}

std::string Win32Driver::Clipboard() {
  return Utf8(wave::ClipboardText(nullptr));
}

std::vector<std::string> Win32Driver::Opened() {
  // What explorer.exe is handed: the address after the program's name.
  std::vector<std::string> opened;
  for (const Launch& launch : launches_) {
    if (!launch.started) continue;
    const std::size_t blank = launch.command.find(L' ');
    opened.push_back(Utf8(blank == std::wstring::npos
                              ? launch.command
                              : launch.command.substr(blank + 1)));
  }
  return opened;
}

bool Win32Driver::Visible(std::string_view window) {
  wave::FormWindow* form = Form(window);
  return form != nullptr && IsWindowVisible(form->hwnd());
}

bool Win32Driver::OnTop(std::string_view window) {
  for (int i = 0; i < 100; ++i) {
    Pump();
    if (GetWindowLongPtrW(Form(window)->hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) {
      return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

Pixels Win32Driver::Rect(std::string_view window, std::string_view control) {
  RECT place{};
  GetWindowRect(Control(window, control), &place);
  MapWindowPoints(nullptr, Form(window)->hwnd(),
                  reinterpret_cast<POINT*>(&place), 2);
  return {place.left, place.top, place.right - place.left,
          place.bottom - place.top};
}

std::string Win32Driver::At(std::string_view window, int x, int y) {
  wave::FormWindow* form = Form(window);
  HWND parent = form->hwnd();
  POINT point = {x, y};
  while (true) {
    HWND child = ChildWindowFromPointEx(parent, point, CWP_SKIPINVISIBLE);
    if (child == nullptr || child == parent) break;
    MapWindowPoints(parent, child, &point, 1);
    parent = child;
  }
  return std::string(form->NameOf(parent));
}

std::string Win32Driver::Tooltip(std::string_view window,
                                 std::string_view control) {
  wave::FormWindow* form = Form(window);
  wchar_t text[512] = {};
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = form->hwnd();
  tool.uId = reinterpret_cast<UINT_PTR>(form->Control(control));
  tool.lpszText = text;
  SendMessageW(form->tooltip(), TTM_GETTEXTW, 512,
               reinterpret_cast<LPARAM>(&tool));
  return Utf8(text);
}

std::string Win32Driver::AccessibleName(std::string_view window,
                                        std::string_view control) {
  HWND target = Control(window, control);
  const auto named = names_.find(target);
  return Utf8(named != names_.end() ? named->second : wave::WindowText(target));
}

std::vector<std::string> Win32Driver::MenuItems(std::string_view window) {
  HMENU menu = Form(window)->menu();
  std::vector<std::string> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) &
        MF_SEPARATOR) {
      continue;
    }
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
    std::wstring shown = text;
    items.push_back(Utf8(shown.substr(0, shown.find(L'\t'))));
  }
  return items;
}

std::vector<std::string> Win32Driver::WindowEvents() { return Events(); }

std::string Win32Driver::OfferedSave() { return offered_save_; }

std::optional<int> Win32Driver::ExitCode() { return exit_code_; }

void Win32Driver::ShowRealMessages() { wave::SetMessagePresenter({}); }

}  // namespace wave_test
