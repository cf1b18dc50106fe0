#include "tests/qt/driver/qt_driver.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QUrl>
#include <QtTest>
#include <utility>

#include "windows/forms/rules.h"
#include "windows/qt/dialogs.h"
#include "windows/qt/program.h"
#include "windows/qt/wave_form.h"

namespace wave_test {

namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string S(const QString& text) { return text.toStdString(); }

// Records what the browser was asked to open, or refuses it.
class Browser : public QObject {
  Q_OBJECT

 public:
  std::vector<std::string> opened;

 public slots:
  void Open(const QUrl& url) { opened.push_back(S(url.toString())); }
};

// Records the order in which windows are shown and hidden.
class ShowHideLog : public QObject {
 public:
  std::vector<std::string> events;

 protected:
  bool eventFilter(QObject* target, QEvent* event) override {
    if (target->isWidgetType() && static_cast<QWidget*>(target)->isWindow() &&
        qobject_cast<wave::WaveForm*>(target) != nullptr) {
      if (event->type() == QEvent::Show) {
        events.push_back("show " + S(target->objectName()));
      }
      if (event->type() == QEvent::Hide) {
        events.push_back("hide " + S(target->objectName()));
      }
    }
    return false;
  }
};

}  // namespace

struct QtDriver::Seams {
  Browser browser;
  ShowHideLog log;
  std::vector<Report> reports;
  std::string save_answer;
  std::string offered_save;
  std::optional<int> exit_code;
  bool real_messages = false;
};

QtDriver::QtDriver() : seams_(std::make_unique<Seams>()) {}

QtDriver::~QtDriver() { Stop(); }

void QtDriver::Start() {
  Stop();
  seams_ = std::make_unique<Seams>();
  started_ = true;
  wave::SetMessagePresenter([this](QWidget* window, const QString& text) {
    auto* label = window->findChild<QLabel*>(QStringLiteral("Label1"));
    seams_->reports.push_back({S(window->objectName()), S(text),
                               label ? S(label->text()) : std::string()});
  });
  wave::SetSavePathAsker([this](QWidget*, const QString& offered) {
    seams_->offered_save = S(QFileInfo(offered).fileName());
    return Q(seams_->save_answer);
  });
  QDesktopServices::setUrlHandler(QStringLiteral("http"), &seams_->browser,
                                  "Open");
  QGuiApplication::clipboard()->clear();
  qApp->installEventFilter(&seams_->log);
  wave::StartProgram();
  if (!QTest::qWaitForWindowExposed(Window("Form1"))) {
    qFatal("Form1 never showed");
  }
}

void QtDriver::Stop() {
  if (!std::exchange(started_, false) || qApp == nullptr) return;
  qApp->removeEventFilter(&seams_->log);
  wave::EndProgram();
  wave::SetMessagePresenter({});
  wave::SetSavePathAsker({});
  wave::SetClock({});
  QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

QWidget* QtDriver::Window(std::string_view window) {
  const wave::FormSpec* form = wave::FormNamed(window);
  if (QWidget* shown = form ? wave::WindowIn(form->slot) : nullptr) {
    return shown;
  }
  qFatal("no window %s", Q(window).toUtf8().constData());
}

QWidget* QtDriver::Control(std::string_view window, std::string_view control) {
  auto* widget = Window(window)->findChild<QWidget*>(Q(control));
  if (widget == nullptr) {
    qFatal("no %s in %s", Q(control).toUtf8().constData(),
           Q(window).toUtf8().constData());
  }
  return widget;
}

void QtDriver::Focus(std::string_view window, std::string_view control) {
  QWidget* form = Window(window);
  if (!QTest::qWaitForWindowActive(form)) qFatal("the window is not active");
  Control(window, control)->setFocus(Qt::MouseFocusReason);
}

void QtDriver::Enter(std::string_view window, std::string_view box,
                     std::string_view text, Entry how) {
  auto* edit = Widget<QLineEdit>(window, box);
  edit->setFocus();
  const QString entered = Q(text);
  switch (how) {
    case Entry::kTyped:
      // Keys with any text, as a keyboard layout sends, one character each.
      for (qsizetype i = 0; i < entered.size();) {
        const qsizetype width =
            entered.at(i).isHighSurrogate() && i + 1 < entered.size() ? 2 : 1;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                        entered.mid(i, width));
        QApplication::sendEvent(edit, &press);
        i += width;
      }
      break;
    case Entry::kCommitted: {
      QInputMethodEvent commit;
      commit.setCommitString(entered);
      QApplication::sendEvent(edit, &commit);
      break;
    }
    case Entry::kPasted:
      QGuiApplication::clipboard()->setText(entered);
      QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
      break;
  }
}

void QtDriver::Empty(std::string_view window, std::string_view box) {
  auto* edit = Widget<QLineEdit>(window, box);
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(edit, Qt::Key_Delete);
}

void QtDriver::TypeInto(QWidget* window, std::string_view box,
                        std::string_view text) {
  const std::string name = window->objectName().toStdString();
  Empty(name, box);
  Enter(name, box, text, Entry::kTyped);
}

void QtDriver::Click(QWidget* window, std::string_view control) {
  Click(window->objectName().toStdString(), control);
}

void QtDriver::Click(std::string_view window, std::string_view control) {
  QTest::mouseClick(Control(window, control), Qt::LeftButton);
}

void QtDriver::Press(std::string_view keys) {
  Focused();  // keys go to the active window, once it is active
  QWidget* target = QApplication::focusWidget();
  if (target == nullptr) target = QApplication::activeWindow();
  if (target == nullptr) qFatal("nothing takes the keys");
  if (keys == "Enter") {
    QTest::keyClick(target, Qt::Key_Return);
  } else if (keys == "Tab") {
    QTest::keyClick(target, Qt::Key_Tab);
  } else {
    const QKeyCombination combination = QKeySequence(Q(keys))[0];
    QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
  }
}

