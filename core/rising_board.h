// The rising five-wave board: the logic behind the rising-wave window.
//
// A board is a set of named texts (two inputs, seven captions) plus the
// rounded first-leg length. Its operations read inputs and earlier captions
// as text, compute in double, and write captions as text, so a window only
// copies texts in, runs an operation, and copies every caption back out,
// also when the operation stopped with a RunError part-way.
#ifndef WAVECALC_CORE_RISING_BOARD_H_
#define WAVECALC_CORE_RISING_BOARD_H_

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/caption_info.h"
#include "core/named_texts.h"

namespace wave {

class RisingBoard {
 public:
  RisingBoard();

  // From the start (Text1) and end (Text2) of wave 1: the ends of waves 2 to
  // 5 and an extended wave-3 target.
  void Calculate();
  // Re-projects waves 4 and 5 from Label2 once wave 3 ran past its target.
  void Adjust();
  // Restores the point numbers; inputs and the length stay.
  void Clear();

  // Names are Text1, Text2 and the caption names; any other name throws
  // std::invalid_argument.
  const std::string& Text(std::string_view name) const;
  void SetText(std::string_view name, std::string text);

  std::int16_t FirstWaveLength() const { return first_wave_length_; }

  // Every caption, in chart order, with its point and rule.
  static std::span<const CaptionInfo> Captions();

  static constexpr std::size_t kTextCount = 9;

 private:
  NamedTexts<kTextCount> texts_;
  std::int16_t first_wave_length_ = 0;
};

}  // namespace wave

#endif  // WAVECALC_CORE_RISING_BOARD_H_
