// The input box for a price. What it shows is what the program computes
// from: text is cleaned as it enters, typed, pasted, dropped or committed
// by an input method alike.
// - Full-width forms (an input method in full-width mode) become ASCII:
//   "３５００．５" becomes "3500.5".
// - Invisible format characters (zero-width spaces and joiners, direction
//   marks and overrides, the byte-order mark, the soft hyphen) are removed.
// - Every other Unicode space becomes a plain blank.
// - What was inserted loses the tabs and line breaks around it, which cells
//   pasted from a spreadsheet bring along; inner ones stay.
// An edit that would take the box past kMaxLength characters is refused
// whole, and the user is told so.
#ifndef WAVECALC_WINDOWS_PRICE_BOX_H_
#define WAVECALC_WINDOWS_PRICE_BOX_H_

#include <QLineEdit>
#include <QString>

namespace wave {

// The message of a refused edit.
QString TooLongText();

class PriceBox : public QLineEdit {
  Q_OBJECT

 public:
  static constexpr int kMaxLength = 1024;

  explicit PriceBox(QWidget* parent);

 private:
  void TellTooLong();

  bool telling_ = false;
};

// The cleaning: text after an edit that inserted text[from, to), with the
// cursor moved along with what is removed before it.
QString CleanPrice(const QString& text, qsizetype from, qsizetype to,
                   int* cursor);

}  // namespace wave

#endif  // WAVECALC_WINDOWS_PRICE_BOX_H_
