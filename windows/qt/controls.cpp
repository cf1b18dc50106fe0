#include "windows/qt/controls.h"

#include <QFrame>
#include <QPalette>
#include <QPushButton>
#include <QStringList>

#include "windows/forms/rules.h"
#include "windows/qt/caption_label.h"
#include "windows/qt/graphical_button.h"
#include "windows/qt/look.h"
#include "windows/qt/picture_box.h"
#include "windows/qt/price_box.h"

namespace wave {

namespace {

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
      return new PictureBox(LoadPicture(AssetPath(row.picture)), parent);
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

QString AccessibleName(const ControlSpec& row) {
  switch (row.kind) {
    case ControlKind::kImage:
      return FromUtf8(kLogoAccessibleName);
    default:
      return IsButton(row.kind) ? FromUtf8(row.caption) : QString();
  }
}

}  // namespace

QHash<QString, QWidget*> BuildControls(QWidget* form, const FormSpec& table) {
  QHash<QString, QWidget*> controls;
  // Frames first, so rows may name any frame as their parent.
  for (const bool frames : {true, false}) {
    for (const ControlSpec& row : table.controls) {
      if ((row.kind == ControlKind::kFrame) != frames) continue;
      QWidget* parent =
          row.parent.empty() ? form : controls.value(FromUtf8(row.parent));
      Q_ASSERT(parent != nullptr);
      QWidget* widget = CreateControl(row, parent);
      widget->setObjectName(FromUtf8(row.name));
      widget->setGeometry(TwipsToPixels(row.left), TwipsToPixels(row.top),
                          TwipsToPixels(row.width), TwipsToPixels(row.height));
      const QFont font = MakeFont(row.font, form->font());
      widget->setFont(row.kind == ControlKind::kTextBox ? SpacedLikeDigits(font)
                                                        : font);
      ApplyColours(row, widget);
      if (auto* label = qobject_cast<CaptionLabel*>(widget)) {
        label->SetCaption(FromUtf8(row.caption));
      }
      const QString name = AccessibleName(row);
      if (!name.isEmpty()) widget->setAccessibleName(name);
      controls.insert(widget->objectName(), widget);
    }
  }

  QStringList containers = controls.keys();
  containers << QString();  // the form itself
  for (const QString& container : containers) {
    for (std::string_view name : StackingOrder(table, ToUtf8(container))) {
      controls.value(FromUtf8(name))->raise();
    }
  }

  QWidget* previous = nullptr;
  for (std::string_view name : TabOrder(table)) {
    QWidget* widget = controls.value(FromUtf8(name));
    if (previous == nullptr) {
      widget->setFocus();
    } else {
      QWidget::setTabOrder(previous, widget);
    }
    previous = widget;
  }
  return controls;
}

}  // namespace wave
