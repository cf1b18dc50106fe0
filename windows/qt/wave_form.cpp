#include "windows/wave_form.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStringList>
#include <QWindow>
#include <algorithm>
#include <optional>
#include <utility>

#include "core/board.h"
#include "core/run_error.h"
#include "windows/caption_label.h"
#include "windows/centring.h"
#include "windows/control_table.h"
#include "windows/dialogs.h"
#include "windows/look.h"
#include "windows/maker_page.h"
#include "windows/picture_box.h"
#include "windows/window_picture.h"

namespace wave {

namespace {

const QKeySequence kCopyAllKeys(QStringLiteral("Ctrl+Shift+C"));
const QKeySequence kCopyPictureKeys(QStringLiteral("Ctrl+Shift+P"));

// Whether the windows stay above others; it lasts for the run only.
bool& StaysOnTop() {
  static bool on = false;
  return on;
}

const QIcon& WindowIcon() {
  static const QIcon icon =
      LoadPicture(QStringLiteral(":/assets/wavecalc-48.png"));
  return icon;
}

}  // namespace

WaveForm::WaveForm(const FormSpec& form, std::span<const CaptionInfo> captions)
    : captions_(captions),
      background_(LoadPicture(FromUtf8(form.background))),
      picture_name_(FromUtf8(form.picture_name)) {
  setObjectName(FromUtf8(form.name));
  setWindowTitle(FromUtf8(form.title));
  setWindowIcon(WindowIcon());
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window,
                   form.back ? FromBgr(*form.back) : ButtonFace());
  setPalette(palette);
  setAutoFillBackground(true);
  resize(TwipsToPixels(form.width), TwipsToPixels(form.height));

  controls_ = BuildControls(this, form);

  QPushButton* default_button = nullptr;
  for (QWidget* control : std::as_const(controls_)) {
    auto* button = qobject_cast<QPushButton*>(control);
    if (button != nullptr && button->isDefault()) default_button = button;
  }
  for (QWidget* control : std::as_const(controls_)) {
    if (auto* box = qobject_cast<QLineEdit*>(control); box && default_button) {
      connect(box, &QLineEdit::returnPressed, default_button,
              &QPushButton::click);
    }
    if (auto* picture = qobject_cast<PictureBox*>(control)) {
      connect(picture, &PictureBox::clicked, this, &WaveForm::Image1_Click);
    }
  }
  WireValueLabels();
  WireResultsMenu();
}

// The value labels lie above the other labels, where a long one may reach
// a wave tag, and in chart order, which is the order screen readers read.
void WaveForm::StackValueLabels() {
  QWidget* lowest_control = nullptr;
  for (QObject* child : children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (widget != nullptr && qobject_cast<QLabel*>(widget) == nullptr &&
        qobject_cast<PictureBox*>(widget) == nullptr) {
      lowest_control = widget;
      break;
    }
  }
  for (const CaptionInfo& caption : captions_) {
    Label(caption.name)->stackUnder(lowest_control);
  }
}

void WaveForm::WireValueLabels() {
  StackValueLabels();
  for (const CaptionInfo& caption : captions_) {
    CaptionLabel* label = Label(caption.name);
    label->setToolTip(QString::fromStdString(caption.rule));
    label->setAccessibleDescription(QString::fromStdString(caption.rule));
    label->SetSelectable(true);
    ShowCaption(caption, label->text());
    connect(label, &CaptionLabel::selectionChanged, this,
            [this, label] { KeepOnlySelection(label); });
  }
}

void WaveForm::WireResultsMenu() {
  results_menu_ = new QMenu(this);
  results_menu_->setObjectName(QStringLiteral("ResultsMenu"));
  const auto add = [this](const QString& text, const QKeySequence& keys,
                          const Handler& handler) {
    QAction* action = results_menu_->addAction(text);
    connect(action, &QAction::triggered, this, handler);
    if (!keys.isEmpty()) {
      action->setShortcut(keys);
      auto* shortcut = new QShortcut(keys, this);
      connect(shortcut, &QShortcut::activated, this, handler);
    }
    return action;
  };
  copy_selection_ =
      add(QStringLiteral("复制"), {}, [this] { CopySelection(); });
  add(QStringLiteral("复制全部结果"), kCopyAllKeys,
      [this] { CopyAllResults(); });
  results_menu_->addSeparator();
  add(QStringLiteral("复制图片"), kCopyPictureKeys, [this] { CopyPicture(); });
  add(QStringLiteral("另存为图片…"), {}, [this] { SavePictureAs(); });
  results_menu_->addSeparator();
  stays_on_top_ = results_menu_->addAction(QStringLiteral("窗口置顶"));
  stays_on_top_->setCheckable(true);
  connect(stays_on_top_, &QAction::triggered, this, &WaveForm::SetStaysOnTop);
}

void WaveForm::ShowCaption(const CaptionInfo& caption, const QString& text) {
  CaptionLabel* label = Label(caption.name);
  label->SetCaption(text);
  // Read as one phrase: "浪(3) 终点 3700".
  label->setAccessibleName(FromUtf8(caption.point) + QLatin1Char(' ') + text);
}

