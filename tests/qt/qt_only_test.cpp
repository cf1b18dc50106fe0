// Drives the real windows with keys and mouse clicks, as a user would.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest>
#include <vector>

#include "tests/window_driver.h"
#include "windows/caption_label.h"
#include "windows/dialogs.h"
#include "windows/maker_page.h"
#include "windows/price_box.h"
#include "windows/program.h"

namespace {

using wave_test::Caption;
using wave_test::Captions;
using wave_test::Click;
using wave_test::Falling;
using wave_test::Find;
using wave_test::Rising;
using wave_test::SwitchToFalling;
using wave_test::TypeInto;

const QStringList kRisingLabels = {"Label1",  "Label2", "Label3", "Label4",
                                   "Label11", "Label5", "Label6"};
const QStringList kFallingLabels = {"Label1", "Label2", "Label3", "Label4",
                                    "Label5"};

// Records what a URL handler was asked to open.
class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  std::vector<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened.push_back(url); }
};

// Records the order in which windows are shown and hidden.
class ShowHideLog : public QObject {
 public:
  QStringList events;

 protected:
  bool eventFilter(QObject* target, QEvent* event) override {
    if (target->isWidgetType() && static_cast<QWidget*>(target)->isWindow()) {
      if (event->type() == QEvent::Show)
        events << "show " + target->objectName();
      if (event->type() == QEvent::Hide)
        events << "hide " + target->objectName();
    }
    return false;
  }
};

bool HasChinese(const QString& text) {
  for (QChar c : text) {
    if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF) return true;
  }
  return false;
}

QMenu* OpenResultsMenuAt(QWidget* target) {
  const QPoint inside(2, 2);
  QContextMenuEvent event(QContextMenuEvent::Mouse, inside,
                          target->mapToGlobal(inside));
  QApplication::sendEvent(target, &event);
  auto* menu =
      target->window()->findChild<QMenu*>(QStringLiteral("ResultsMenu"));
  return menu != nullptr && menu->isVisible() ? menu : nullptr;
}

QAction* ActionNamed(QMenu* menu, const QString& text) {
  for (QAction* action : menu->actions()) {
    if (action->text() == text) return action;
  }
  return nullptr;
}

// Drags the mouse across a label from one x to another.
void SelectAcross(QLabel* label, int from, int to) {
  const int middle = label->height() / 2;
  QTest::mousePress(label, Qt::LeftButton, {}, QPoint(from, middle));
  QTest::mouseMove(label, QPoint(to, middle));
  QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(to, middle));
}

// Enters text into a box as a user would: typed key by key, committed by an
// input method, or pasted from the clipboard.
void Enter(QLineEdit* box, const QString& how, const QString& text) {
  if (how == "typed") {
    for (QChar c : text) {  // keys with any text, as a keyboard layout sends
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c);
      QApplication::sendEvent(box, &press);
    }
  } else if (how == "committed") {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(box, &commit);
  } else {
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  }
}

QWidget* Calculated(bool falling) {
  QWidget* window = falling ? SwitchToFalling() : Rising();
  TypeInto(window, "Text1", falling ? "3500" : "3000");
  TypeInto(window, "Text2", falling ? "3000" : "3500");
  Click(window, "Command3");
  return window;
}

// Triggers an item of the window's right-click menu, as a user picks it.
void PickFromMenu(QWidget* window, const QString& item) {
  QMenu* menu = OpenResultsMenuAt(window);
  QVERIFY(menu != nullptr);
  QAction* action = ActionNamed(menu, item);
  QVERIFY2(action != nullptr, qPrintable(item));
  action->trigger();
  menu->close();
}

// A region of the chart that no control covers, in device-independent
// pixels, and the same region of a picture at its device pixel ratio.
const QRect kBareChart(250, 170, 20, 20);
QImage Region(const QImage& image, qreal ratio) {
  const QRect scaled(kBareChart.topLeft() * ratio, kBareChart.size() * ratio);
  return image.copy(scaled).convertToFormat(QImage::Format_RGB32);
}

// The window's pixels over a label, up to the left edge of a frame.
QImage VisiblePart(QWidget* window, QWidget* label, QWidget* frame) {
  QApplication::processEvents();
  const QRect part(label->pos(),
                   QPoint(frame->x() - 1, label->geometry().bottom()));
  return window->grab(part).toImage();
}

}  // namespace

class WindowsTest : public QObject {
  Q_OBJECT

 private:
  struct Report {
    QString text;
    QString window;
    QString label1_while_shown;
  };
  std::vector<Report> reports_;
  UrlCatcher catcher_;

 private slots:
  void init() {
    reports_.clear();
    catcher_.opened.clear();
    wave::SetMessagePresenter([this](QWidget* window, const QString& text) {
      reports_.push_back(
          {text, window->objectName(), Find<QLabel>(window, "Label1")->text()});
    });
    QGuiApplication::clipboard()->clear();
    wave::StartProgram();
    QVERIFY(QTest::qWaitForWindowExposed(Rising()));
  }

  void cleanup() {
    wave::SetMessagePresenter({});
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    wave::EndProgram();
  }

  void startsWithOnlyTheRisingWindow() {
    QVERIFY(Rising()->isVisible());
    QVERIFY(Falling() == nullptr);
    QVERIFY(!Rising()->windowIcon().isNull());
  }

  void labelsGrowToTheRightToFitTheirCaptions() {
    QWidget* rising = Rising();
    auto* label6 = Find<QLabel>(rising, "Label6");
    const QPoint place = label6->pos();
    const int design_width = label6->width();
    TypeInto(rising, "Text1", "3000");
    TypeInto(rising, "Text2", "3500.25");
    Click(rising, "Command3");
    QCOMPARE(Caption(rising, "Label6"), QStringLiteral("4250.125"));
    QCOMPARE(label6->pos(), place);
    QVERIFY(label6->width() > design_width);
    // At 10.5 pt every character is 105 twips, 7 pixels, wide.
    QCOMPARE(label6->width(), 8 * 7);
    QCOMPARE(label6->focusPolicy(), Qt::NoFocus);
  }

