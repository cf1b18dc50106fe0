// The input box for a price. What it shows is what the program computes
// from: every insert, typed, pasted, dropped or committed by an input
// method, is cleaned by the price text rule as it enters, and an edit that
// would take the box past its limit is refused whole, with a message.
#ifndef WAVECALC_WINDOWS_QT_PRICE_BOX_H_
#define WAVECALC_WINDOWS_QT_PRICE_BOX_H_

#include <QLineEdit>

namespace wave {

class PriceBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit PriceBox(QWidget* parent);

 private:
  void TellTooLong();

  bool telling_ = false;
};

}  // namespace wave

#endif  // WAVECALC_WINDOWS_QT_PRICE_BOX_H_
