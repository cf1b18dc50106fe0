#include "windows/error_report.h"

#include <QMessageBox>
#include <QPushButton>
#include <QWidget>
#include <utility>

namespace wave {

namespace {

ErrorReporter& CurrentReporter() {
  static ErrorReporter reporter;
  return reporter;
}

}  // namespace

QString ErrorText(const RunError& error) {
  return QStringLiteral("运行时错误 %1：%2")
      .arg(error.number())
      .arg(QString::fromUtf8(error.what()));
}

void ReportError(QWidget* window, const RunError& error) {
  if (CurrentReporter()) {
    CurrentReporter()(window, error);
    return;
  }
  QMessageBox box(QMessageBox::Critical,
                  window ? window->windowTitle() : QString(), ErrorText(error),
                  QMessageBox::Ok, window);
  box.setObjectName(QStringLiteral("RunErrorBox"));
  box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
  box.exec();
}

void SetErrorReporter(ErrorReporter reporter) {
  CurrentReporter() = std::move(reporter);
}

}  // namespace wave