  void typedMarkupShowsAsCharacters() {
    QWidget* rising = Rising();
    const QString markup = QStringLiteral("<b>3000</b><img src=x>");
    Find<QLineEdit>(rising, "Text1")->setText(markup);
    TypeInto(rising, "Text2", "3500");
    Click(rising, "Command3");
    auto* label1 = Find<QLabel>(rising, "Label1");
    QCOMPARE(label1->text(), markup);
    QCOMPARE(label1->textFormat(), Qt::PlainText);
    // At 12 pt every character is 120 twips, 8 pixels, wide.
    QCOMPARE(label1->width(), markup.size() * 8);
  }

  // A frame hides the part of a long label that runs beneath it.
  void framesCoverLongLabels() {
    QWidget* rising = Rising();
    TypeInto(rising, "Text1", "1234567.891");
    TypeInto(rising, "Text2", "1234567.892");
    Click(rising, "Command3");
    auto* label6 = Find<QLabel>(rising, "Label6");
    QCOMPARE(label6->text(), QStringLiteral("1234567.8915"));
    const int frame_left = Find<QWidget>(rising, "Frame1")->x();
    QVERIFY(label6->geometry().right() > frame_left);
    QWidget* on_top = rising->childAt(frame_left + 6, label6->y() + 5);
    QVERIFY(on_top != nullptr);
    QVERIFY(on_top != label6);
    QVERIFY(on_top->objectName() == "Frame1" ||
            on_top->parentWidget()->objectName() == "Frame1");
    QCOMPARE(rising->childAt(label6->x() + 2, label6->y() + 5), label6);
  }

  // A leg shorter than one half gives a length of 0, so the start itself
  // becomes the caption under test.
  void longValuesShowWholeUpToTheFrame_data() {
    QTest::addColumn<bool>("falling");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("frame");
    QTest::newRow("falling wave c, six characters") << true << "Label4"
                                                    << "3636.5"
                                                    << "Frame2";
    QTest::newRow("falling extended c, six characters") << true << "Label5"
                                                        << "3636.5"
                                                        << "Frame2";
    QTest::newRow("rising wave 5, ten characters") << false << "Label6"
                                                   << "1234567.89"
                                                   << "Frame1";
  }
  void longValuesShowWholeUpToTheFrame() {
    QFETCH(bool, falling);
    QFETCH(QString, label);
    QFETCH(QString, start);
    QFETCH(QString, frame);
    QWidget* window = falling ? SwitchToFalling() : Rising();
    TypeInto(window, "Text1", start);
    TypeInto(window, "Text2", start);
    Click(window, "Command3");
    auto* shown = Find<QLabel>(window, label.toLatin1().constData());
    QCOMPARE(shown->text(), start);
    QVERIFY2(shown->geometry().right() <
                 Find<QWidget>(window, frame.toLatin1().constData())->x(),
             qPrintable(QString::number(shown->geometry().right())));
  }

  // Six characters fill the falling value labels up to Frame2; a seventh
  // lies wholly beneath it.
  void aSeventhCharacterHidesBeneathTheFrame_data() {
    QTest::addColumn<QString>("label");
    QTest::newRow("wave c") << "Label4";
    QTest::newRow("extended c") << "Label5";
  }
  void aSeventhCharacterHidesBeneathTheFrame() {
    QFETCH(QString, label);
    QWidget* falling = SwitchToFalling();
    auto* shown = Find<QLabel>(falling, label.toLatin1().constData());
    auto* frame = Find<QWidget>(falling, "Frame2");
    QImage visible[2];
    const char* starts[] = {"3636.4", "3636.49"};
    for (int i = 0; i < 2; ++i) {
      TypeInto(falling, "Text1", starts[i]);
      TypeInto(falling, "Text2", "3636.4");
      Click(falling, "Command3");
      QCOMPARE(shown->text(), QString::fromLatin1(starts[i]));
      visible[i] = VisiblePart(falling, shown, frame);
    }
    QVERIFY(shown->geometry().right() >= frame->x());
    QCOMPARE(visible[1], visible[0]);
  }

