// The common face of both windows.
//
// A WaveForm is built from its FormSpec table by the shared factory, paints
// its chart beneath all controls, and wires what both windows do the same
// way: Enter in a text box presses the default button, the logo opens the
// maker's page, and closing the window ends the program. RunOnBoard is the
// one data-flow helper: inputs into the board, the operation, every caption
// back into its label, and only then any error report.
//
// The value labels (the board's captions) also carry their rule as a
// tooltip and "point caption" as their accessible name, can be selected
// with the mouse, and can all be copied at once from the context menu or
// with Ctrl+Shift+C.
#ifndef WAVECALC_WINDOWS_WAVE_FORM_H_
#define WAVECALC_WINDOWS_WAVE_FORM_H_

#include <QHash>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QSize>
#include <QString>
#include <QWidget>
#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

#include "core/caption_info.h"
#include "core/run_error.h"
#include "windows/caption_label.h"
#include "windows/control_table.h"
#include "windows/error_report.h"

class QMenu;

namespace wave {

class WaveForm : public QWidget {
  Q_OBJECT

 public:
  // captions: the board's captions in chart order.
  WaveForm(const FormSpec& form, std::span<const CaptionInfo> captions);

  // Makes the window visible, centred on the screen the first time and
  // where it was left afterwards.
  void ShowWindow();
  // Hides without destroying: boxes, captions and the board stay.
  void HideWindow() { hide(); }

  void Image1_Click();
  void Form_Unload();

  // One line per chart point: its name, a tab, its caption.
  QString AllResults() const;
  void CopyAllResults() const;
  void CopySelection() const;

 protected:
  CaptionLabel* Label(std::string_view name) const;
  QLineEdit* TextBox(std::string_view name) const;
  QPushButton* Button(std::string_view name) const;

  template <typename Board, typename Operation>
  void RunOnBoard(Board& board, Operation operation);

  // Connects each named button to its Command*_Click handler.
  template <typename Form>
  void ConnectButtons(
      std::initializer_list<std::pair<std::string_view, void (Form::*)()>>
          handlers);

  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QWidget* Control(std::string_view name) const;
  void ShowCaption(const CaptionInfo& caption, const QString& text);
  void KeepOnlySelection(CaptionLabel* label);
  void WireValueLabels();
  void WireResultsMenu();

  QHash<QString, QWidget*> controls_;
  std::span<const CaptionInfo> captions_;
  QIcon background_;
  QMenu* results_menu_ = nullptr;
  QAction* copy_selection_ = nullptr;
  CaptionLabel* selected_label_ = nullptr;
  bool shown_before_ = false;
};

template <typename Board, typename Operation>
void WaveForm::RunOnBoard(Board& board, Operation operation) {
  for (std::string_view input : {"Text1", "Text2"}) {
    board.SetText(input, TextBox(input)->text().toStdString());
  }
  std::optional<RunError> failure;
  try {
    (board.*operation)();
  } catch (const RunError& error) {
    failure = error;
  }
  for (const CaptionInfo& caption : captions_) {
    ShowCaption(caption, QString::fromStdString(board.Text(caption.name)));
  }
  if (failure) ReportError(this, *failure);
}

template <typename Form>
void WaveForm::ConnectButtons(
    std::initializer_list<std::pair<std::string_view, void (Form::*)()>>
        handlers) {
  for (const auto& [name, handler] : handlers) {
    connect(Button(name), &QPushButton::clicked, static_cast<Form*>(this),
            handler);
  }
}

}  // namespace wave

#endif  // WAVECALC_WINDOWS_WAVE_FORM_H_
