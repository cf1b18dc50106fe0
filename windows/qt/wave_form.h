// A window, drawn on Qt Widgets from its form table.
//
// It paints its chart beneath all controls, runs each button's action from
// the table, writes the board's captions into their labels before any error
// report, and offers the right-click menu. The value labels carry their
// rule as a tooltip and "point caption" as their accessible name, and can
// be selected with the mouse.
#ifndef WAVECALC_WINDOWS_QT_WAVE_FORM_H_
#define WAVECALC_WINDOWS_QT_WAVE_FORM_H_

#include <QHash>
#include <QIcon>
#include <QString>
#include <QWidget>
#include <memory>
#include <string_view>

#include "core/board.h"
#include "windows/forms/form_spec.h"
#include "windows/forms/texts.h"

class QAction;
class QMenu;

namespace wave {

class CaptionLabel;

class WaveForm : public QWidget {
  Q_OBJECT

 public:
  explicit WaveForm(const FormSpec& form);
  ~WaveForm() override;

  // Makes the window visible, centred on the screen the first time and
  // where it was left afterwards.
  void MakeVisible();

  // What pressing a button or clicking the logo does.
  void Run(const ButtonRow& button);
  void RunMenu(MenuCommand command);

  const FormSpec& form() const { return form_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QWidget* Control(std::string_view name) const;
  CaptionLabel* Label(std::string_view name) const;
  void ShowCaption(const CaptionInfo& caption, const QString& text);
  void KeepOnlySelection(CaptionLabel* label);
  void ApplyStaysOnTop();
  void WireValueLabels();
  void WireResultsMenu();
  void SwitchTo(WindowSlot other);
  void OpenMakerPage();
  void CopySelection() const;

  const FormSpec& form_;
  std::unique_ptr<Board> board_;
  QHash<QString, QWidget*> controls_;
  QIcon background_;
  QMenu* results_menu_ = nullptr;
  QHash<int, QAction*> menu_actions_;
  CaptionLabel* selected_label_ = nullptr;
  bool shown_before_ = false;
};

}  // namespace wave

#endif  // WAVECALC_WINDOWS_QT_WAVE_FORM_H_