// One selection per window, so "复制" knows what to copy.
void WaveForm::KeepOnlySelection(CaptionLabel* label) {
  if (label->SelectedCaption().isEmpty()) {
    if (selected_label_ == label) selected_label_ = nullptr;
    return;
  }
  CaptionLabel* previous = std::exchange(selected_label_, label);
  if (previous != nullptr && previous != label) previous->ClearSelection();
}

QString WaveForm::AllResults() const {
  QStringList lines;
  for (const CaptionInfo& caption : captions_) {
    // A caption may hold the line breaks and tabs of a typed start; in the
    // copy they are blanks, so each point keeps one line of two columns.
    QString value = Label(caption.name)->text();
    for (QChar& c : value) {
      if (c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' ||
          c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
        c = u' ';
      }
    }
    lines.append(FromUtf8(caption.point) + QLatin1Char('\t') + value);
  }
  return lines.join(QLatin1Char('\n'));
}

void WaveForm::CopyAllResults() const {
  QGuiApplication::clipboard()->setText(AllResults());
}

void WaveForm::CopySelection() const {
  if (selected_label_ != nullptr) {
    QGuiApplication::clipboard()->setText(selected_label_->SelectedCaption());
  }
}

void WaveForm::CopyPicture() {
  QGuiApplication::clipboard()->setImage(PictureOf(this));
}

void WaveForm::SavePictureAs() {
  SavePicture(this, PictureOf(this), picture_name_);
}

void WaveForm::SetStaysOnTop(bool on) {
  StaysOnTop() = on;
  ApplyStaysOnTop();
}

void WaveForm::ApplyStaysOnTop() {
  const bool on = StaysOnTop();
  stays_on_top_->setChecked(on);
  Qt::WindowFlags flags = windowFlags();
  if (flags.testFlag(Qt::WindowStaysOnTopHint) == on) return;
  flags.setFlag(Qt::WindowStaysOnTopHint, on);
  if (windowHandle() != nullptr) {
    // Through QWidget a shown window would be made anew, which flickers and
    // may move it; the native window takes the hint in place.
    overrideWindowFlags(flags);
    windowHandle()->setFlags(flags);
  } else {
    setWindowFlags(flags);
  }
}

void WaveForm::contextMenuEvent(QContextMenuEvent* event) {
  copy_selection_->setEnabled(selected_label_ != nullptr);
  results_menu_->popup(event->globalPos());
}

void WaveForm::RunOnBoard(Board& board, const Handler& operation) {
  for (const char* input : {"Text1", "Text2"}) {
    board.SetText(
        input, qobject_cast<QLineEdit*>(Control(input))->text().toStdString());
  }
  std::optional<RunError> failure;
  try {
    operation();
  } catch (const RunError& error) {
    failure = error;
  }
  for (const CaptionInfo& caption : captions_) {
    ShowCaption(caption, QString::fromStdString(board.Text(caption.name)));
  }
  if (failure) ReportError(this, *failure);
}

void WaveForm::ConnectButtons(
    std::initializer_list<std::pair<std::string_view, Handler>> handlers) {
  for (const auto& [name, handler] : handlers) {
    connect(qobject_cast<QPushButton*>(Control(name)), &QPushButton::clicked,
            this, handler);
  }
}

void WaveForm::SwitchTo(WindowSlot other) {
  ShowWindow(other);
  HideWindow();
}

void WaveForm::MakeVisible() {
  ApplyStaysOnTop();
  if (!shown_before_) {
    shown_before_ = true;
    ShowCentred(this);
  }
  show();
  raise();
  activateWindow();
}

void WaveForm::Image1_Click() { OpenMakerPage(this); }

// Ends the program at once, also while the other window exists hidden.
void WaveForm::Form_Unload() { QCoreApplication::exit(0); }

QWidget* WaveForm::Control(std::string_view name) const {
  QWidget* control = controls_.value(FromUtf8(name));
  Q_ASSERT_X(control != nullptr, "WaveForm", "no control of that name");
  return control;
}

CaptionLabel* WaveForm::Label(std::string_view name) const {
  return qobject_cast<CaptionLabel*>(Control(name));
}

void WaveForm::paintEvent(QPaintEvent*) {
  // The smallest version is the picture's own size; the icon hands the
  // painter the sharpest one for the screen.
  const QList<QSize> sizes = background_.availableSizes();
  if (sizes.isEmpty()) return;  // the picture failed to load
  const QSize own =
      *std::min_element(sizes.begin(), sizes.end(),
                        [](QSize a, QSize b) { return a.width() < b.width(); });
  QPainter painter(this);
  background_.paint(&painter, QRect(QPoint(0, 0), own),
                    Qt::AlignLeft | Qt::AlignTop);
}

void WaveForm::closeEvent(QCloseEvent* event) {
  event->accept();
  Form_Unload();
}

}  // namespace wave
