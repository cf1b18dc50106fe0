// The label of every caption: plain text, sized to fit, painted over its own
// background, optionally selectable with the mouse.
//
// It lays out and paints only the part of its caption that a screen can
// show, so a caption of any length costs no more than a screenful. Every
// ASCII character takes a cell half an em wide, as in the Song faces the
// windows were designed with, whatever face stands in for them: that keeps
// long values reaching the frames exactly where the design puts them.
#ifndef WAVECALC_WINDOWS_QT_CAPTION_LABEL_H_
#define WAVECALC_WINDOWS_QT_CAPTION_LABEL_H_

#include <QLabel>
#include <QSize>
#include <QString>

class QFont;

namespace wave {

// The length, in UTF-16 units, of the shortest prefix of caption that
// reaches past x pixels in font, or of the whole caption. It never ends
// between the two halves of a surrogate pair.
qsizetype VisiblePrefixLength(const QString& caption, const QFont& font, int x);

class CaptionLabel : public QLabel {
  Q_OBJECT

 public:
  explicit CaptionLabel(QWidget* parent);

  // Writes the caption and fits the label to it, keeping its left and top.
  void SetCaption(const QString& caption);

  void SetSelectable(bool selectable);
  QString SelectedCaption() const;
  void ClearSelection();
  // Whether the selection is painted; pictures of the window leave it out.
  void ShowSelection(bool shown);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void selectionChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int CursorAt(int x) const;
  void SelectTo(int cursor);

  QSize size_hint_;
  bool selectable_ = false;
  bool selection_shown_ = true;
  int anchor_ = -1;  // selection start while the mouse is down
  int selection_start_ = 0;
  int selection_end_ = 0;
};

}  // namespace wave

#endif  // WAVECALC_WINDOWS_QT_CAPTION_LABEL_H_
