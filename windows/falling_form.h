// Form2, the falling-wave window and the face of FallingBoard.
#ifndef WAVECALC_WINDOWS_FALLING_FORM_H_
#define WAVECALC_WINDOWS_FALLING_FORM_H_

#include "core/falling_board.h"
#include "windows/wave_form.h"

namespace wave {

class FallingForm : public WaveForm {
  Q_OBJECT

 public:
  FallingForm();

  void Command3_Click();  // "基础预算"
  void Command2_Click();  // "清零"
  void Command4_Click();  // "切换上升浪"

 private:
  FallingBoard board_;
};

}  // namespace wave

#endif  // WAVECALC_WINDOWS_FALLING_FORM_H_
