#include "windows/qt/wave_form.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "windows/forms/maker_page.h"
#include "windows/forms/operation.h"
#include "windows/forms/rules.h"
#include "windows/qt/caption_label.h"
#include "windows/qt/centring.h"
#include "windows/qt/controls.h"
#include "windows/qt/dialogs.h"
#include "windows/qt/look.h"
#include "windows/qt/picture_box.h"
#include "windows/qt/program.h"
#include "windows/qt/window_picture.h"

namespace wave {

namespace {

// Whether the windows stay above others; it lasts for the run only.
bool& StaysOnTop() {
  static bool on = false;
  return on;
}

const QIcon& WindowIcon() {
  static const QIcon icon = LoadPicture(AssetPath(kIconAsset));
  return icon;
}

}  // namespace

WaveForm::WaveForm(const FormSpec& form)
    : form_(form),
      board_(form.make_board()),
      background_(LoadPicture(AssetPath(form.background))) {
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
  for (const ControlSpec& row : form.controls) {
    if (row.kind == ControlKind::kDefaultButton) {
      default_button = qobject_cast<QPushButton*>(Control(row.name));
    }
  }
  for (const ControlSpec& row : form.controls) {
    if (row.kind != ControlKind::kTextBox) continue;
    auto* box = qobject_cast<QLineEdit*>(Control(row.name));
    box->setAccessibleName(
        FromUtf8(BoxAccessibleName(form, *board_, row.name)));
    if (default_button != nullptr) {
      connect(box, &QLineEdit::returnPressed, default_button,
              &QPushButton::click);
    }
  }
  for (const ButtonRow& button : form.buttons) {
    QWidget* control = Control(button.control);
    const auto run = [this, &button] { Run(button); };
    if (auto* push = qobject_cast<QPushButton*>(control)) {
      connect(push, &QPushButton::clicked, this, run);
    } else if (auto* picture = qobject_cast<PictureBox*>(control)) {
      connect(picture, &PictureBox::clicked, this, run);
    }
  }
  WireValueLabels();
  WireResultsMenu();
}

WaveForm::~WaveForm() = default;

void WaveForm::WireValueLabels() {
  for (const CaptionInfo& caption : form_.captions()) {
    CaptionLabel* label = Label(caption.name);
    label->setToolTip(QString::fromStdString(caption.rule));
    label->setAccessibleDescription(QString::fromStdString(caption.rule));
    label->SetSelectable(true);
    ShowCaption(caption, QString::fromStdString(board_->Text(caption.name)));
    connect(label, &CaptionLabel::selectionChanged, this,
            [this, label] { KeepOnlySelection(label); });
  }
}

void WaveForm::WireResultsMenu() {
  results_menu_ = new QMenu(this);
  results_menu_->setObjectName(QStringLiteral("ResultsMenu"));
  for (const MenuItem& item : ResultsMenu()) {
    if (item.separator_before) results_menu_->addSeparator();
    QAction* action = results_menu_->addAction(FromUtf8(item.text));
    action->setCheckable(item.checkable);
    const MenuCommand command = item.command;
    connect(action, &QAction::triggered, this,
            [this, command] { RunMenu(command); });
    if (!item.keys.empty()) {
      const QKeySequence keys(FromUtf8(item.keys));
      action->setShortcut(keys);
      auto* shortcut = new QShortcut(keys, this);
      connect(shortcut, &QShortcut::activated, this,
              [this, command] { RunMenu(command); });
    }
    menu_actions_.insert(static_cast<int>(command), action);
  }
}

void WaveForm::RunMenu(MenuCommand command) {
  switch (command) {
    case MenuCommand::kCopySelection:
      CopySelection();
      break;
    case MenuCommand::kCopyAllResults:
      QGuiApplication::clipboard()->setText(
          FromUtf8(CopyAllText(form_.captions(), [this](std::string_view name) {
            return ToUtf8(Label(name)->text());
          })));
      break;
    case MenuCommand::kCopyPicture:
      QGuiApplication::clipboard()->setImage(PictureOf(this));
      break;
    case MenuCommand::kSavePicture:
      SavePicture(this, PictureOf(this), form_.picture_stem);
      break;
    case MenuCommand::kStayOnTop:
      StaysOnTop() = !StaysOnTop();
      ApplyStaysOnTop();
      break;
  }
}

void WaveForm::ShowCaption(const CaptionInfo& caption, const QString& text) {
  CaptionLabel* label = Label(caption.name);
  label->SetCaption(text);
  label->setAccessibleName(
      FromUtf8(ValueAccessibleName(caption, ToUtf8(text))));
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

void WaveForm::CopySelection() const {
  if (selected_label_ != nullptr) {
    QGuiApplication::clipboard()->setText(selected_label_->SelectedCaption());
  }
}

void WaveForm::ApplyStaysOnTop() {
  const bool on = StaysOnTop();
  menu_actions_.value(static_cast<int>(MenuCommand::kStayOnTop))
      ->setChecked(on);
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
  menu_actions_.value(static_cast<int>(MenuCommand::kCopySelection))
      ->setEnabled(selected_label_ != nullptr);
  results_menu_->popup(event->globalPos());
}

void WaveForm::Run(const ButtonRow& button) {
  switch (button.action) {
    case Action::kSwitch:
      SwitchTo(button.other);
      return;
    case Action::kOpenMakerPage:
      OpenMakerPage();
      return;
    case Action::kCalculate:
    case Action::kAdjust:
    case Action::kClear:
      break;
  }
  const OperationResult result =
      RunOperation(form_, *board_, button, [this](std::string_view box) {
        return ToUtf8(qobject_cast<QLineEdit*>(Control(box))->text());
      });
  const std::span<const CaptionInfo> captions = form_.captions();
  for (std::size_t i = 0; i < result.captions.size(); ++i) {
    ShowCaption(captions[i], QString::fromStdString(result.captions[i].text));
  }
  if (result.error) ReportError(this, *result.error);
}

void WaveForm::SwitchTo(WindowSlot other) {
  ShowWindow(other);
  hide();  // without destroying: boxes, captions and the board stay
}

// The address goes to the platform's URL handler (xdg-open on Linux), never
// through a shell command line.
void WaveForm::OpenMakerPage() {
  if (!QDesktopServices::openUrl(QUrl(FromUtf8(MakerPageAddress())))) {
    ReportError(this, RunError(ErrorKind::kLaunchFailure));
  }
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

// Ends the program at once, also while the other window exists hidden.
void WaveForm::closeEvent(QCloseEvent* event) {
  event->accept();
  QCoreApplication::exit(0);
}

}  // namespace wave
