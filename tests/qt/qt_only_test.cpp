// What only Qt can show: pixels of the widgets, QFont and QMessageBox
// specifics, rich text, the box's cursor, and the POSIX save failures.
// Everything a user does and sees in any front end is in tests/scenarios.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <string>

#include "tests/qt/driver/qt_driver.h"
#include "windows/qt/caption_label.h"
#include "windows/qt/dialogs.h"

namespace {

using wave_test::Entry;

wave_test::QtDriver driver_;

QWidget* Rising() { return driver_.Window("Form1"); }

std::string ToUtf8(const QString& text) { return text.toStdString(); }

QString Caption(QWidget* window, const char* label) {
  return QString::fromStdString(
      driver_.Text(ToUtf8(window->objectName()), label));
}

QWidget* SwitchToFalling() {
  driver_.Click(Rising(), "Command4");
  return driver_.Window("Form2");
}

QWidget* Calculated(bool falling) {
  QWidget* window = falling ? SwitchToFalling() : Rising();
  driver_.TypeInto(window, "Text1", falling ? "3500" : "3000");
  driver_.TypeInto(window, "Text2", falling ? "3000" : "3500");
  driver_.Click(window, "Command3");
  return window;
}

void PickFromMenu(QWidget* window, const QString& item) {
  driver_.Pick(ToUtf8(window->objectName()), ToUtf8(item));
}

Entry HowOf(const QString& how) {
  return how == "typed"       ? Entry::kTyped
         : how == "committed" ? Entry::kCommitted
                              : Entry::kPasted;
}

QStringList Captions(QWidget* form, const QStringList& labels) {
  QStringList captions;
  for (const QString& label : labels) {
    captions << Caption(form, label.toLatin1().constData());
  }
  return captions;
}

const QStringList kRisingLabels = {"Label1",  "Label2", "Label3", "Label4",
                                   "Label11", "Label5", "Label6"};

// Drags the mouse across a label from one x to another.
void SelectAcross(QLabel* label, int from, int to) {
  const int middle = label->height() / 2;
  QTest::mousePress(label, Qt::LeftButton, {}, QPoint(from, middle));
  QTest::mouseMove(label, QPoint(to, middle));
  QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(to, middle));
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

class QtOnlyTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { driver_.Start(); }
  void cleanup() { driver_.Stop(); }

  void theWindowsCarryTheIcon() {
    QVERIFY(!Rising()->windowIcon().isNull());
    QVERIFY(!SwitchToFalling()->windowIcon().isNull());
  }

  // A window comes back where it was left, also after "窗口置顶".
  void aWindowComesBackWhereItWasLeft() {
    QWidget* rising = Calculated(false);
    const QPoint rising_place = rising->pos();
    PickFromMenu(rising, QStringLiteral("窗口置顶"));
    QCOMPARE(rising->pos(), rising_place);
    QWidget* falling = SwitchToFalling();
    falling->move(falling->pos() + QPoint(10, 10));
    const QPoint falling_place = falling->pos();
    driver_.Click(falling, "Command4");
    QCOMPARE(rising->pos(), rising_place);
    QCOMPARE(SwitchToFalling()->pos(), falling_place);
  }

