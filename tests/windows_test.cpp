// Drives the real windows with keys and mouse clicks, as a user would.
#include <QApplication>
#include <QDataStream>
#include <QDesktopServices>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <QUrl>
#include <QtTest>
#include <optional>
#include <vector>

#include "tests/window_driver.h"
#include "windows/error_report.h"
#include "windows/maker_page.h"
#include "windows/program.h"

namespace {

using wave_test::Caption;
using wave_test::Click;
using wave_test::Find;
using wave_test::Form;
using wave_test::TypeInto;

// Records what a URL handler was asked to open.
class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  std::vector<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened.push_back(url); }
};

}  // namespace

class WindowsTest : public QObject {
  Q_OBJECT

 private:
  struct Report {
    int number;
    QString window;
    QString label1_while_shown;
  };
  std::vector<Report> reports_;
  UrlCatcher catcher_;

  QWidget* Rising() { return Form("Form1"); }
  QWidget* SwitchToFalling() {
    Click(Rising(), "Command4");
    return Form("Form2");
  }

 private slots:
  void init() {
    reports_.clear();
    catcher_.opened.clear();
    wave::SetErrorReporter(
        [this](QWidget* window, const wave::RunError& error) {
          reports_.push_back({error.number(), window->objectName(),
                              Find<QLabel>(window, "Label1")->text()});
        });
    wave::StartProgram();
    QVERIFY(QTest::qWaitForWindowExposed(Rising()));
  }

  void cleanup() {
    wave::SetErrorReporter({});
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    wave::EndProgram();
  }

  void startsWithOnlyTheRisingWindow() {
    QWidget* rising = Rising();
    QCOMPARE(rising->windowTitle(), QStringLiteral("Quorvane--上升5浪测算器"));
    QCOMPARE(rising->size(), QSize(699, 291));
    QVERIFY(rising->isVisible());
    QVERIFY(Form("Form2") == nullptr);
    QVERIFY(!rising->windowIcon().isNull());
    // Centred when first shown, give or take the window frame's margins.
    const QPoint centre = rising->screen()->availableGeometry().center();
    QVERIFY((rising->frameGeometry().center() - centre).manhattanLength() <= 8);
    const QStringList design = {"1", "2", "3", "4", "", "5", "6"};
    const char* labels[] = {"Label1",  "Label2", "Label3", "Label4",
                            "Label11", "Label5", "Label6"};
    for (int i = 0; i < design.size(); ++i) {
      QCOMPARE(Caption(rising, labels[i]), design[i]);
    }
  }

