#include "core/falling_board.h"

#include <array>
#include <utility>

#include "core/number_text.h"

namespace wave {

namespace {

enum Index : std::size_t {
  kText1,
  kText2,
  kLabel1,
  kLabel2,
  kLabel3,
  kLabel4,
  kLabel5,
};

constexpr NamedTexts<FallingBoard::kTextCount>::Names kNames = {
    "Text1", "Text2", "Label1", "Label2", "Label3", "Label4", "Label5"};
constexpr NamedTexts<FallingBoard::kTextCount>::Names kDesignTexts = {
    "", "", "1", "2", "3", "4", ""};

constexpr double kWaveBRetrace = 0.7;
constexpr double kWaveCExtension = 1.48;
constexpr double kWaveCFarExtension = 1.618;

std::string Times(double ratio) { return FormatNumber(ratio) + " × a 浪长度"; }

}  // namespace

FallingBoard::FallingBoard() : texts_(kNames, kDesignTexts) {}

void FallingBoard::Calculate() {
  texts_[kLabel1] = texts_[kText1];
  texts_[kLabel2] = texts_[kText2];
  // Unchecked on purpose: a difference beyond the double range is overflow 6
  // in ToWaveLength, not a floating-point error.
  first_wave_length_ =
      ToWaveLength(ParseLenient(texts_[kText1]) - ParseLenient(texts_[kText2]));
  const double length = first_wave_length_;
  texts_[kLabel3] = FormatNumber(
      CheckFloat(ParseStrict(texts_[kText2]) + length * kWaveBRetrace));
  texts_[kLabel4] = FormatNumber(
      CheckFloat(ParseStrict(texts_[kLabel1]) - length * kWaveCExtension));
  texts_[kLabel5] = FormatNumber(
      CheckFloat(ParseStrict(texts_[kLabel1]) - length * kWaveCFarExtension));
}

void FallingBoard::Clear() {
  constexpr std::array<std::pair<Index, int>, 4> kPointNumbers = {
      {{kLabel1, 1}, {kLabel2, 2}, {kLabel3, 3}, {kLabel4, 4}}};
  for (const auto& [index, number] : kPointNumbers) {
    texts_[index] = FormatWhole(number);
  }
  texts_[kLabel5].clear();
}

const std::string& FallingBoard::Text(std::string_view name) const {
  return texts_[texts_.IndexOf(name)];
}

void FallingBoard::SetText(std::string_view name, std::string text) {
  texts_[texts_.IndexOf(name)] = std::move(text);
}

std::span<const CaptionInfo> FallingBoard::Captions() {
  static const std::array<CaptionInfo, 5> kCaptions = {{
      DescribeCaption("Label1", "a 浪 起点", "起点1"),
      DescribeCaption("Label2", "a 浪 终点", "终点2"),
      DescribeCaption("Label3", "b 浪 终点", "终点2 + " + Times(kWaveBRetrace)),
      DescribeCaption("Label4", "c 浪 终点",
                      "起点1 − " + Times(kWaveCExtension)),
      DescribeCaption("Label5", "c 浪 延伸终点",
                      "起点1 − " + Times(kWaveCFarExtension)),
  }};
  return kCaptions;
}

}  // namespace wave
