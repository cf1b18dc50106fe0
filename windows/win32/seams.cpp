#include "windows/win32/seams.h"

#include <commdlg.h>
#include <initguid.h>
#include <oleacc.h>
#include <shlobj.h>

#include <utility>
#include <vector>

#include "windows/forms/texts.h"
#include "windows/win32/system_function.h"
#include "windows/win32/text.h"

namespace wave {

namespace {

// What replaces each system call; empty for the system's own.
struct Replacements {
  MessagePresenter presenter;
  SaveAsker asker;
  Launcher launcher;
  Namer namer;
};

Replacements& Current() {
  static Replacements replacements;
  return replacements;
}

std::wstring SaveDialog(HWND owner, const std::wstring& suggested) {
  std::vector<wchar_t> path(32768, L'\0');
  const std::wstring file = suggested.substr(suggested.find_last_of(L'\\') + 1);
  const std::wstring folder =
      suggested.size() > file.size()
          ? suggested.substr(0, suggested.size() - file.size() - 1)
          : std::wstring();
  file.copy(path.data(), path.size() - 1);
  // "PNG 图片 (*.png)\0*.png\0\0"
  const std::wstring pattern = Wide(kPngFilterPattern);
  std::wstring filter = Wide(kPngFilterName) + L" (" + pattern + L")";
  filter.push_back(L'\0');
  filter += pattern;
  filter.push_back(L'\0');
  const std::wstring title = Wide(kSaveDialogTitle);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrTitle = title.c_str();
  dialog.lpstrDefExt = L"png";
  dialog.Flags =
      OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER;
  static const auto ask = SystemFunction<decltype(&GetSaveFileNameW)>(
      L"comdlg32.dll", "GetSaveFileNameW");
  if (ask == nullptr || !ask(&dialog)) return {};
  return path.data();
}

bool StartProcess(const std::wstring& command, int show) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(show);
  PROCESS_INFORMATION process{};
  std::wstring line = command;  // CreateProcessW may write to it
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

// Dynamic annotation: names a control for every client of MSAA and UI
// Automation without a server of our own.
void Annotate(HWND control, const std::wstring& name,
              const std::wstring& description) {
  // One service for the run: activating it costs more than naming.
  static IAccPropServices* const services = [] {
    IAccPropServices* made = nullptr;
    CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                     IID_IAccPropServices, reinterpret_cast<void**>(&made));
    return made;
  }();
  if (services == nullptr) return;
  services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT),
                           CHILDID_SELF, PROPID_ACC_NAME, name.c_str());
  if (!description.empty()) {
    services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT),
                             CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                             description.c_str());
  }
}

}  // namespace

void SetMessagePresenter(MessagePresenter presenter) {
  Current().presenter = std::move(presenter);
}

void PresentMessage(HWND owner, const std::wstring& title,
                    const std::wstring& text) {
  if (Current().presenter) {
    Current().presenter(owner, title, text);
    return;
  }
  MessageBoxW(owner, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

void SetSaveAsker(SaveAsker asker) { Current().asker = std::move(asker); }

std::wstring AskSavePath(HWND owner, const std::wstring& suggested) {
  return Current().asker ? Current().asker(owner, suggested)
                         : SaveDialog(owner, suggested);
}

void SetLauncher(Launcher launcher) {
  Current().launcher = std::move(launcher);
}

bool Launch(const std::wstring& command, int show) {
  return Current().launcher ? Current().launcher(command, show)
                            : StartProcess(command, show);
}

void SetNamer(Namer namer) { Current().namer = std::move(namer); }

void NameForScreenReaders(HWND control, const std::wstring& name,
                          const std::wstring& description) {
  if (Current().namer) {
    Current().namer(control, name, description);
  } else {
    Annotate(control, name, description);
  }
}

}  // namespace wave
