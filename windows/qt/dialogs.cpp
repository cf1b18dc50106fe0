#include "windows/dialogs.h"

#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QStyle>
#include <QWidget>
#include <utility>

namespace wave {

namespace {

MessagePresenter& CurrentPresenter() {
  static MessagePresenter presenter;
  return presenter;
}

SavePathAsker& CurrentAsker() {
  static SavePathAsker asker;
  return asker;
}

// A window manager writes the title in a bold face, beside an icon and three
// buttons about as wide as the title bar is high. The box keeps room for
// all of them, so no title is cut short.
int WidthForTitle(const QString& title, const QWidget* box) {
  QFont font = box->font();
  font.setBold(true);
  const int bar = box->style()->pixelMetric(QStyle::PM_TitleBarHeight);
  return QFontMetrics(font).horizontalAdvance(title) + 6 * bar;
}

}  // namespace

QString ErrorText(const RunError& error) {
  return QStringLiteral("运行时错误 %1：%2")
      .arg(error.number())
      .arg(QString::fromUtf8(error.what()));
}

void ShowMessage(QWidget* window, const QString& text) {
  if (CurrentPresenter()) {
    CurrentPresenter()(window, text);
    return;
  }
  QMessageBox box(QMessageBox::Critical,
                  window ? window->windowTitle() : QString(), text,
                  QMessageBox::Ok, window);
  box.setObjectName(QStringLiteral("MessageBox"));
  box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    grid->addItem(new QSpacerItem(WidthForTitle(box.windowTitle(), &box), 0,
                                  QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  box.exec();
}

void ReportError(QWidget* window, const RunError& error) {
  ShowMessage(window, ErrorText(error));
}

QString AskSavePath(QWidget* window, const QString& suggested) {
  if (CurrentAsker()) return CurrentAsker()(window, suggested);
  return QFileDialog::getSaveFileName(window, QStringLiteral("另存为图片"),
                                      suggested,
                                      QStringLiteral("PNG 图片 (*.png)"));
}

void SetMessagePresenter(MessagePresenter presenter) {
  CurrentPresenter() = std::move(presenter);
}

void SetSavePathAsker(SavePathAsker asker) {
  CurrentAsker() = std::move(asker);
}

}  // namespace wave
