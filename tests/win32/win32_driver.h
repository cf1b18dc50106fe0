// The driver of the Win32 windows: the real controls, driven with the
// messages a user's keys and mouse send, read back through the controls
// and the program's seams.
#ifndef WAVECALC_TESTS_WIN32_WIN32_DRIVER_H_
#define WAVECALC_TESTS_WIN32_WIN32_DRIVER_H_

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/scenarios/driver.h"

namespace wave {
class FormWindow;
}

namespace wave_test {

class Win32Driver : public Driver {
 public:
  Win32Driver();
  ~Win32Driver() override;

  void Start() override;
  void Stop() override;

  void Focus(std::string_view window, std::string_view control) override;
  void Enter(std::string_view window, std::string_view box,
             std::string_view text, Entry how) override;
  void Empty(std::string_view window, std::string_view box) override;
  void Click(std::string_view window, std::string_view control) override;
  void Press(std::string_view keys) override;
  void Pick(std::string_view window, std::string_view item) override;
  void Select(std::string_view window, std::string_view label) override;
  void Close(std::string_view window) override;
  void FailLaunches() override;
  void AnswerSave(std::string path) override;

  std::string Text(std::string_view window, std::string_view control) override;
  std::string Focused() override;
  std::vector<Report> Reports() override;
  std::string Clipboard() override;
  std::vector<std::string> Opened() override;
  bool Visible(std::string_view window) override;
  bool OnTop(std::string_view window) override;
  Pixels Rect(std::string_view window, std::string_view control) override;
  std::string At(std::string_view window, int x, int y) override;
  std::string Tooltip(std::string_view window,
                      std::string_view control) override;
  std::string AccessibleName(std::string_view window,
                             std::string_view control) override;
  std::vector<std::string> MenuItems(std::string_view window) override;
  std::vector<std::string> WindowEvents() override;
  std::string OfferedSave() override;
  std::optional<int> ExitCode() override;

  // For what only Win32 can tell.
  wave::FormWindow* Form(std::string_view window);
  HWND Control(std::string_view window, std::string_view control);
  // Every launch asked for: the command line, the show flag, and whether
  // it started.
  struct Launch {
    std::wstring command;
    int show;
    bool started;
  };
  const std::vector<Launch>& launches() const { return launches_; }
  // Handles what is waiting, as the program's loop does.
  void Pump();
  // Shows real message boxes from now on.
  void ShowRealMessages();

 private:
  void WaitActive();
  void Post(HWND target, UINT message, WPARAM wparam, LPARAM lparam);

  bool started_ = false;
  bool fail_launches_ = false;
  std::vector<Report> reports_;
  std::vector<Launch> launches_;
  std::map<HWND, std::wstring> names_;
  std::wstring save_answer_;
  std::string offered_save_;
  std::optional<int> exit_code_;
};

}  // namespace wave_test

#endif  // WAVECALC_TESTS_WIN32_WIN32_DRIVER_H_
