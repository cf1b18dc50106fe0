// The common face of both windows.
//
// A WaveForm is built from its FormSpec table by the shared factory, paints
// its chart beneath all controls, and wires what every window does the same
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
#include <QString>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <span>
#include <string_view>
#include <utility>

#include "core/caption_info.h"
#include "windows/program.h"

class QAction;
class QMenu;

namespace wave {

class Board;
class CaptionLabel;
struct FormSpec;

class WaveForm : public QWidget {
  Q_OBJECT

 public:
  // captions: the board's captions in chart order.
  WaveForm(const FormSpec& form, std::span<const CaptionInfo> captions);

  // Makes the window visible, centred on the screen the first time and
  // where it was left afterwards.
  void MakeVisible();
  // Hides without destroying: boxes, captions and the board stay.
  void HideWindow() { hide(); }
  // Shows the window of another slot, then hides this one.
  void SwitchTo(WindowSlot other);

  void Image1_Click();
  void Form_Unload();

  // One line per chart point: its name, a tab, its caption.
  QString AllResults() const;
  void CopyAllResults() const;
  void CopySelection() const;
  // A picture of the window on the clipboard, or in a file the user names.
  void CopyPicture();
  void SavePictureAs();
  // Keeps the program's windows above other windows, one setting for all
  // of them for the rest of the run.
  void SetStaysOnTop(bool on);

 protected:
  using Handler = std::function<void()>;

  // Inputs into the board, the operation, every caption back into its
  // label, and then the report of any RunError the operation raised.
  void RunOnBoard(Board& board, const Handler& operation);

  // Connects each named button to its Command*_Click handler.
  void ConnectButtons(
      std::initializer_list<std::pair<std::string_view, Handler>> handlers);

  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QWidget* Control(std::string_view name) const;
  CaptionLabel* Label(std::string_view name) const;
  void ShowCaption(const CaptionInfo& caption, const QString& text);
  void KeepOnlySelection(CaptionLabel* label);
  void StackValueLabels();
  void ApplyStaysOnTop();
  void WireValueLabels();
  void WireResultsMenu();

  QHash<QString, QWidget*> controls_;
  std::span<const CaptionInfo> captions_;
  QIcon background_;
  QMenu* results_menu_ = nullptr;
  QAction* copy_selection_ = nullptr;
  QAction* stays_on_top_ = nullptr;
  QString picture_name_;
  CaptionLabel* selected_label_ = nullptr;
  bool shown_before_ = false;
};

}  // namespace wave

#endif  // WAVECALC_WINDOWS_WAVE_FORM_H_
