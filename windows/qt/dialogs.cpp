#include "windows/qt/dialogs.h"

#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QStyle>
#include <QWidget>
#include <utility>

#include "windows/forms/texts.h"
#include "windows/qt/look.h"
#include "windows/qt/wave_form.h"

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

void ShowMessage(QWidget* window, const QString& text) {
  if (CurrentPresenter()) {
    CurrentPresenter()(window, text);
    return;
  }
  auto* form = qobject_cast<WaveForm*>(window);
  QMessageBox box(QMessageBox::Critical,
                  form ? FromUtf8(MessageTitle(form->form())) : QString(), text,
                  QMessageBox::Ok, window);
  box.setObjectName(QStringLiteral("MessageBox"));
  box.button(QMessageBox::Ok)->setText(FromUtf8(kOkButton));
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    grid->addItem(new QSpacerItem(WidthForTitle(box.windowTitle(), &box), 0,
                                  QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  box.exec();
}

void ReportError(QWidget* window, const RunError& error) {
  ShowMessage(window, FromUtf8(ErrorText(error)));
}

QString AskSavePath(QWidget* window, const QString& suggested) {
  if (CurrentAsker()) return CurrentAsker()(window, suggested);
  return QFileDialog::getSaveFileName(
      window, FromUtf8(kSaveDialogTitle), suggested,
      FromUtf8(kPngFilterName) + QStringLiteral(" (") +
          FromUtf8(kPngFilterPattern) + QLatin1Char(')'));
}

void SetMessagePresenter(MessagePresenter presenter) {
  CurrentPresenter() = std::move(presenter);
}

void SetSavePathAsker(SavePathAsker asker) {
  CurrentAsker() = std::move(asker);
}

}  // namespace wave
