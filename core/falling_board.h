// The falling three-wave (a-b-c) board: the logic behind the falling-wave
// window. Same shape as RisingBoard: named texts plus the rounded length of
// wave a, with operations that stop at the first RunError and leave the
// captions written so far in place for the window to show.
#ifndef WAVECALC_CORE_FALLING_BOARD_H_
#define WAVECALC_CORE_FALLING_BOARD_H_

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/caption_info.h"
#include "core/named_texts.h"

namespace wave {

class FallingBoard {
 public:
  FallingBoard();

  // From the start (Text1) and end (Text2) of wave a: the top of wave b, the
  // end of wave c and an extended wave-c target.
  void Calculate();
  // Restores the point numbers; inputs and the length stay.
  void Clear();

  // Names are Text1, Text2 and the caption names; any other name throws
  // std::invalid_argument.
  const std::string& Text(std::string_view name) const;
  void SetText(std::string_view name, std::string text);

  // Start minus end: positive for a fall.
  std::int16_t FirstWaveLength() const { return first_wave_length_; }

  // Every caption, in chart order, with its point and rule.
  static std::span<const CaptionInfo> Captions();

  static constexpr std::size_t kTextCount = 7;

 private:
  NamedTexts<kTextCount> texts_;
  std::int16_t first_wave_length_ = 0;
};

}  // namespace wave

#endif  // WAVECALC_CORE_FALLING_BOARD_H_
