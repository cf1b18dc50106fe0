#include "windows/qt/price_box.h"

#include <QString>
#include <QTimer>
#include <QValidator>
#include <string_view>
#include <utility>

#include "windows/forms/price_text.h"
#include "windows/forms/texts.h"
#include "windows/qt/dialogs.h"
#include "windows/qt/look.h"

namespace wave {

namespace {

std::u16string_view Utf16(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()),
          static_cast<std::size_t>(text.size())};
}

class PriceValidator : public QValidator {
 public:
  explicit PriceValidator(QObject* parent) : QValidator(parent) {}

  State validate(QString& text, int& cursor) const override {
    if (!FitsPriceBox(static_cast<std::size_t>(text.size()))) return Invalid;
    const Inserted inserted = InsertedPart(Utf16(accepted_), Utf16(text));
    const CleanedPrice clean =
        CleanPrice(Utf16(text), inserted.from, inserted.to,
                   static_cast<std::size_t>(cursor));
    text = QString::fromUtf16(clean.text.data(),
                              static_cast<qsizetype>(clean.text.size()));
    cursor = static_cast<int>(clean.cursor);
    accepted_ = text;
    return Acceptable;
  }

 private:
  // What the box last held, to tell what an edit inserted.
  mutable QString accepted_;
};

}  // namespace

PriceBox::PriceBox(QWidget* parent) : QLineEdit(parent) {
  // One more than the limit: an edit that reaches it is refused by the
  // validator as a whole, instead of being cut short silently.
  setMaxLength(static_cast<int>(kMaxPriceLength) + 1);
  setValidator(new PriceValidator(this));
  connect(this, &QLineEdit::inputRejected, this, &PriceBox::TellTooLong);
}

// Once per refused edit, however many rejections it raised, after the box
// has put its text back.
void PriceBox::TellTooLong() {
  if (std::exchange(telling_, true)) return;
  QTimer::singleShot(0, this, [this] {
    ShowMessage(window(), FromUtf8(TooLongText()));
    telling_ = false;
  });
}

}  // namespace wave
