// The falling three-wave (a-b-c) board: the logic behind the falling-wave
// window. Same shape as RisingBoard; its length is the start minus the end
// of wave a, positive for a fall.
#ifndef WAVECALC_CORE_FALLING_BOARD_H_
#define WAVECALC_CORE_FALLING_BOARD_H_

#include <span>

#include "core/board.h"
#include "core/caption_info.h"

namespace wave {

class FallingBoard : public Board {
 public:
  FallingBoard();

  // From the start (Text1) and end (Text2) of wave a: the top of wave b, the
  // end of wave c and an extended wave-c target.
  void Calculate();

  // Every caption, in chart order, with its point and rule.
  static std::span<const CaptionInfo> Captions();
};

}  // namespace wave

#endif  // WAVECALC_CORE_FALLING_BOARD_H_
