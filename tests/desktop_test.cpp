// Copying results, formula hints, accessible names and huge captions,
// through the real windows.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "tests/window_driver.h"
#include "windows/error_report.h"
#include "windows/program.h"

namespace {

using wave_test::Caption;
using wave_test::Click;
using wave_test::Find;
using wave_test::Form;
using wave_test::TypeInto;

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

}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT

 private:
  int reports_ = 0;

  QWidget* Calculated(bool falling) {
    QWidget* window = Form("Form1");
    if (falling) {
      Click(window, "Command4");
      window = Form("Form2");
    }
    TypeInto(window, "Text1", falling ? "3500" : "3000");
    TypeInto(window, "Text2", falling ? "3000" : "3500");
    Click(window, "Command3");
    return window;
  }

 private slots:
  void init() {
    reports_ = 0;
    wave::SetErrorReporter(
        [this](QWidget*, const wave::RunError&) { ++reports_; });
    QGuiApplication::clipboard()->clear();
    wave::StartProgram();
    QVERIFY(QTest::qWaitForWindowExposed(Form("Form1")));
  }

  void cleanup() {
    wave::SetErrorReporter({});
    wave::EndProgram();
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
    QMenu* menu = OpenResultsMenuAt(window);
    QVERIFY(menu != nullptr);
    QAction* copy_all = ActionNamed(menu, QStringLiteral("复制全部结果"));
    QVERIFY(copy_all != nullptr);
    copy_all->trigger();
    menu->close();
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);
  }

  // Right-clicking a label or a button opens the window's menu too.
  void theMenuOpensOverEveryControl_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("value label") << "Label4";
    QTest::newRow("wave tag") << "Label14";
    QTest::newRow("button") << "Command3";
    QTest::newRow("frame") << "Frame2";
  }
  void theMenuOpensOverEveryControl() {
    QFETCH(QString, control);
    QWidget* window = Form("Form1");
    QMenu* menu = OpenResultsMenuAt(
        Find<QWidget>(window, control.toLatin1().constData()));
    QVERIFY(menu != nullptr);
    QStringList texts;
    for (QAction* action : menu->actions()) texts << action->text();
    QCOMPARE(texts, (QStringList{"复制", "复制全部结果"}));
    // Nothing selected yet, so there is nothing to copy on its own.
    QVERIFY(!ActionNamed(menu, "复制")->isEnabled());
    menu->close();
  }

  void aCaptionCanBeSelectedWithTheMouseAndCopied() {
    QWidget* window = Calculated(false);
    QWidget* focused = QApplication::focusWidget();
    auto* label = Find<QLabel>(window, "Label4");
    const int middle = label->height() / 2;
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(0, middle));
    QTest::mouseMove(label, QPoint(label->width() - 1, middle));
    QTest::mouseRelease(label, Qt::LeftButton, {},
                        QPoint(label->width() - 1, middle));
    QCOMPARE(QApplication::focusWidget(), focused);  // labels take no focus
    QMenu* menu = OpenResultsMenuAt(label);
    QVERIFY(menu != nullptr);
    QAction* copy = ActionNamed(menu, QStringLiteral("复制"));
    QVERIFY(copy->isEnabled());
    copy->trigger();
    menu->close();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("3700"));

    // Selecting in another label replaces the selection.
    auto* other = Find<QLabel>(window, "Label6");
    QTest::mousePress(other, Qt::LeftButton, {}, QPoint(0, middle));
    QTest::mouseMove(other, QPoint(other->width() / 2, middle));
    QTest::mouseRelease(other, Qt::LeftButton, {},
                        QPoint(other->width() / 2, middle));
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
    QTest::newRow("rising extended 3")
        << false << "Label11"
        << "浪(3) 延伸终点 = 浪(2) 终点 + 1.7 × 浪(1)长度";
    QTest::newRow("falling wave b") << true << "Label3"
                                    << "b 浪 终点 = 终点2 + 0.7 × a 浪长度";
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
    for (auto* button : window->findChildren<QPushButton*>())
      controls << button;
    controls << Find<QWidget>(window, "Image1");
    QVERIFY(controls.size() >= 5);
    for (QWidget* control : controls) {
      QAccessibleInterface* accessible =
          QAccessible::queryAccessibleInterface(control);
      QVERIFY2(HasChinese(accessible->text(QAccessible::Name)),
               qPrintable(control->objectName()));
    }
  }

  // A pasted megabyte travels into Label1 whole; the label stays usable.
  void aMegabyteCaptionIsKeptWhole() {
    QWidget* window = Form("Form1");
    const QString huge =
        QStringLiteral("3000") + QString(1 << 20, QLatin1Char('x'));
    Find<QLineEdit>(window, "Text1")->setText(huge);
    TypeInto(window, "Text2", "3500");
    Click(window, "Command3");
    QCOMPARE(reports_, 0);
    auto* label1 = Find<QLabel>(window, "Label1");
    QCOMPARE(label1->text(), huge);
    QCOMPARE(label1->pos(), QPoint(16, 256));
    QVERIFY(label1->width() > 600);
    QCOMPARE(Caption(window, "Label3"), QStringLiteral("3100"));
    const QImage shot = window->grab().toImage();
    QVERIFY(!shot.isNull());
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(Find<QLineEdit>(window, "Text2"), Qt::Key_C,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(QGuiApplication::clipboard()->text().contains(huge));
  }

  void theErrorBoxIsChineseThroughout() {
    wave::SetErrorReporter({});
    QWidget* window = Form("Form1");
    TypeInto(window, "Text1", "3000");
    QString button_text;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      button_text = box->button(QMessageBox::Ok)->text();
      box->accept();
    });
    Click(window, "Command3");
    QCOMPARE(button_text, QStringLiteral("确定"));
  }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
