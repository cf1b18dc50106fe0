// Renders both windows to PNG files, in their design state and after the
// worked examples, for the README; the rising window's results go through
// its own "复制图片". Usage: render_windows <output folder>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <cstdio>

#include "windows/program.h"

namespace {

void Type(QWidget* window, const char* box, const char* text) {
  window->findChild<QLineEdit*>(QLatin1String(box))
      ->setText(QString::fromUtf8(text));
}

void Press(QWidget* window, const char* button) {
  window->findChild<QPushButton*>(QLatin1String(button))->click();
}

bool Shoot(QWidget* window, const QDir& folder, const char* name) {
  QApplication::processEvents();
  const QString path = folder.filePath(QString::fromLatin1(name));
  if (window->grab().save(path)) return true;
  std::fprintf(stderr, "render_windows: cannot write %s\n", qPrintable(path));
  return false;
}

// What "复制图片" in the window's menu puts on the clipboard.
bool ShootThroughMenu(QWidget* window, const QDir& folder, const char* name) {
  QApplication::processEvents();
  for (QAction* action :
       window->findChild<QMenu*>(QStringLiteral("ResultsMenu"))->actions()) {
    if (action->text() == QStringLiteral("复制图片")) action->trigger();
  }
  const QString path = folder.filePath(QString::fromLatin1(name));
  if (QGuiApplication::clipboard()->image().save(path)) return true;
  std::fprintf(stderr, "render_windows: cannot write %s\n", qPrintable(path));
  return false;
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

  wave::StartProgram();
  QWidget* rising = wave::WindowIn(wave::WindowSlot::kRising);
  bool ok = Shoot(rising, folder, "rising_design.png");
  Type(rising, "Text1", "3000");
  Type(rising, "Text2", "3500");
  Press(rising, "Command3");
  ok = ShootThroughMenu(rising, folder, "rising_calculated.png") && ok;
  Press(rising, "Command1");
  ok = Shoot(rising, folder, "rising_adjusted.png") && ok;

  Press(rising, "Command4");
  QWidget* falling = wave::WindowIn(wave::WindowSlot::kFalling);
  ok = Shoot(falling, folder, "falling_design.png") && ok;
  Type(falling, "Text1", "3500");
  Type(falling, "Text2", "3000");
  Press(falling, "Command3");
  ok = Shoot(falling, folder, "falling_calculated.png") && ok;
  return ok ? 0 : 1;
}
