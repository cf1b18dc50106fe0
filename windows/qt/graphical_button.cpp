#include "windows/qt/graphical_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace wave {

namespace {

// Every style's button frame, default mark included, lies within this many
// pixels of the bevel's edge: Fusion's outline and inner light line, the
// Windows style's two-pixel bevel.
constexpr int kFrameWidth = 2;

}  // namespace

GraphicalButton::GraphicalButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

void GraphicalButton::paintEvent(QPaintEvent* event) {
  if (isDown()) {
    QPushButton::paintEvent(event);
    return;
  }
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  painter.drawControl(QStyle::CE_PushButtonBevel, option);
  const QRect bevel =
      style()->subElementRect(QStyle::SE_PushButtonBevel, &option, this);
  painter.fillRect(
      bevel.adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth),
      palette().color(QPalette::Button));
  QStyleOptionButton label = option;
  label.rect =
      style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  painter.drawControl(QStyle::CE_PushButtonLabel, label);
  if (option.state & QStyle::State_HasFocus) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.rect =
        style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

}  // namespace wave
