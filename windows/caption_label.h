// The label of every caption: plain text, sized to fit, painted over its own
// background, optionally selectable with the mouse.
//
// It is a QLabel that does its own sizing and painting from the visible
// part of the caption only. A stock QLabel lays out the whole text, which
// takes the better part of a second for a pasted megabyte copied into a
// caption; here the cost is bounded by what a screen can show.
#ifndef WAVECALC_WINDOWS_CAPTION_LABEL_H_
#define WAVECALC_WINDOWS_CAPTION_LABEL_H_

#include <QLabel>
#include <QSize>
#include <QString>

namespace wave {

class CaptionLabel : public QLabel {
  Q_OBJECT

 public:
  explicit CaptionLabel(QWidget* parent);

  // Writes the caption and fits the label to it, keeping its left and top.
  void SetCaption(const QString& caption);

  void SetSelectable(bool selectable);
  QString SelectedCaption() const;
  void ClearSelection();

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
  // The shortest prefix of the caption that reaches x, in characters.
  qsizetype PrefixReaching(int x) const;
  int CursorAt(int x) const;
  void SelectTo(int cursor);

  QSize size_hint_;
  bool selectable_ = false;
  int anchor_ = -1;  // selection start while the mouse is down
  int selection_start_ = 0;
  int selection_end_ = 0;
};

}  // namespace wave

#endif  // WAVECALC_WINDOWS_CAPTION_LABEL_H_
