// Form1, the rising-wave window and the face of RisingBoard.
#ifndef WAVECALC_WINDOWS_RISING_FORM_H_
#define WAVECALC_WINDOWS_RISING_FORM_H_

#include "core/rising_board.h"
#include "windows/wave_form.h"

namespace wave {

class RisingForm : public WaveForm {
  Q_OBJECT

 public:
  RisingForm();

  void Command3_Click();  // "基础测算"
  void Command1_Click();  // "调整"
  void Command2_Click();  // "清零"
  void Command4_Click();  // "切换下跌浪"

 private:
  RisingBoard board_;
};

}  // namespace wave

#endif  // WAVECALC_WINDOWS_RISING_FORM_H_
