// What a scenario may do to a front end and read back from it: the window
// and control names of the form tables, texts in UTF-8, pixels of the
// window's client area. Each front end implements it over its real windows.
#ifndef WAVECALC_TESTS_SCENARIOS_DRIVER_H_
#define WAVECALC_TESTS_SCENARIOS_DRIVER_H_

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wave_test {

// How text enters a box.
enum class Entry { kTyped, kCommitted, kPasted };

// A message shown over a window, with Label1's caption while it was up.
struct Report {
  std::string window;
  std::string text;
  std::string label1;
};

struct Pixels {
  int left, top, width, height;
};

class Driver {
 public:
  virtual ~Driver() = default;

  // A fresh program showing Form1: no report, an empty clipboard.
  virtual void Start() = 0;
  // Ends the program, whatever state it is in.
  virtual void Stop() = 0;

  // Acts as a user does. window is "Form1" or "Form2".
  virtual void Focus(std::string_view window, std::string_view control) = 0;
  // Into a box at its cursor, with the box focused.
  virtual void Enter(std::string_view window, std::string_view box,
                     std::string_view text, Entry how) = 0;
  // Selects all of a box and deletes it.
  virtual void Empty(std::string_view window, std::string_view box) = 0;
  virtual void Click(std::string_view window, std::string_view control) = 0;
  // "Enter", "Tab", or a shortcut such as "Ctrl+Shift+C", on whatever has
  // the focus.
  virtual void Press(std::string_view keys) = 0;
  // Picks an item of the window's right-click menu by what it says.
  virtual void Pick(std::string_view window, std::string_view item) = 0;
  // Drags the mouse across the whole caption of a label.
  virtual void Select(std::string_view window, std::string_view label) = 0;
  // The window's close button.
  virtual void Close(std::string_view window) = 0;

  // Seams: the next launch of the browser fails; the next save dialog
  // answers path (empty: cancelled).
  virtual void FailLaunches() = 0;
  virtual void AnswerSave(std::string path) = 0;

  // What the user sees.
  virtual std::string Text(std::string_view window,
                           std::string_view control) = 0;
  // "Form1.Text1", or "" when nothing has the focus.
  virtual std::string Focused() = 0;
  virtual std::vector<Report> Reports() = 0;
  virtual std::string Clipboard() = 0;
  virtual std::vector<std::string> Opened() = 0;
  virtual bool Visible(std::string_view window) = 0;
  virtual bool OnTop(std::string_view window) = 0;
  virtual Pixels Rect(std::string_view window, std::string_view control) = 0;
  // The control drawn at a point of the window, or "" for the window.
  virtual std::string At(std::string_view window, int x, int y) = 0;
  virtual std::string Tooltip(std::string_view window,
                              std::string_view control) = 0;
  virtual std::string AccessibleName(std::string_view window,
                                     std::string_view control) = 0;
  virtual std::vector<std::string> MenuItems(std::string_view window) = 0;
  // "show Form2", "hide Form1", in the order they happened.
  virtual std::vector<std::string> WindowEvents() = 0;
  // The file name the last save dialog offered.
  virtual std::string OfferedSave() = 0;
  // The exit code, once the program has ended.
  virtual std::optional<int> ExitCode() = 0;
};

// The front end's driver; each scenario program links one.
std::unique_ptr<Driver> MakeDriver();

}  // namespace wave_test

#endif  // WAVECALC_TESTS_SCENARIOS_DRIVER_H_
