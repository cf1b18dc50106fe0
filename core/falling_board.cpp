#include "core/falling_board.h"

#include <array>
#include <vector>

#include "core/number_text.h"

namespace wave {

namespace {

constexpr double kWaveBRetrace = 0.7;
constexpr double kWaveCExtension = 1.48;
constexpr double kWaveCFarExtension = 1.618;

// clang-format off
constexpr std::array<TextRow, 7> kRows = {{
    {"Text1",  ""},
    {"Text2",  ""},
    {"Label1", "1", "a 浪 起点", "起点1"},
    {"Label2", "2", "a 浪 终点", "终点2"},
    {"Label3", "3", "b 浪 终点", "终点2 + {} × a 浪长度", {kWaveBRetrace}},
    {"Label4", "4", "c 浪 终点", "起点1 − {} × a 浪长度", {kWaveCExtension}},
    {"Label5", "",  "c 浪 延伸终点", "起点1 − {} × a 浪长度", {kWaveCFarExtension}},
}};
// clang-format on

consteval std::size_t Row(std::string_view name) {
  return IndexOf(kRows, name);
}

}  // namespace

FallingBoard::FallingBoard() : Board(kRows) {}

void FallingBoard::Calculate() {
  At(Row("Label1")) = At(Row("Text1"));
  At(Row("Label2")) = At(Row("Text2"));
  // Unchecked on purpose: a difference beyond the double range is overflow 6
  // in ToWaveLength, not a floating-point error.
  first_wave_length_ = ToWaveLength(ParseLenient(At(Row("Text1"))) -
                                    ParseLenient(At(Row("Text2"))));
  const double length = first_wave_length_;
  At(Row("Label3")) = FormatNumber(
      CheckFloat(ParseStrict(At(Row("Text2"))) + length * kWaveBRetrace));
  At(Row("Label4")) = FormatNumber(
      CheckFloat(ParseStrict(At(Row("Label1"))) - length * kWaveCExtension));
  At(Row("Label5")) = FormatNumber(
      CheckFloat(ParseStrict(At(Row("Label1"))) - length * kWaveCFarExtension));
}

std::span<const CaptionInfo> FallingBoard::Captions() {
  static const std::vector<CaptionInfo> captions = DescribeCaptions(kRows);
  return captions;
}

}  // namespace wave