  // Twips become pixels at 15 a pixel, relative to the control's container.
  void layoutFollowsTheTables_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("parent");
    QTest::newRow("rising Frame1")
        << "Form1"
        << "Frame1" << QRect(464, 0, 233, 81) << "Form1";
    QTest::newRow("rising Text1")
        << "Form1"
        << "Text1" << QRect(56, 16, 49, 25) << "Frame1";
    QTest::newRow("rising Command3")
        << "Form1"
        << "Command3" << QRect(16, 48, 201, 25) << "Frame1";
    QTest::newRow("rising Command4")
        << "Form1"
        << "Command4" << QRect(376, 264, 81, 25) << "Form1";
    QTest::newRow("rising Command2")
        << "Form1"
        << "Command2" << QRect(24, 80, 177, 41) << "Frame2";
    QTest::newRow("rising Image1")
        << "Form1"
        << "Image1" << QRect(24, 136, 180, 45) << "Frame2";
    QTest::newRow("falling Frame2")
        << "Form2"
        << "Frame2" << QRect(456, 112, 233, 177) << "Form2";
    QTest::newRow("falling Command3")
        << "Form2"
        << "Command3" << QRect(16, 64, 201, 41) << "Frame1";
    QTest::newRow("falling Image1")
        << "Form2"
        << "Image1" << QRect(24, 120, 180, 45) << "Frame2";
    QTest::newRow("falling Command4")
        << "Form2"
        << "Command4" << QRect(8, 264, 97, 25) << "Form2";
  }
  void layoutFollowsTheTables() {
    QFETCH(QString, form);
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, parent);
    QWidget* window = form == "Form1" ? Rising() : SwitchToFalling();
    auto* control = Find<QWidget>(window, name.toLatin1().constData());
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->parentWidget()->objectName(), parent);
  }

  void labelsSitAtTheirPlacesAndFitTheirCaptions() {
    QWidget* rising = Rising();
    auto* label6 = Find<QLabel>(rising, "Label6");
    QCOMPARE(label6->pos(), QPoint(392, 8));
    const int design_width = label6->width();
    TypeInto(rising, "Text1", "3000");
    TypeInto(rising, "Text2", "3500.25");
    Click(rising, "Command3");
    QCOMPARE(Caption(rising, "Label6"), QStringLiteral("4250.125"));
    QCOMPARE(label6->pos(), QPoint(392, 8));
    QVERIFY(label6->width() > design_width);
    QCOMPARE(label6->width(), label6->fontMetrics().horizontalAdvance(
                                  QStringLiteral("4250.125")));
    QCOMPARE(label6->textFormat(), Qt::PlainText);
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
    QCOMPARE(label1->width(), label1->fontMetrics().horizontalAdvance(markup));
  }

  // A frame hides the part of a long label that runs beneath it.
  void framesCoverLongLabels() {
    QWidget* rising = Rising();
    TypeInto(rising, "Text1", "1234567.891");
    TypeInto(rising, "Text2", "1234567.892");
    Click(rising, "Command3");
    auto* label6 = Find<QLabel>(rising, "Label6");
    QCOMPARE(label6->text(), QStringLiteral("1234567.8915"));
    QVERIFY(label6->geometry().right() > 464);
    QWidget* on_top = rising->childAt(470, label6->y() + 5);
    QVERIFY(on_top != nullptr);
    QVERIFY(on_top != label6);
    QVERIFY(on_top->objectName() == "Frame1" ||
            on_top->parentWidget()->objectName() == "Frame1");
    QCOMPARE(rising->childAt(label6->x() + 2, label6->y() + 5), label6);
  }

  void enterInEitherBoxCalculates_data() {
    QTest::addColumn<QString>("box");
    QTest::newRow("Text1") << "Text1";
    QTest::newRow("Text2") << "Text2";
  }
  void enterInEitherBoxCalculates() {
    QFETCH(QString, box);
    QWidget* rising = Rising();
    TypeInto(rising, "Text1", "3000");
    TypeInto(rising, "Text2", "3500");
    QTest::keyClick(Find<QLineEdit>(rising, box.toLatin1().constData()),
                    Qt::Key_Return);
    const QStringList expected = {"3000", "3500", "3100", "3700",
                                  "3950", "3250", "4250"};
    const char* labels[] = {"Label1",  "Label2", "Label3", "Label4",
                            "Label11", "Label5", "Label6"};
    for (int i = 0; i < expected.size(); ++i) {
      QCOMPARE(Caption(rising, labels[i]), expected[i]);
    }
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
    for (const QString& button : presses)
      Click(rising, button.toLatin1().constData());
    QCOMPARE(Caption(rising, "Label5"), label5);
    QCOMPARE(Caption(rising, "Label6"), label6);
    QCOMPARE(Caption(rising, "Label11"), label11);
    QCOMPARE(Find<QLineEdit>(rising, "Text1")->text(), QStringLiteral("3000"));
    QVERIFY(reports_.empty());
  }

  void fallingWindowCalculatesAndClears() {
    QWidget* falling = SwitchToFalling();
    QVERIFY(falling != nullptr);
    QCOMPARE(falling->windowTitle(), QStringLiteral("Quorvane --下跌3浪"));
    QCOMPARE(falling->size(), QSize(696, 291));
    TypeInto(falling, "Text1", "3500");
    TypeInto(falling, "Text2", "3000");
    Click(falling, "Command3");
    const QStringList expected = {"3500", "3000", "3350", "2760", "2691"};
    const char* labels[] = {"Label1", "Label2", "Label3", "Label4", "Label5"};
    for (int i = 0; i < expected.size(); ++i) {
      QCOMPARE(Caption(falling, labels[i]), expected[i]);
    }
    Click(falling, "Command2");
    const QStringList cleared = {"1", "2", "3", "4", ""};
    for (int i = 0; i < cleared.size(); ++i) {
      QCOMPARE(Caption(falling, labels[i]), cleared[i]);
    }
  }

  // The captions are written before the report, and stay after it.
  void errorsAreReportedAfterThePartialCaptions_data() {
    QTest::addColumn<bool>("falling");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("label1");
    QTest::addColumn<QString>("label3");
    QTest::newRow("rising, empty end") << false << "3000"
                                       << "" << 13 << "3000"
                                       << "3";
    QTest::newRow("rising, too long") << false << "40000"
                                      << "" << 6 << "1"
                                      << "3";
    QTest::newRow("falling, empty") << true << ""
                                    << "" << 13 << ""
                                    << "3";
    QTest::newRow("falling, bad start") << true << "abc"
                                        << "3000" << 13 << "abc"
                                        << "900";
  }
  void errorsAreReportedAfterThePartialCaptions() {
    QFETCH(bool, falling);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(int, number);
    QFETCH(QString, label1);
    QFETCH(QString, label3);
    QWidget* window = falling ? SwitchToFalling() : Rising();
    TypeInto(window, "Text1", start);
    TypeInto(window, "Text2", end);
    Click(window, "Command3");
    QCOMPARE(reports_.size(), std::size_t{1});
    QCOMPARE(reports_[0].number, number);
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

  void theMessageBoxShowsNumberAndMessage() {
    wave::SetErrorReporter({});
    QWidget* rising = Rising();
    TypeInto(rising, "Text1", "3000");
    QString shown;
    QString label2_while_shown;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      shown = box->text();
      label2_while_shown = Caption(rising, "Label1");
      box->accept();
    });
    Click(rising, "Command3");
    QCOMPARE(shown, QStringLiteral("运行时错误 13：类型不匹配"));
    QCOMPARE(label2_while_shown, QStringLiteral("3000"));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  void switchingKeepsEachWindowAsItWasLeft() {
    QWidget* rising = Rising();
    TypeInto(rising, "Text1", "3000");
    TypeInto(rising, "Text2", "3500");
    Click(rising, "Command3");
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
    QCOMPARE(Form("Form1"), rising);
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
    QCOMPARE(catcher_.opened[0].toString(),
             QStringLiteral("http://www.quorvane.example/tolm-233-1.html"));
    QVERIFY(reports_.empty());
    QCOMPARE(Find<QWidget>(window, "Image1")->focusPolicy(), Qt::NoFocus);
  }

  // A launcher that fails is reported like a board error.
  void aFailedLaunchIsReported() {
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher_,
                                    "NoSuchMethod");
    QTest::mouseClick(Find<QWidget>(Rising(), "Image1"), Qt::LeftButton);
    QCOMPARE(reports_.size(), std::size_t{1});
    QCOMPARE(reports_[0].number, 53);
  }

  void resizingMovesNothing() {
    QWidget* rising = Rising();
    const QRect frame = Find<QWidget>(rising, "Frame2")->geometry();
    const QRect button = Find<QWidget>(rising, "Command4")->geometry();
    rising->resize(1000, 600);
    QApplication::processEvents();
    QCOMPARE(Find<QWidget>(rising, "Frame2")->geometry(), frame);
    QCOMPARE(Find<QWidget>(rising, "Command4")->geometry(), button);
    const QImage shot = rising->grab().toImage();
    QCOMPARE(shot.pixelColor(shot.width() - 5, shot.height() - 5),
             QColor(Qt::white));
  }

  // Old shells and low-colour displays use the 8-bit image. Qt converts
  // every image it reads to 32 bits, so the directory is read directly.
  void theIconHasAn8BitAndA32BitImage() {
    QFile file(QStringLiteral(":/assets/wavecalc.ico"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QDataStream in(&file);
    in.setByteOrder(QDataStream::LittleEndian);
    quint16 reserved, type, count;
    in >> reserved >> type >> count;
    QCOMPARE(type, quint16{1});
    QCOMPARE(count, quint16{2});
    QList<int> depths;
    for (int i = 0; i < count; ++i) {
      quint8 width, height, colours, unused;
      quint16 planes, bits;
      quint32 bytes, offset;
      in >> width >> height >> colours >> unused >> planes >> bits >> bytes >>
          offset;
      QCOMPARE(int(width), 48);
      QCOMPARE(int(height), 48);
      depths << bits;
    }
    QCOMPARE(depths, (QList<int>{8, 32}));
    QImageReader reader(QStringLiteral(":/assets/wavecalc.ico"));
    QCOMPARE(reader.imageCount(), 2);
    for (int i = 0; i < reader.imageCount(); ++i) {
      QVERIFY(reader.jumpToImage(i));
      QCOMPARE(reader.read().size(), QSize(48, 48));
    }
  }

  void coloursFollowTheTables() {
    QWidget* rising = Rising();
    QCOMPARE(Find<QPushButton>(rising, "Command1")
                 ->palette()
                 .color(QPalette::Button),
             QColor(255, 192, 192));
    QCOMPARE(
        Find<QLabel>(rising, "Label10")->palette().color(QPalette::WindowText),
        QColor(192, 0, 0));
    QCOMPARE(
        Find<QLabel>(rising, "Label13")->palette().color(QPalette::WindowText),
        QColor(0, 128, 0));
    // Labels without a colour show the button face, not the white window.
    QCOMPARE(Find<QLabel>(rising, "Label10")->palette().color(QPalette::Window),
             QApplication::palette().color(QPalette::Button));
    QCOMPARE(Find<QLabel>(rising, "Label3")->palette().color(QPalette::Window),
             QColor(Qt::white));
    QCOMPARE(Find<QLabel>(rising, "Label4")->font().pointSizeF(), 10.5);
    QVERIFY(Find<QLabel>(rising, "Label9")->font().bold());
  }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