  // The extended target sits above wave 3's and never covers it.
  void theExtendedTargetNeverCoversWave3_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::newRow("worked example") << "3000"
                                    << "3500";
    QTest::newRow("long values") << "1234567.891"
                                 << "1234599.123";
    QTest::newRow("negative") << "-3000"
                              << "-3500";
  }
  void theExtendedTargetNeverCoversWave3() {
    QFETCH(QString, start);
    QFETCH(QString, end);
    QWidget* rising = Rising();
    TypeInto(rising, "Text1", start);
    TypeInto(rising, "Text2", end);
    Click(rising, "Command3");
    const QRect wave3 = Find<QLabel>(rising, "Label4")->geometry();
    const QRect extended = Find<QLabel>(rising, "Label11")->geometry();
    QVERIFY(!Caption(rising, "Label11").isEmpty());
    QVERIFY(extended.bottom() < wave3.top());
  }

  // Where a long value reaches a wave tag, the value shows.
  void aLongValueLiesOverTheWaveTag() {
    QWidget* rising = Rising();
    TypeInto(rising, "Text1", "3000");
    TypeInto(rising, "Text2", "3500.1234567891");
    Click(rising, "Command3");
    auto* extended = Find<QLabel>(rising, "Label11");
    const QRect overlap =
        extended->geometry() & Find<QLabel>(rising, "Label16")->geometry();
    QVERIFY2(!overlap.isEmpty(), qPrintable(extended->text()));
    QCOMPARE(rising->childAt(overlap.center()), extended);
  }

  // "调整" shows its own back colour, flat, inside the style's frame, and
  // the focus mark still shows on it.
  void theGraphicalButtonShowsItsColour() {
    auto* button = Find<QPushButton>(Rising(), "Command1");
    QImage faces[2];
    for (int focused = 0; focused < 2; ++focused) {
      if (focused) {
        QVERIFY(QTest::qWaitForWindowActive(Rising()));
        button->setFocus();
        QTRY_VERIFY(button->hasFocus());
      }
      faces[focused] = button->grab().toImage();
      const QRect inside = faces[focused].rect().adjusted(3, 3, -3, -3);
      int designed = 0;
      for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
          if (faces[focused].pixelColor(x, y) == QColor(255, 192, 192)) {
            ++designed;
          }
        }
      }
      const double share =
          double(designed) / (inside.width() * inside.height());
      QVERIFY2(share >= 0.8, qPrintable(QString::number(share)));
    }
    QVERIFY(faces[0] != faces[1]);
  }

  void enterInEitherBoxCalculates_data() {
    QTest::addColumn<bool>("falling");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("expected");
    const QStringList rising = {"3000", "3500", "3100", "3700",
                                "3950", "3250", "4250"};
    const QStringList falling = {"3500", "3000", "3350", "2760", "2691"};
    QTest::newRow("rising Text1") << false << "Text1" << rising;
    QTest::newRow("rising Text2") << false << "Text2" << rising;
    QTest::newRow("falling Text1") << true << "Text1" << falling;
    QTest::newRow("falling Text2") << true << "Text2" << falling;
  }
  void enterInEitherBoxCalculates() {
    QFETCH(bool, falling);
    QFETCH(QString, box);
    QFETCH(QStringList, expected);
    QWidget* window = falling ? SwitchToFalling() : Rising();
    TypeInto(window, "Text1", expected[0]);
    TypeInto(window, "Text2", expected[1]);
    QTest::keyClick(Find<QLineEdit>(window, box.toLatin1().constData()),
                    Qt::Key_Return);
    QCOMPARE(Captions(window, falling ? kFallingLabels : kRisingLabels),
             expected);
  }

  void risingButtonsRunTheirOperations_data() {
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<QString>("label5");
    QTest::addColumn<QString>("label6");
    QTest::addColumn<QString>("label11");
    QTest::newRow("calculate") << QStringList{"Command3"} << "3250"
                               << "4250"
                               << "3950";
    QTest::newRow("adjust") << QStringList{"Command3", "Command1"} << "3691"
                            << "4500"
                            << "3950";
    QTest::newRow("clear") << QStringList{"Command3", "Command2"} << "5"
                           << "6"
                           << "";
    QTest::newRow("clear then adjust")
        << QStringList{"Command3", "Command2", "Command1"} << "193"
        << "1002"
        << "";
  }
  void risingButtonsRunTheirOperations() {
    QFETCH(QStringList, presses);
    QFETCH(QString, label5);
    QFETCH(QString, label6);
    QFETCH(QString, label11);
    QWidget* rising = Rising();
    TypeInto(rising, "Text1", "3000");
    TypeInto(rising, "Text2", "3500");
    for (const QString& button : presses) {
      Click(rising, button.toLatin1().constData());
    }
    QCOMPARE(Caption(rising, "Label5"), label5);
    QCOMPARE(Caption(rising, "Label6"), label6);
    QCOMPARE(Caption(rising, "Label11"), label11);
    QCOMPARE(Find<QLineEdit>(rising, "Text1")->text(), QStringLiteral("3000"));
    QVERIFY(reports_.empty());
  }

  void fallingWindowCalculatesAndClears() {
    QWidget* falling = Calculated(true);
    QCOMPARE(Captions(falling, kFallingLabels),
             (QStringList{"3500", "3000", "3350", "2760", "2691"}));
    Click(falling, "Command2");
    QCOMPARE(Captions(falling, kFallingLabels),
             (QStringList{"1", "2", "3", "4", ""}));
  }

  // The captions are written before the report, and stay after it.
  void errorsAreReportedAfterThePartialCaptions_data() {
    QTest::addColumn<bool>("falling");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("label1");
    QTest::addColumn<QString>("label3");
    QTest::newRow("rising, empty end") << false << "3000"
                                       << ""
                                       << "运行时错误 13：类型不匹配"
                                       << "3000"
                                       << "3";
    QTest::newRow("rising, too long") << false << "40000"
                                      << ""
                                      << "运行时错误 6：溢出"
                                      << "1"
                                      << "3";
    QTest::newRow("falling, empty") << true << ""
                                    << ""
                                    << "运行时错误 13：类型不匹配"
                                    << ""
                                    << "3";
    QTest::newRow("falling, bad start") << true << "abc"
                                        << "3000"
                                        << "运行时错误 13：类型不匹配"
                                        << "abc"
                                        << "900";
  }
  void errorsAreReportedAfterThePartialCaptions() {
    QFETCH(bool, falling);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, report);
    QFETCH(QString, label1);
    QFETCH(QString, label3);
    QWidget* window = falling ? SwitchToFalling() : Rising();
    TypeInto(window, "Text1", start);
    TypeInto(window, "Text2", end);
    Click(window, "Command3");
    QCOMPARE(reports_.size(), std::size_t{1});
    QCOMPARE(reports_[0].text, report);
    QCOMPARE(reports_[0].window, window->objectName());
    QCOMPARE(reports_[0].label1_while_shown, label1);
    QCOMPARE(Caption(window, "Label1"), label1);
    QCOMPARE(Caption(window, "Label3"), label3);
    // The program carries on: the next calculation works.
    TypeInto(window, "Text1", "3000");
    TypeInto(window, "Text2", "3500");
    Click(window, "Command3");
    QCOMPARE(reports_.size(), std::size_t{1});
  }

  void theMessageBoxIsChineseThroughout() {
    wave::SetMessagePresenter({});
    QWidget* rising = Rising();
    TypeInto(rising, "Text1", "3000");
    QString shown, button, label1_while_shown;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      shown = box->text();
      button = box->button(QMessageBox::Ok)->text();
      label1_while_shown = Caption(rising, "Label1");
      box->accept();
    });
    Click(rising, "Command3");
    QCOMPARE(shown, QStringLiteral("运行时错误 13：类型不匹配"));
    QCOMPARE(button, QStringLiteral("确定"));
    QCOMPARE(label1_while_shown, QStringLiteral("3000"));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  void switchingKeepsEachWindowAsItWasLeft() {
    QWidget* rising = Calculated(false);
    const QPoint rising_place = rising->pos();

    QWidget* falling = SwitchToFalling();
    QVERIFY(falling->isVisible());
    QVERIFY(!rising->isVisible());
    TypeInto(falling, "Text1", "12.3");
    TypeInto(falling, "Text2", "10.5");
    Click(falling, "Command3");
    falling->move(falling->pos() + QPoint(10, 10));
    const QPoint falling_place = falling->pos();

    Click(falling, "Command4");
    QCOMPARE(Rising(), rising);
    QVERIFY(rising->isVisible());
    QVERIFY(!falling->isVisible());
    QCOMPARE(rising->pos(), rising_place);
    QCOMPARE(Caption(rising, "Label4"), QStringLiteral("3700"));
    QCOMPARE(Find<QLineEdit>(rising, "Text2")->text(), QStringLiteral("3500"));
    // Adjust still uses the length of the last calculation.
    Click(rising, "Command1");
    QCOMPARE(Caption(rising, "Label5"), QStringLiteral("3691"));

    QCOMPARE(SwitchToFalling(), falling);
    QCOMPARE(falling->pos(), falling_place);
    QCOMPARE(Caption(falling, "Label5"), QStringLiteral("9.064"));
  }

  // For a moment both windows are visible: the new one shows first.
  void theNewWindowShowsBeforeTheOldHides() {
    ShowHideLog log;
    qApp->installEventFilter(&log);
    QWidget* falling = SwitchToFalling();
    Click(falling, "Command4");
    qApp->removeEventFilter(&log);
    QCOMPARE(log.events, (QStringList{"show Form2", "hide Form1", "show Form1",
                                      "hide Form2"}));
  }

  void firstFocusAndTabOrder_data() {
    QTest::addColumn<bool>("falling");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("rising")
        << false << QStringList{"Text1",    "Text2",    "Command3", "Command4",
                                "Command1", "Command2", "Text1"};
    QTest::newRow("falling")
        << true << QStringList{"Command2", "Text1",    "Text2",
                               "Command3", "Command4", "Command2"};
  }
  void firstFocusAndTabOrder() {
    QFETCH(bool, falling);
    QFETCH(QStringList, order);
    QWidget* window = falling ? SwitchToFalling() : Rising();
    QVERIFY(QTest::qWaitForWindowActive(window));
    for (const QString& name : order) {
      QCOMPARE(QApplication::focusWidget()->objectName(), name);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
  }

  // Right after the falling window appears, Enter presses the focused
  // "清零", not the default button.
  void enterOnTheFallingWindowPressesTheFocusedButton() {
    QWidget* falling = SwitchToFalling();
    QVERIFY(QTest::qWaitForWindowActive(falling));
    Find<QLineEdit>(falling, "Text1")->setText(QStringLiteral("3500"));
    Find<QLineEdit>(falling, "Text2")->setText(QStringLiteral("3000"));
    QCOMPARE(QApplication::focusWidget()->objectName(),
             QStringLiteral("Command2"));
    QSignalSpy cleared(Find<QPushButton>(falling, "Command2"),
                       &QPushButton::clicked);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(cleared.count(), 1);
    QCOMPARE(Caption(falling, "Label1"), QStringLiteral("1"));
    QCOMPARE(Caption(falling, "Label3"), QStringLiteral("3"));
    QVERIFY(reports_.empty());
  }

  void enterOnAFocusedButtonPressesIt() {
    QWidget* rising = Rising();
    TypeInto(rising, "Text1", "3000");
    TypeInto(rising, "Text2", "3500");
    QTest::keyClick(Find<QLineEdit>(rising, "Text2"), Qt::Key_Return);
    auto* adjust = Find<QPushButton>(rising, "Command1");
    adjust->setFocus();
    QTest::keyClick(adjust, Qt::Key_Enter);
    QCOMPARE(Caption(rising, "Label5"), QStringLiteral("3691"));
  }

  void closingEitherWindowEndsTheProgram_data() {
    QTest::addColumn<bool>("falling_created");
    QTest::addColumn<bool>("close_falling");
    QTest::newRow("rising alone") << false << false;
    QTest::newRow("rising, falling hidden") << true << false;
    QTest::newRow("falling") << true << true;
  }
  void closingEitherWindowEndsTheProgram() {
    QFETCH(bool, falling_created);
    QFETCH(bool, close_falling);
    QWidget* window = Rising();
    if (falling_created) {
      window = SwitchToFalling();
      if (!close_falling) {
        Click(window, "Command4");
        window = Rising();
      }
    }
    bool ended_in_time = true;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [&] {
      ended_in_time = false;
      QCoreApplication::exit(1);
    });
    watchdog.start(5000);
    QTimer::singleShot(0, window, &QWidget::close);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(ended_in_time);
  }

  void theLogoOpensTheMakersPage_data() {
    QTest::addColumn<bool>("falling");
    QTest::newRow("rising") << false;
    QTest::newRow("falling") << true;
  }
  void theLogoOpensTheMakersPage() {
    QFETCH(bool, falling);
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher_, "Open");
    QWidget* window = falling ? SwitchToFalling() : Rising();
    QTest::mouseClick(Find<QWidget>(window, "Image1"), Qt::LeftButton);
    QCOMPARE(catcher_.opened.size(), std::size_t{1});
    QCOMPARE(catcher_.opened[0], wave::MakerPageAddress());
    QCOMPARE(catcher_.opened[0].scheme(), QStringLiteral("http"));
    QCOMPARE(catcher_.opened[0].path(), QStringLiteral("/tolm-233-1.html"));
    QVERIFY(reports_.empty());
    QCOMPARE(Find<QWidget>(window, "Image1")->focusPolicy(), Qt::NoFocus);
  }

  // A launcher that fails is reported like a board error.
  void aFailedLaunchIsReported() {
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher_,
                                    "NoSuchMethod");
    QTest::mouseClick(Find<QWidget>(Rising(), "Image1"), Qt::LeftButton);
    QCOMPARE(reports_.size(), std::size_t{1});
    QVERIFY(reports_[0].text.startsWith(QStringLiteral("运行时错误 53：")));
  }

  void copyAllResultsInChartOrder_data() {
    QTest::addColumn<bool>("falling");
    QTest::addColumn<QString>("expected");
    QTest::newRow("rising")
        << false
        << "浪(1) 起点\t3000\n浪(1) 终点\t3500\n浪(2) 终点\t3100\n"
           "浪(3) 终点\t3700\n浪(3) 延伸终点\t3950\n"
           "浪(4) 终点\t3250\n浪(5) 终点\t4250";
    QTest::newRow("falling")
        << true
        << "a 浪 起点\t3500\na 浪 终点\t3000\nb 浪 终点\t3350\n"
           "c 浪 终点\t2760\nc 浪 延伸终点\t2691";
  }
  void copyAllResultsInChartOrder() {
    QFETCH(bool, falling);
    QFETCH(QString, expected);
    QWidget* window = Calculated(falling);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);

    QGuiApplication::clipboard()->clear();
    QMenu* menu = OpenResultsMenuAt(Find<QWidget>(window, "Label4"));
    QVERIFY(menu != nullptr);
    QAction* copy_all = ActionNamed(menu, QStringLiteral("复制全部结果"));
    QVERIFY(copy_all != nullptr);
    copy_all->trigger();
    menu->close();
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);
  }

  void aCaptionCanBeSelectedWithTheMouseAndCopied() {
    QWidget* window = Calculated(false);
    QWidget* focused = QApplication::focusWidget();
    auto* label = Find<wave::CaptionLabel>(window, "Label4");
    QMenu* menu = OpenResultsMenuAt(label);
    QVERIFY(!ActionNamed(menu, QStringLiteral("复制"))->isEnabled());
    menu->close();

    SelectAcross(label, 0, label->width() - 1);
    QCOMPARE(QApplication::focusWidget(), focused);  // labels take no focus
    menu = OpenResultsMenuAt(label);
    QAction* copy = ActionNamed(menu, QStringLiteral("复制"));
    QVERIFY(copy->isEnabled());
    copy->trigger();
    menu->close();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("3700"));

    // Selecting in another label replaces the selection.
    auto* other = Find<QLabel>(window, "Label6");
    SelectAcross(other, 0, other->width() / 2);
    QCOMPARE(label->SelectedCaption(), QString());
    menu = OpenResultsMenuAt(window);
    ActionNamed(menu, QStringLiteral("复制"))->trigger();
    menu->close();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("42"));
  }

  void valueLabelsExplainTheirRule_data() {
    QTest::addColumn<bool>("falling");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("hint");
    QTest::newRow("rising wave 2") << false << "Label3"
                                   << "浪(2) 终点 = 终点2 − 0.8 × 浪(1)长度";
    QTest::newRow("falling extended c")
        << true << "Label5"
        << "c 浪 延伸终点 = 起点1 − 1.618 × a 浪长度";
  }
  void valueLabelsExplainTheirRule() {
    QFETCH(bool, falling);
    QFETCH(QString, label);
    QFETCH(QString, hint);
    QWidget* window = Calculated(falling);
    QCOMPARE(Find<QLabel>(window, label.toLatin1().constData())->toolTip(),
             hint);
  }

  void screenReadersHearPointAndValue_data() {
    QTest::addColumn<bool>("falling");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("announced");
    QTest::newRow("rising wave 3") << false << "Label4"
                                   << "浪(3) 终点 3700";
    QTest::newRow("rising start") << false << "Label1"
                                  << "浪(1) 起点 3000";
    QTest::newRow("falling wave c") << true << "Label4"
                                    << "c 浪 终点 2760";
  }
  void screenReadersHearPointAndValue() {
    QFETCH(bool, falling);
    QFETCH(QString, label);
    QFETCH(QString, announced);
    QWidget* window = Calculated(falling);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(
        Find<QLabel>(window, label.toLatin1().constData()));
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->text(QAccessible::Name), announced);
  }

  void everyInputAndButtonHasAChineseName_data() {
    QTest::addColumn<bool>("falling");
    QTest::newRow("rising") << false;
    QTest::newRow("falling") << true;
  }
  void everyInputAndButtonHasAChineseName() {
    QFETCH(bool, falling);
    QWidget* window = Calculated(falling);
    QList<QWidget*> controls;
    for (auto* box : window->findChildren<QLineEdit*>()) controls << box;
    for (auto* button : window->findChildren<QPushButton*>()) {
      controls << button;
    }
    controls << Find<QWidget>(window, "Image1");
    QVERIFY(controls.size() >= 5);
    for (QWidget* control : controls) {
      QAccessibleInterface* accessible =
          QAccessible::queryAccessibleInterface(control);
      QVERIFY2(HasChinese(accessible->text(QAccessible::Name)),
               qPrintable(control->objectName()));
    }
  }

  // A label lays out only what a screen can show; where it cuts a caption
  // of characters beyond the BMP, it keeps each one whole.
  void aVisiblePrefixKeepsEachCharacterWhole_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("x");
    const QString emoji = QString::fromUtf8("\U0001F600");
    const QString rare = QString::fromUtf8("\U00020000");  // CJK Ext. B
    for (int lead = 0; lead < 3; ++lead) {
      for (int x : {0, 7, 700, 32768}) {
        const QString prefix(lead, QLatin1Char('a'));
        QTest::addRow("emoji after %d, x %d", lead, x)
            << prefix + emoji.repeated(3000) << x;
        QTest::addRow("rare CJK after %d, x %d", lead, x)
            << prefix + rare.repeated(3000) << x;
      }
    }
  }
  void aVisiblePrefixKeepsEachCharacterWhole() {
    QFETCH(QString, caption);
    QFETCH(int, x);
    const QFont font = Find<QLabel>(Rising(), "Label1")->font();
    const qsizetype length = wave::VisiblePrefixLength(caption, font, x);
    QVERIFY(length > 0 && length <= caption.size());
    if (length < caption.size()) {
      QVERIFY2(!caption.at(length - 1).isHighSurrogate(),
               qPrintable(QString::number(length)));
      QVERIFY(QFontMetrics(font).horizontalAdvance(caption.left(length)) > x);
    }
  }

  // What a box shows is what the projection uses: the start as Label1 has
  // it, and wave 2 from it, with 3500 or 3000 in the other box.
  void whatTheBoxShowsIsWhatIsComputed_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("wave2");
    struct Row {
      const char* name;
      const char* box;
      QString entered, shown;
      const char* wave2;
      bool typeable;
    };
    const Row rows[] = {
        {"full-width", "Text1", u"３０００"_qs, "3000", "3100", true},
        {"zero-width space", "Text1", u"\u200B3000"_qs, "3000", "3100", true},
        {"right-to-left mark", "Text1", u"\u200F3000"_qs, "3000", "3100", true},
        {"right-to-left override", "Text1", u"\u202E0003"_qs, "0003", "702.4",
         true},
        {"no-break space", "Text1", u"3\u00A0000"_qs, "3 000", "3100", true},
        {"ideographic spaces", "Text1", u"\u30003000\u3000"_qs, " 3000 ",
         "3100", true},
        {"spreadsheet cell", "Text2", u"3500\r\n"_qs, "3500", "3100", false},
        {"full-width decimal", "Text2", u"３５００．５"_qs, "3500.5", "3100.5",
         true},
    };
    for (const Row& row : rows) {
      for (const char* how : {"typed", "committed", "pasted"}) {
        if (QLatin1String(how) == QLatin1String("typed") && !row.typeable) {
          continue;  // Enter calculates; a line break is never typed
        }
        const QString name =
            QStringLiteral("%1, %2").arg(QLatin1String(row.name), how);
        QTest::newRow(name.toUtf8().constData())
            << QString::fromLatin1(how) << row.box << row.entered << row.shown
            << row.wave2;
      }
    }
  }
  void whatTheBoxShowsIsWhatIsComputed() {
    QFETCH(QString, how);
    QFETCH(QString, box);
    QFETCH(QString, entered);
    QFETCH(QString, shown);
    QFETCH(QString, wave2);
    QWidget* rising = Rising();
    const bool start = box == "Text1";
    TypeInto(rising, start ? "Text2" : "Text1", start ? "3500" : "3000");
    auto* edit = Find<QLineEdit>(rising, box.toLatin1().constData());
    edit->setFocus();
    Enter(edit, how, entered);
    QCOMPARE(edit->text(), shown);
    Click(rising, "Command3");
    QCOMPARE(Caption(rising, start ? "Label1" : "Label2"), shown);
    QCOMPARE(Caption(rising, "Label3"), wave2);
    QVERIFY(reports_.empty());
  }

  // The cursor stays where the user typed, whatever the cleaning removed.
  void theCursorStaysWhereTheUserTyped_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("cursor");
    QTest::newRow("zero-width space") << "typed" << u"\u200B"_qs << "3000" << 2;
    QTest::newRow("full-width digit") << "typed" << u"５"_qs << "30500" << 3;
    QTest::newRow("pasted cell") << "pasted" << u"\t12\r\n"_qs << "301200" << 4;
    QTest::newRow("pasted inner break")
        << "pasted" << u"1\n2"_qs << "301\n200" << 5;
  }
  void theCursorStaysWhereTheUserTyped() {
    QFETCH(QString, how);
    QFETCH(QString, entered);
    QFETCH(QString, shown);
    QFETCH(int, cursor);
    auto* box = Find<QLineEdit>(Rising(), "Text1");
    box->setFocus();
    TypeInto(Rising(), "Text1", "3000");
    box->setCursorPosition(2);
    Enter(box, how, entered);
    QCOMPARE(box->text(), shown);
    QCOMPARE(box->cursorPosition(), cursor);
  }

  void cleaningMapsEachCharacter_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("clean");
    QTest::newRow("byte-order mark") << u"\uFEFF12"_qs << 0 << 3 << "12";
    QTest::newRow("soft hyphen") << u"1\u00AD2"_qs << 0 << 3 << "12";
    QTest::newRow("word joiner") << u"1\u20602"_qs << 0 << 3 << "12";
    QTest::newRow("isolates") << u"\u20661\u2069"_qs << 0 << 3 << "1";
    QTest::newRow("tag beyond the BMP") << u"1\U000E00412"_qs << 0 << 4 << "12";
    QTest::newRow("emoji stays")
        << u"1\U0001F6002"_qs << 0 << 4 << u"1\U0001F6002"_qs;
    QTest::newRow("thin space") << u"1\u20092"_qs << 0 << 3 << "1 2";
    QTest::newRow("line separator") << u"1\u20282"_qs << 0 << 3 << "1 2";
    QTest::newRow("full-width sign and comma")
        << u"－３，５"_qs << 0 << 4 << "-3,5";
    QTest::newRow("full-width space is a space")
        << u"\u3000"_qs << 0 << 1 << " ";
    QTest::newRow("breaks kept outside the insert")
        << u"\n1\t2\n"_qs << 1 << 4 << u"\n1\t2\n"_qs;
    QTest::newRow("breaks around the insert go")
        << u"1\t\n2\r\n3"_qs << 1 << 6 << "123";
  }
  void cleaningMapsEachCharacter() {
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, clean);
    int cursor = static_cast<int>(text.size());
    QCOMPARE(wave::CleanPrice(text, from, to, &cursor), clean);
    QCOMPARE(cursor, clean.size());
  }

  // Whatever would take a box past its limit is refused whole: the box
  // keeps what it had, the user is told, and the clipboard keeps the text.
  void anOverlongEntryIsRefusedWhole_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("entered");
    const QString megabyte =
        QStringLiteral("3500") + QString((1 << 20) - 4, QLatin1Char('9'));
    QTest::newRow("a pasted megabyte") << "pasted"
                                       << "3500" << megabyte;
    QTest::newRow("a committed megabyte") << "committed"
                                          << "3500" << megabyte;
    QTest::newRow("one past the limit, pasted")
        << "pasted" << QString(1000, QLatin1Char('1'))
        << QString(25, QLatin1Char('2'));
    QTest::newRow("one past the limit, typed")
        << "typed" << QString(1024, QLatin1Char('1')) << "2";
  }
  void anOverlongEntryIsRefusedWhole() {
    QFETCH(QString, how);
    QFETCH(QString, before);
    QFETCH(QString, entered);
    auto* box = Find<QLineEdit>(Rising(), "Text2");
    box->setFocus();
    box->setText(before);
    Enter(box, how, entered);
    QCOMPARE(box->text(), before);
    QTRY_COMPARE(reports_.size(), std::size_t{1});
    QCOMPARE(reports_[0].text, wave::TooLongText());
    QVERIFY(reports_[0].text.contains(QStringLiteral("1024")));
    if (how == "pasted") {
      QCOMPARE(QGuiApplication::clipboard()->text(), entered);
    }
    // The limit itself fits.
    box->setText(QString());
    Enter(box, how, QString(1024, QLatin1Char('7')));
    QCOMPARE(box->text().size(), 1024);
  }

  // The menu keeps its first two items and offers pictures and on-top.
  void theMenuOffersPicturesAndOnTop() {
    QMenu* menu = OpenResultsMenuAt(Rising());
    QVERIFY(menu != nullptr);
    QStringList items;
    for (QAction* action : menu->actions()) {
      if (!action->isSeparator()) items << action->text();
    }
    menu->close();
    QCOMPARE(items, (QStringList{"复制", "复制全部结果", "复制图片",
                                 "另存为图片…", "窗口置顶"}));
  }

  // A picture of what the window shows, at the screen's resolution, with
  // the focus, the text cursor and a selection left out and kept.
  void aPictureOfTheWindowGoesToTheClipboard_data() {
    QTest::addColumn<bool>("falling");
    QTest::addColumn<bool>("keys");
    QTest::newRow("rising, menu") << false << false;
    QTest::newRow("rising, Ctrl+Shift+P") << false << true;
    QTest::newRow("falling, menu") << true << false;
  }
  void aPictureOfTheWindowGoesToTheClipboard() {
    QFETCH(bool, falling);
    QFETCH(bool, keys);
    QWidget* window = Calculated(falling);
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* box = Find<QLineEdit>(window, "Text2");
    box->setFocus();
    box->setSelection(1, 2);
    auto* label = Find<wave::CaptionLabel>(window, "Label4");
    SelectAcross(label, 0, label->width() - 1);
    const QString selected = label->SelectedCaption();
    QVERIFY(!selected.isEmpty());

    if (keys) {
      QTest::keyClick(box, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    } else {
      PickFromMenu(window, QStringLiteral("复制图片"));
    }
    const QImage picture = QGuiApplication::clipboard()->image();
    const qreal ratio = window->devicePixelRatio();
    QCOMPARE(picture.size(), window->size() * ratio);

    // Everything as it was: focus, the box's selection, the label's.
    QCOMPARE(QApplication::focusWidget(), box);
    QCOMPARE(box->selectedText(), box->text().mid(1, 2));
    QCOMPARE(label->SelectedCaption(), selected);

    // The same as the window with nothing focused or selected.
    box->clearFocus();
    box->deselect();
    label->ClearSelection();
    QCOMPARE(picture.convertToFormat(QImage::Format_RGB32),
             window->grab().toImage().convertToFormat(QImage::Format_RGB32));

    // The chart, from the picture of the screen's resolution.
    const QString chart =
        falling ? ":/assets/falling_chart" : ":/assets/rising_chart";
    const QImage drawn(chart + (ratio > 1 ? "@2x.png" : ".png"));
    QCOMPARE(Region(picture, ratio), Region(drawn, ratio));
    // A caption: dark ink where the value stands.
    const QRect value(label->pos() * ratio, label->size() * ratio);
    int darkest = 255;
    for (int y = value.top(); y <= value.bottom(); ++y) {
      for (int x = value.left(); x <= value.right(); ++x) {
        darkest = std::min(darkest, qGray(picture.pixel(x, y)));
      }
    }
    QVERIFY2(darkest < 80, qPrintable(QString::number(darkest)));
  }

  void theSaveDialogSuggestsAPictureNamedForItsWindow_data() {
    QTest::addColumn<bool>("falling");
    QTest::addColumn<QString>("what");
    QTest::newRow("rising") << false << "上升5浪";
    QTest::newRow("falling") << true << "下跌3浪";
  }
  void theSaveDialogSuggestsAPictureNamedForItsWindow() {
    QFETCH(bool, falling);
    QFETCH(QString, what);
    QWidget* window = falling ? SwitchToFalling() : Rising();
    QString suggested;
    wave::SetSavePathAsker([&](QWidget*, const QString& offered) {
      suggested = offered;
      return QString();  // cancelled
    });
    PickFromMenu(window, QStringLiteral("另存为图片…"));
    wave::SetSavePathAsker({});
    const QFileInfo file(suggested);
    QCOMPARE(file.absolutePath(), QStandardPaths::writableLocation(
                                      QStandardPaths::PicturesLocation));
    QVERIFY2(QRegularExpression("^" + what + R"(-\d{8}-\d{4}\.png$)")
                 .match(file.fileName())
                 .hasMatch(),
             qPrintable(file.fileName()));
    QVERIFY(!file.exists());
    QVERIFY(reports_.empty());
  }

  void aSavedPictureLoadsBackAsCopied() {
    QWidget* window = Calculated(false);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("测算.png"));
    wave::SetSavePathAsker([&](QWidget*, const QString&) { return path; });
    PickFromMenu(window, QStringLiteral("另存为图片…"));
    wave::SetSavePathAsker({});
    PickFromMenu(window, QStringLiteral("复制图片"));
    QVERIFY(reports_.empty());
    const QImage saved(path, "png");
    QImage copied = QGuiApplication::clipboard()->image();
    copied.setDevicePixelRatio(1);  // a PNG file keeps pixels, not a ratio
    QCOMPARE(saved.convertToFormat(QImage::Format_ARGB32),
             copied.convertToFormat(QImage::Format_ARGB32));
  }

  // A save that cannot be done says where and why, writes nothing, and
  // leaves every result in place.
  void aFailedSaveIsReportedAndLosesNothing_data() {
    QTest::addColumn<QString>("place");
    QTest::newRow("read-only folder") << "/proc";
    QTest::newRow("no such folder") << "missing";
    QTest::newRow("a file for a folder") << "file";
    QTest::newRow("a pipe of that name") << "pipe";
    QTest::newRow("a full disk") << "full";
  }
  void aFailedSaveIsReportedAndLosesNothing() {
    QFETCH(QString, place);
    QWidget* window = Calculated(false);
    QTemporaryDir folder;
    QFile file(folder.filePath("file"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString path =
        place == "/proc"     ? QStringLiteral("/proc/wavecalc-test.png")
        : place == "missing" ? folder.filePath("missing/测算.png")
        : place == "file"    ? folder.filePath("file/测算.png")
        : place == "pipe"    ? folder.filePath("pipe.png")
                             : folder.filePath("测算.png");
    if (place == "pipe") {
      QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    }
    wave::SetSavePathAsker([&](QWidget*, const QString&) { return path; });
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    if (place == "full") {  // the file system refuses more than 64 bytes
      signal(SIGXFSZ, SIG_IGN);
      rlimit full = limit;
      full.rlim_cur = 64;
      setrlimit(RLIMIT_FSIZE, &full);
    }
    PickFromMenu(window, QStringLiteral("另存为图片…"));
    setrlimit(RLIMIT_FSIZE, &limit);
    wave::SetSavePathAsker({});
    QCOMPARE(reports_.size(), std::size_t{1});
    QVERIFY2(reports_[0].text.contains(QDir::toNativeSeparators(path)) &&
                 reports_[0].text.contains(QStringLiteral("原因：")),
             qPrintable(reports_[0].text));
    if (place == "pipe") {
      QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
    } else {
      QVERIFY(!QFileInfo::exists(path));
    }
    QCOMPARE(
        Captions(window, kRisingLabels),
        (QStringList{"3000", "3500", "3100", "3700", "3950", "3250", "4250"}));
    QCOMPARE(Find<QLineEdit>(window, "Text1")->text(), QStringLiteral("3000"));
  }

  // One setting for both windows; toggling moves nothing and loses nothing.
  void stayingOnTopLastsAcrossSwitches() {
    QWidget* rising = Calculated(false);
    const QPoint place = rising->pos();
    PickFromMenu(rising, QStringLiteral("窗口置顶"));
    QVERIFY(rising->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(rising->isVisible());
    QCOMPARE(rising->pos(), place);
    QCOMPARE(Caption(rising, "Label4"), QStringLiteral("3700"));
    QCOMPARE(Find<QLineEdit>(rising, "Text2")->text(), QStringLiteral("3500"));

    QWidget* falling = SwitchToFalling();
    QVERIFY(falling->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QMenu* menu = OpenResultsMenuAt(falling);
    QVERIFY(ActionNamed(menu, QStringLiteral("窗口置顶"))->isChecked());
    menu->close();
    PickFromMenu(falling, QStringLiteral("窗口置顶"));
    QVERIFY(!falling->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    Click(falling, "Command4");
    QVERIFY(!rising->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(rising->pos(), place);
  }

  // Copy-all gives one line of two columns per chart point, whatever the
  // captions hold.
  void copyAllKeepsOneLinePerPoint() {
    QWidget* rising = Rising();
    auto* start = Find<QLineEdit>(rising, "Text1");
    start->setFocus();
    Enter(start, "pasted", u"3\n0\t00"_qs);
    TypeInto(rising, "Text2", "3500");
    Click(rising, "Command3");
    QCOMPARE(Caption(rising, "Label1"), u"3\n0\t00"_qs);
    QTest::keyClick(start, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList lines =
        QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines[0], QStringLiteral("浪(1) 起点\t3 0 00"));
    for (const QString& line : lines) QCOMPARE(line.count(u'\t'), 1);
  }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
