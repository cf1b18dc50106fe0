// Renders both windows to PNG files, in their design state and after the
// worked examples, for the README; the rising window's results go through
// its own "复制图片". Usage: render_windows <output folder>
//
// The prices are set and the buttons pressed without moving the focus, so
// each picture shows the window as it opens, Text1 focused.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <cstdio>

#include "tests/qt/driver/qt_driver.h"

namespace {

wave_test::QtDriver* driver = nullptr;

void Type(const char* window, const char* box, const char* text) {
  driver->Widget<QLineEdit>(window, box)->setText(QString::fromUtf8(text));
}

void Press(const char* window, const char* button) {
  driver->Widget<QAbstractButton>(window, button)->click();
}

bool Write(const QImage& picture, const QDir& folder, const char* name) {
  const QString path = folder.filePath(QString::fromLatin1(name));
  if (picture.save(path)) return true;
  std::fprintf(stderr, "render_windows: cannot write %s\n", qPrintable(path));
  return false;
}

bool Shoot(const char* window, const QDir& folder, const char* name) {
  QApplication::processEvents();
  return Write(driver->Window(window)->grab().toImage(), folder, name);
}

// What "复制图片" in the window's menu puts on the clipboard.
bool ShootThroughMenu(const char* window, const QDir& folder,
                      const char* name) {
  QApplication::processEvents();
  driver->MenuAction(window, "复制图片")->trigger();
  return Write(QGuiApplication::clipboard()->image(), folder, name);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: render_windows <output folder>\n");
    return 2;
  }
  QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) return 1;

  wave_test::QtDriver qt_driver;
  driver = &qt_driver;
  qt_driver.Start();
  bool ok = Shoot("Form1", folder, "rising_design.png");
  Type("Form1", "Text1", "3000");
  Type("Form1", "Text2", "3500");
  Press("Form1", "Command3");
  ok = ShootThroughMenu("Form1", folder, "rising_calculated.png") && ok;
  Press("Form1", "Command1");
  ok = Shoot("Form1", folder, "rising_adjusted.png") && ok;

  Press("Form1", "Command4");
  ok = Shoot("Form2", folder, "falling_design.png") && ok;
  Type("Form2", "Text1", "3500");
  Type("Form2", "Text2", "3000");
  Press("Form2", "Command3");
  ok = Shoot("Form2", folder, "falling_calculated.png") && ok;
  qt_driver.Stop();
  return ok ? 0 : 1;
}
