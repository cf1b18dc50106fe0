#include "windows/win32/program.h"

#include <commctrl.h>
#include <objbase.h>

#include <array>
#include <memory>

#include "windows/win32/form_window.h"

namespace wave {

namespace {

std::unique_ptr<FormWindow>& SlotOf(WindowSlot which) {
  static std::array<std::unique_ptr<FormWindow>, std::size(kSlots)> windows;
  return windows[static_cast<std::size_t>(which)];
}

}  // namespace

void StartProgram() {
  static const bool prepared = [] {
    INITCOMMONCONTROLSEX controls = {sizeof controls,
                                     ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    return true;
  }();
  (void)prepared;
  ShowFormWindow(WindowSlot::kRising);
}

void ShowFormWindow(WindowSlot which) {
  std::unique_ptr<FormWindow>& slot = SlotOf(which);
  if (!slot) slot = std::make_unique<FormWindow>(FormOf(which));
  slot->MakeVisible();
}

FormWindow* FormIn(WindowSlot which) { return SlotOf(which).get(); }

bool TranslateForForms(MSG* msg) {
  FormWindow* form = FormWindow::Of(msg->hwnd);
  return form != nullptr && form->Translate(msg);
}

int RunMessageLoop() {
  MSG msg{};
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (TranslateForForms(&msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

void EndProgram() {
  for (WindowSlot which : kSlots) SlotOf(which).reset();
}

}  // namespace wave
