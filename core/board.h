// What both boards share: texts addressed by control name, each described by
// one row of its board's table, plus the rounded length of the first leg.
//
// A board's table is the one place that names its texts. The operations
// address them by index, found at compile time from the table with IndexOf,
// so a mistyped name does not compile; the window addresses them by name.
#ifndef WAVECALC_CORE_BOARD_H_
#define WAVECALC_CORE_BOARD_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/caption_info.h"

namespace wave {

// One text of a board: an input box, or a caption beside a chart point.
struct TextRow {
  std::string_view name;          // control name, such as "Label3"
  std::string_view design;        // the text at creation; Clear restores it
  std::string_view point = {};    // a caption's chart point; empty for inputs
  std::string_view formula = {};  // a caption's rule; "{}" is the next ratio
  std::array<double, 2> ratios = {};
};

template <std::size_t kCount>
consteval std::size_t IndexOf(const std::array<TextRow, kCount>& rows,
                              std::string_view name) {
  for (std::size_t i = 0; i < kCount; ++i) {
    if (rows[i].name == name) return i;
  }
  // Reached only for a name the table lacks, and then not a constant
  // expression: the caller fails to compile.
  throw std::invalid_argument("no text of that name");
}

// The captions of a table in its order (chart order), each with its rule
// written out from the ratios the arithmetic uses.
std::vector<CaptionInfo> DescribeCaptions(std::span<const TextRow> rows);

class Board {
 public:
  // Names are those of the table; any other throws std::invalid_argument.
  const std::string& Text(std::string_view name) const;
  void SetText(std::string_view name, std::string text);

  // Restores the point numbers, then empties the extra targets; inputs and
  // the length stay.
  void Clear();

  std::int16_t FirstWaveLength() const { return first_wave_length_; }

  // The names of the inputs, in table order; their boxes share the names.
  std::vector<std::string_view> Inputs() const;

 protected:
  explicit Board(std::span<const TextRow> rows);

  std::string& At(std::size_t index) { return texts_[index]; }
  const std::string& At(std::size_t index) const { return texts_[index]; }

  std::int16_t first_wave_length_ = 0;

 private:
  std::size_t IndexNamed(std::string_view name) const;

  std::span<const TextRow> rows_;
  std::vector<std::string> texts_;
};

}  // namespace wave

#endif  // WAVECALC_CORE_BOARD_H_