QMenu* QtDriver::OpenMenu(std::string_view window) {
  QWidget* form = Window(window);
  const QPoint inside(2, 2);
  QContextMenuEvent event(QContextMenuEvent::Mouse, inside,
                          form->mapToGlobal(inside));
  QApplication::sendEvent(form, &event);
  auto* menu = form->findChild<QMenu*>(QStringLiteral("ResultsMenu"));
  if (menu == nullptr || !menu->isVisible()) qFatal("no menu opened");
  return menu;
}

QAction* QtDriver::MenuAction(std::string_view window, std::string_view item) {
  auto* menu = Window(window)->findChild<QMenu*>(QStringLiteral("ResultsMenu"));
  for (QAction* action : menu ? menu->actions() : QList<QAction*>()) {
    if (action->text() == Q(item)) return action;
  }
  return nullptr;
}

void QtDriver::Pick(std::string_view window, std::string_view item) {
  QMenu* menu = OpenMenu(window);
  for (QAction* action : menu->actions()) {
    if (action->text() == Q(item) && action->isEnabled()) {
      menu->close();
      action->trigger();
      return;
    }
  }
  menu->close();
}

void QtDriver::Select(std::string_view window, std::string_view label) {
  QWidget* shown = Control(window, label);
  const int middle = shown->height() / 2;
  QTest::mousePress(shown, Qt::LeftButton, {}, QPoint(0, middle));
  QTest::mouseMove(shown, QPoint(shown->width() - 1, middle));
  QTest::mouseRelease(shown, Qt::LeftButton, {},
                      QPoint(shown->width() - 1, middle));
}

void QtDriver::Close(std::string_view window) {
  bool ended_in_time = true;
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    ended_in_time = false;
    QCoreApplication::exit(1);
  });
  watchdog.start(5000);
  QTimer::singleShot(0, Window(window), &QWidget::close);
  const int code = QApplication::exec();
  seams_->exit_code = ended_in_time ? std::optional<int>(code) : std::nullopt;
}

void QtDriver::FailLaunches() {
  QDesktopServices::setUrlHandler(QStringLiteral("http"), &seams_->browser,
                                  "NoSuchMethod");
}

void QtDriver::AnswerSave(std::string path) {
  seams_->save_answer = std::move(path);
}

std::string QtDriver::Text(std::string_view window, std::string_view control) {
  QWidget* widget = Control(window, control);
  if (auto* label = qobject_cast<QLabel*>(widget)) return S(label->text());
  if (auto* box = qobject_cast<QLineEdit*>(widget)) return S(box->text());
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    return S(button->text());
  }
  return {};
}

std::string QtDriver::Focused() {
  for (wave::WindowSlot slot : wave::kSlots) {
    QWidget* form = wave::WindowIn(slot);
    // Focus is the active window's; one that never becomes active has none.
    if (form != nullptr && form->isVisible() &&
        !QTest::qWaitForWindowActive(form)) {
      return {};
    }
  }
  QWidget* focused = QApplication::focusWidget();
  if (focused == nullptr) return {};
  return S(focused->window()->objectName() + QLatin1Char('.') +
           focused->objectName());
}

std::vector<Report> QtDriver::Reports() {
  QTest::qWait(1);  // a refusal is told once the box has its text back
  return seams_->reports;
}

const std::vector<Report>& QtDriver::reports() const { return seams_->reports; }

std::string QtDriver::Clipboard() {
  return S(QGuiApplication::clipboard()->text());
}

std::vector<std::string> QtDriver::Opened() { return seams_->browser.opened; }

bool QtDriver::Visible(std::string_view window) {
  const wave::FormSpec* form = wave::FormNamed(window);
  QWidget* shown = form ? wave::WindowIn(form->slot) : nullptr;
  return shown != nullptr && shown->isVisible();
}

bool QtDriver::OnTop(std::string_view window) {
  return Window(window)->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

Pixels QtDriver::Rect(std::string_view window, std::string_view control) {
  QWidget* widget = Control(window, control);
  const QPoint at = widget->mapTo(Window(window), QPoint(0, 0));
  return {at.x(), at.y(), widget->width(), widget->height()};
}

std::string QtDriver::At(std::string_view window, int x, int y) {
  QWidget* form = Window(window);
  QWidget* widget = form->childAt(x, y);
  return widget ? S(widget->objectName()) : std::string();
}

std::string QtDriver::Tooltip(std::string_view window,
                              std::string_view control) {
  return S(Control(window, control)->toolTip());
}

std::string QtDriver::AccessibleName(std::string_view window,
                                     std::string_view control) {
  QAccessibleInterface* accessible =
      QAccessible::queryAccessibleInterface(Control(window, control));
  return accessible ? S(accessible->text(QAccessible::Name)) : std::string();
}

std::vector<std::string> QtDriver::MenuItems(std::string_view window) {
  QMenu* menu = OpenMenu(window);
  std::vector<std::string> items;
  for (QAction* action : menu->actions()) {
    if (!action->isSeparator()) items.push_back(S(action->text()));
  }
  menu->close();
  return items;
}

std::vector<std::string> QtDriver::WindowEvents() { return seams_->log.events; }

std::string QtDriver::OfferedSave() { return seams_->offered_save; }

std::optional<int> QtDriver::ExitCode() { return seams_->exit_code; }

void QtDriver::ShowRealMessages() { wave::SetMessagePresenter({}); }

}  // namespace wave_test

#include "qt_driver.moc"
