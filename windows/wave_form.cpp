#include "windows/wave_form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QScreen>

#include "windows/maker_page.h"
#include "windows/picture_box.h"

namespace wave {

namespace {

// The window font, used by controls without one of their own.
constexpr FontSpec kFormFont{9, false};

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const QIcon& WindowIcon() {
  static const QIcon icon(QStringLiteral(":/assets/wavecalc.ico"));
  return icon;
}

}  // namespace

WaveForm::WaveForm(const FormSpec& spec)
    : background_(FromUtf8(spec.background)),
      background_size_(QImageReader(FromUtf8(spec.background)).size()) {
  setObjectName(FromUtf8(spec.name));
  setWindowTitle(FromUtf8(spec.title));
  setWindowIcon(WindowIcon());
  setFont(MakeFont(kFormFont, font()));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, spec.back == kDefaultColour
                                         ? palette.color(QPalette::Button)
                                         : FromBgr(spec.back));
  setPalette(palette);
  setAutoFillBackground(true);
  resize(TwipsToPixels(spec.width), TwipsToPixels(spec.height));

  controls_ = BuildControls(this, spec);

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
}

void WaveForm::ShowWindow() {
  if (!shown_before_) {
    shown_before_ = true;
    QRect placed = frameGeometry();
    placed.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
    move(placed.topLeft());
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

QLabel* WaveForm::Label(std::string_view name) const {
  return qobject_cast<QLabel*>(Control(name));
}

QLineEdit* WaveForm::TextBox(std::string_view name) const {
  return qobject_cast<QLineEdit*>(Control(name));
}

QPushButton* WaveForm::Button(std::string_view name) const {
  return qobject_cast<QPushButton*>(Control(name));
}

void WaveForm::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  background_.paint(&painter, QRect(QPoint(0, 0), background_size_),
                    Qt::AlignLeft | Qt::AlignTop);
}

void WaveForm::closeEvent(QCloseEvent* event) {
  event->accept();
  Form_Unload();
}

}  // namespace wave
