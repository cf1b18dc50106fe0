// The rising five-wave board: the logic behind the rising-wave window.
//
// Its operations read inputs and earlier captions as text, compute in
// double, and write captions as text, so a window only copies texts in, runs
// an operation, and copies every caption back out, also when the operation
// stopped with a RunError part-way.
#ifndef WAVECALC_CORE_RISING_BOARD_H_
#define WAVECALC_CORE_RISING_BOARD_H_

#include <span>

#include "core/board.h"
#include "core/caption_info.h"

namespace wave {

class RisingBoard : public Board {
 public:
  RisingBoard();

  // From the start (Text1) and end (Text2) of wave 1: the ends of waves 2 to
  // 5 and an extended wave-3 target.
  void Calculate();
  // Re-projects waves 4 and 5 from Label2 once wave 3 ran past its target.
  void Adjust();

  // Every caption, in chart order, with its point and rule.
  static std::span<const CaptionInfo> Captions();
};

}  // namespace wave

#endif  // WAVECALC_CORE_RISING_BOARD_H_