  // The save dialog starts in the user's Pictures folder.
  void theSaveDialogStartsInThePicturesFolder() {
    QString offered;
    wave::SetSavePathAsker([&](QWidget*, const QString& path) {
      offered = path;
      return QString();
    });
    PickFromMenu(Rising(), QStringLiteral("另存为图片…"));
    QCOMPARE(
        QFileInfo(offered).absolutePath(),
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
  }

  void typedMarkupShowsAsCharacters() {
    QWidget* rising = Rising();
    const QString markup = QStringLiteral("<b>3000</b><img src=x>");
    driver_.Find<QLineEdit>(rising, "Text1")->setText(markup);
    driver_.TypeInto(rising, "Text2", "3500");
    driver_.Click(rising, "Command3");
    auto* label1 = driver_.Find<QLabel>(rising, "Label1");
    QCOMPARE(label1->text(), markup);
    QCOMPARE(label1->textFormat(), Qt::PlainText);
    // At 12 pt every character is 120 twips, 8 pixels, wide.
    QCOMPARE(label1->width(), markup.size() * 8);
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
    auto* shown = driver_.Find<QLabel>(falling, label.toLatin1().constData());
    auto* frame = driver_.Find<QWidget>(falling, "Frame2");
    QImage visible[2];
    const char* starts[] = {"3636.4", "3636.49"};
    for (int i = 0; i < 2; ++i) {
      driver_.TypeInto(falling, "Text1", starts[i]);
      driver_.TypeInto(falling, "Text2", "3636.4");
      driver_.Click(falling, "Command3");
      QCOMPARE(shown->text(), QString::fromLatin1(starts[i]));
      visible[i] = VisiblePart(falling, shown, frame);
    }
    QVERIFY(shown->geometry().right() >= frame->x());
    QCOMPARE(visible[1], visible[0]);
  }

  // "调整" shows its own back colour, flat, inside the style's frame, and
  // the focus mark still shows on it.
  void theGraphicalButtonShowsItsColour() {
    auto* button = driver_.Find<QPushButton>(Rising(), "Command1");
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

  void theMessageBoxIsChineseThroughout() {
    driver_.ShowRealMessages();
    QWidget* rising = Rising();
    driver_.TypeInto(rising, "Text1", "3000");
    QString shown, button, label1_while_shown;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      shown = box->text();
      button = box->button(QMessageBox::Ok)->text();
      label1_while_shown = Caption(rising, "Label1");
      box->accept();
    });
    driver_.Click(rising, "Command3");
    QCOMPARE(shown, QStringLiteral("运行时错误 13：类型不匹配"));
    QCOMPARE(button, QStringLiteral("确定"));
    QCOMPARE(label1_while_shown, QStringLiteral("3000"));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
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
    const QFont font = driver_.Find<QLabel>(Rising(), "Label1")->font();
    const qsizetype length = wave::VisiblePrefixLength(caption, font, x);
    QVERIFY(length > 0 && length <= caption.size());
    if (length < caption.size()) {
      QVERIFY2(!caption.at(length - 1).isHighSurrogate(),
               qPrintable(QString::number(length)));
      QVERIFY(QFontMetrics(font).horizontalAdvance(caption.left(length)) > x);
    }
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
    auto* box = driver_.Find<QLineEdit>(Rising(), "Text1");
    box->setFocus();
    driver_.TypeInto(Rising(), "Text1", "3000");
    box->setCursorPosition(2);
    driver_.Enter("Form1", "Text1", ToUtf8(entered), HowOf(how));
    QCOMPARE(box->text(), shown);
    QCOMPARE(box->cursorPosition(), cursor);
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
    auto* box = driver_.Find<QLineEdit>(window, "Text2");
    box->setFocus();
    box->setSelection(1, 2);
    auto* label = driver_.Find<wave::CaptionLabel>(window, "Label4");
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

  void aSavedPictureLoadsBackAsCopied() {
    QWidget* window = Calculated(false);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("测算.png"));
    driver_.AnswerSave(ToUtf8(path));
    PickFromMenu(window, QStringLiteral("另存为图片…"));
    PickFromMenu(window, QStringLiteral("复制图片"));
    QVERIFY(driver_.reports().empty());
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
    driver_.AnswerSave(ToUtf8(path));
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
    QCOMPARE(driver_.reports().size(), std::size_t{1});
    const QString report = QString::fromStdString(driver_.reports()[0].text);
    QVERIFY2(report.contains(QDir::toNativeSeparators(path)) &&
                 report.contains(QStringLiteral("原因：")),
             qPrintable(report));
    if (place == "pipe") {
      QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
    } else {
      QVERIFY(!QFileInfo::exists(path));
    }
    QCOMPARE(
        Captions(window, kRisingLabels),
        (QStringList{"3000", "3500", "3100", "3700", "3950", "3250", "4250"}));
    QCOMPARE(driver_.Find<QLineEdit>(window, "Text1")->text(),
             QStringLiteral("3000"));
  }
};

QTEST_MAIN(QtOnlyTest)
#include "qt_only_test.moc"
