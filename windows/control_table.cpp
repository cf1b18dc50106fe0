#include "windows/control_table.h"

#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <algorithm>
#include <utility>
#include <vector>

#include "windows/caption_label.h"
#include "windows/picture_box.h"

namespace wave {

namespace {

// Text boxes take whatever is pasted; the readers cope with any length.
constexpr int kTextBoxMaxLength = 1 << 26;

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor ButtonFace() { return QApplication::palette().color(QPalette::Button); }

// Styles such as the Windows one ignore a button's palette; Fusion honours
// it, so the graphical button shows its back colour everywhere.
QStyle* GraphicalButtonStyle() {
  static QStyle* const style = QStyleFactory::create(QStringLiteral("Fusion"));
  return style;
}

bool IsButton(ControlKind kind) {
  return kind == ControlKind::kButton || kind == ControlKind::kDefaultButton ||
         kind == ControlKind::kGraphicalButton;
}

QWidget* CreateControl(const ControlSpec& spec, QWidget* parent) {
  const QString caption = FromUtf8(spec.caption);
  switch (spec.kind) {
    case ControlKind::kLabel:
      return new CaptionLabel(parent);
    case ControlKind::kTextBox: {
      auto* box = new QLineEdit(caption, parent);
      box->setMaxLength(kTextBoxMaxLength);
      return box;
    }
    case ControlKind::kButton:
    case ControlKind::kDefaultButton:
    case ControlKind::kGraphicalButton: {
      auto* button = new QPushButton(caption, parent);
      // Enter on a focused button presses it, also outside a dialog.
      button->setAutoDefault(true);
      button->setDefault(spec.kind == ControlKind::kDefaultButton);
      if (spec.kind == ControlKind::kGraphicalButton) {
        button->setStyle(GraphicalButtonStyle());
      }
      return button;
    }
    case ControlKind::kFrame: {
      auto* frame = new QFrame(parent);
      frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
      frame->setAutoFillBackground(true);
      return frame;
    }
    case ControlKind::kImage:
      return new PictureBox(QIcon(FromUtf8(spec.picture)), parent);
  }
  return nullptr;
}

void ApplyColours(const ControlSpec& spec, QWidget* widget) {
  QPalette palette = widget->palette();
  if (IsButton(spec.kind)) {
    if (spec.back != kDefaultColour) {
      palette.setColor(QPalette::Button, FromBgr(spec.back));
    }
  } else if (spec.kind == ControlKind::kLabel ||
             spec.kind == ControlKind::kFrame) {
    // Without a colour of their own they show the button face, not the
    // window's back colour.
    palette.setColor(QPalette::Window, spec.back == kDefaultColour
                                           ? ButtonFace()
                                           : FromBgr(spec.back));
  }
  if (spec.fore != kDefaultColour) {
    palette.setColor(QPalette::WindowText, FromBgr(spec.fore));
  }
  widget->setPalette(palette);
}

}  // namespace

QColor FromBgr(BgrColour bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

QFont MakeFont(const FontSpec& spec, const QFont& window_font) {
  if (spec.points == 0) return window_font;
  QFont font(QStringLiteral("宋体"));
  font.setPointSizeF(spec.points);
  font.setWeight(spec.bold ? QFont::Bold : QFont::Normal);
  // FreeType's auto-hinter first scans the whole CJK face; unhinted text
  // looks the same at these sizes and the window appears sooner.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QHash<QString, QWidget*> BuildControls(QWidget* form,
                                       const FormSpec& form_spec) {
  QHash<QString, QWidget*> controls;
  // Frames first, so rows may name any frame as their parent.
  std::vector<const ControlSpec*> rows;
  for (const ControlSpec& spec : form_spec.controls) rows.push_back(&spec);
  std::stable_partition(rows.begin(), rows.end(), [](const ControlSpec* spec) {
    return spec->kind == ControlKind::kFrame;
  });

  std::vector<std::pair<int, QWidget*>> tab_stops;
  std::vector<QWidget*> underlays;
  for (const ControlSpec* spec : rows) {
    QWidget* parent =
        spec->parent.empty() ? form : controls.value(FromUtf8(spec->parent));
    Q_ASSERT(parent != nullptr);
    QWidget* widget = CreateControl(*spec, parent);
    widget->setObjectName(FromUtf8(spec->name));
    widget->setGeometry(TwipsToPixels(spec->left), TwipsToPixels(spec->top),
                        TwipsToPixels(spec->width), TwipsToPixels(spec->height));
    widget->setFont(MakeFont(spec->font, form->font()));
    ApplyColours(*spec, widget);
    if (auto* label = qobject_cast<CaptionLabel*>(widget)) {
      label->SetCaption(FromUtf8(spec->caption));
    }
    if (!spec->accessible_name.empty()) {
      widget->setAccessibleName(FromUtf8(spec->accessible_name));
    } else if (IsButton(spec->kind)) {
      widget->setAccessibleName(FromUtf8(spec->caption));
    }
    if (spec->kind == ControlKind::kLabel || spec->kind == ControlKind::kImage) {
      underlays.push_back(widget);
    } else if (spec->tab_index != kNoTabStop &&
               widget->focusPolicy() != Qt::NoFocus) {
      tab_stops.emplace_back(spec->tab_index, widget);
    }
    controls.insert(widget->objectName(), widget);
  }

  // Labels and pictures lie under frames, buttons and boxes, so a frame
  // hides the part of a long label that runs beneath it.
  for (QWidget* widget : underlays) widget->lower();

  std::sort(tab_stops.begin(), tab_stops.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < tab_stops.size(); ++i) {
    QWidget::setTabOrder(tab_stops[i - 1].second, tab_stops[i].second);
  }
  if (!tab_stops.empty()) tab_stops.front().second->setFocus();
  return controls;
}

}  // namespace wave
