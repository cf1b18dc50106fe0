#include "windows/control_table.h"

#include <QFrame>
#include <QPalette>
#include <QPushButton>
#include <algorithm>
#include <utility>
#include <vector>

#include "windows/caption_label.h"
#include "windows/graphical_button.h"
#include "windows/look.h"
#include "windows/picture_box.h"
#include "windows/price_box.h"

namespace wave {

namespace {

bool IsButton(ControlKind kind) {
  return kind == ControlKind::kButton || kind == ControlKind::kDefaultButton ||
         kind == ControlKind::kGraphicalButton;
}

QWidget* CreateControl(const ControlSpec& row, QWidget* parent) {
  const QString caption = FromUtf8(row.caption);
  switch (row.kind) {
    case ControlKind::kLabel:
      return new CaptionLabel(parent);
    case ControlKind::kTextBox:
      return new PriceBox(parent);
    case ControlKind::kButton:
    case ControlKind::kDefaultButton:
    case ControlKind::kGraphicalButton: {
      auto* button = row.kind == ControlKind::kGraphicalButton
                         ? new GraphicalButton(caption, parent)
                         : new QPushButton(caption, parent);
      // Enter on a focused button presses it, also outside a dialog.
      button->setAutoDefault(true);
      button->setDefault(row.kind == ControlKind::kDefaultButton);
      return button;
    }
    case ControlKind::kFrame: {
      auto* frame = new QFrame(parent);
      frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
      frame->setAutoFillBackground(true);
      return frame;
    }
    case ControlKind::kImage:
      return new PictureBox(LoadPicture(FromUtf8(row.picture)), parent);
  }
  return nullptr;
}

void ApplyColours(const ControlSpec& row, QWidget* widget) {
  QPalette palette = widget->palette();
  if (IsButton(row.kind)) {
    if (row.back) palette.setColor(QPalette::Button, FromBgr(*row.back));
  } else if (row.kind == ControlKind::kLabel ||
             row.kind == ControlKind::kFrame) {
    // Without a colour of their own they show the button face, not the
    // window's back colour.
    palette.setColor(QPalette::Window,
                     row.back ? FromBgr(*row.back) : ButtonFace());
  }
  if (row.fore) palette.setColor(QPalette::WindowText, FromBgr(*row.fore));
  widget->setPalette(palette);
}

}  // namespace

QHash<QString, QWidget*> BuildControls(QWidget* form, const FormSpec& table) {
  QHash<QString, QWidget*> controls;
  // Frames first, so rows may name any frame as their parent.
  std::vector<const ControlSpec*> rows;
  for (const ControlSpec& row : table.controls) rows.push_back(&row);
  std::stable_partition(rows.begin(), rows.end(), [](const ControlSpec* row) {
    return row->kind == ControlKind::kFrame;
  });

  std::vector<std::pair<int, QWidget*>> tab_stops;
  std::vector<QWidget*> underlays;
  for (const ControlSpec* row : rows) {
    QWidget* parent =
        row->parent.empty() ? form : controls.value(FromUtf8(row->parent));
    Q_ASSERT(parent != nullptr);
    QWidget* widget = CreateControl(*row, parent);
    widget->setObjectName(FromUtf8(row->name));
    widget->setGeometry(TwipsToPixels(row->left), TwipsToPixels(row->top),
                        TwipsToPixels(row->width), TwipsToPixels(row->height));
    const QFont font = MakeFont(row->font, form->font());
    widget->setFont(
        row->kind == ControlKind::kTextBox ? WithHalfWidthDigits(font) : font);
    ApplyColours(*row, widget);
    if (auto* label = qobject_cast<CaptionLabel*>(widget)) {
      label->SetCaption(FromUtf8(row->caption));
    }
    if (!row->accessible_name.empty()) {
      widget->setAccessibleName(FromUtf8(row->accessible_name));
    } else if (IsButton(row->kind)) {
      widget->setAccessibleName(FromUtf8(row->caption));
    }
    if (row->kind == ControlKind::kLabel || row->kind == ControlKind::kImage) {
      underlays.push_back(widget);
    } else if (row->tab_index != kNoTabStop &&
               widget->focusPolicy() != Qt::NoFocus) {
      tab_stops.emplace_back(row->tab_index, widget);
    }
    controls.insert(widget->objectName(), widget);
  }

  // Labels and pictures lie under frames, buttons and boxes, so a frame
  // hides the part of a long label that runs beneath it; among themselves
  // they stack in table order, the last row on top.
  for (auto it = underlays.rbegin(); it != underlays.rend(); ++it) {
    (*it)->lower();
  }

  std::sort(tab_stops.begin(), tab_stops.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < tab_stops.size(); ++i) {
    QWidget::setTabOrder(tab_stops[i - 1].second, tab_stops[i].second);
  }
  if (!tab_stops.empty()) tab_stops.front().second->setFocus();
  return controls;
}

}  // namespace wave
