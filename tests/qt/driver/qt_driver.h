// The driver of the Qt windows: the real widgets, driven with QtTest's
// keys and mouse and read back as a user sees them. Tests, tools and
// benchmarks all reach the windows through it.
#ifndef WAVECALC_TESTS_QT_DRIVER_QT_DRIVER_H_
#define WAVECALC_TESTS_QT_DRIVER_QT_DRIVER_H_

#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tests/scenarios/driver.h"
#include "windows/forms/form_spec.h"

class QAction;
class QMenu;

namespace wave_test {

class QtDriver : public Driver {
 public:
  QtDriver();
  ~QtDriver() override;

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

  // For what only Qt can tell: the window ("Form1", "Form2") and its
  // controls as widgets. A missing one ends the test.
  QWidget* Window(std::string_view window);
  template <typename T = QWidget>
  T* Widget(std::string_view window, std::string_view control) {
    return qobject_cast<T*>(Control(window, control));
  }
  // The same steps for a window in hand, as Qt-only tests hold it.
  template <typename T = QWidget>
  T* Find(QWidget* window, std::string_view control) {
    T* found = Widget<T>(window->objectName().toStdString(), control);
    if (found == nullptr) qFatal("no control of that kind");
    return found;
  }
  void TypeInto(QWidget* window, std::string_view box, std::string_view text);
  using Driver::Click;
  void Click(QWidget* window, std::string_view control);

  // The reports shown so far, with the message box replaced.
  const std::vector<Report>& reports() const;
  // The right-click menu's action that says item, or null; the menu stays
  // closed.
  QAction* MenuAction(std::string_view window, std::string_view item);
  // Shows real message boxes from now on.
  void ShowRealMessages();

 private:
  struct Seams;

  QWidget* Control(std::string_view window, std::string_view control);
  QMenu* OpenMenu(std::string_view window);

  std::unique_ptr<Seams> seams_;
  bool started_ = false;
};

}  // namespace wave_test

#endif  // WAVECALC_TESTS_QT_DRIVER_QT_DRIVER_H_
