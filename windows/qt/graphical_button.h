// A button in the graphical style: the style draws its frame, focus and
// default marks as for any button, and the face inside the frame shows the
// button's own back colour, flat, as designed. Pressed, it looks like any
// pressed button of the style.
#ifndef WAVECALC_WINDOWS_QT_GRAPHICAL_BUTTON_H_
#define WAVECALC_WINDOWS_QT_GRAPHICAL_BUTTON_H_

#include <QPushButton>

namespace wave {

class GraphicalButton : public QPushButton {
  Q_OBJECT

 public:
  GraphicalButton(const QString& caption, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace wave

#endif  // WAVECALC_WINDOWS_QT_GRAPHICAL_BUTTON_H_
