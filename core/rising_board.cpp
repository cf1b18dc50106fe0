#include "core/rising_board.h"

#include <array>
#include <cmath>
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
  kLabel11,
  kLabel5,
  kLabel6,
};

constexpr NamedTexts<RisingBoard::kTextCount>::Names kNames = {
    "Text1",  "Text2",   "Label1", "Label2", "Label3",
    "Label4", "Label11", "Label5", "Label6"};
constexpr NamedTexts<RisingBoard::kTextCount>::Names kDesignTexts = {
    "", "", "1", "2", "3", "4", "", "5", "6"};

constexpr double kWave2Retrace = 0.8;
constexpr double kWave3Extension = 1.2;
constexpr double kWave3FarExtension = 1.7;
constexpr double kMidPointDivisor = 2;
constexpr double kAdjustedWave4Extension = 0.382;
constexpr int kWave5Factor = 2;  // DoubleWaveLength, named for the rule text

// The mid-point sum has a wider exponent range than a double: when a + b
// overflows, halving first gives the same, exactly representable result.
double MidPoint(double a, double b) {
  const double sum = a + b;
  if (std::isinf(sum) && std::isfinite(a) && std::isfinite(b)) {
    return a / kMidPointDivisor + b / kMidPointDivisor;
  }
  return CheckFloat(sum / kMidPointDivisor);
}

std::string Times(double ratio) { return FormatNumber(ratio) + " × 浪(1)长度"; }

}  // namespace

RisingBoard::RisingBoard() : texts_(kNames, kDesignTexts) {}

void RisingBoard::Calculate() {
  // The difference goes unchecked into ToWaveLength: one too large for a
  // double (or from a reading beyond the range) is overflow 6 there.
  first_wave_length_ =
      ToWaveLength(ParseLenient(texts_[kText2]) - ParseLenient(texts_[kText1]));
  const double length = first_wave_length_;
  texts_[kLabel1] = texts_[kText1];
  texts_[kLabel2] = texts_[kText2];
  texts_[kLabel3] = FormatNumber(
      CheckFloat(ParseStrict(texts_[kText2]) - length * kWave2Retrace));
  texts_[kLabel4] = FormatNumber(
      CheckFloat(ParseStrict(texts_[kLabel3]) + length * kWave3Extension));
  texts_[kLabel11] = FormatNumber(
      CheckFloat(ParseStrict(texts_[kLabel3]) + length * kWave3FarExtension));
  texts_[kLabel5] = FormatNumber(
      MidPoint(ParseLenient(texts_[kText1]), ParseLenient(texts_[kText2])));
  const double wave4_end = ParseStrict(texts_[kLabel5]);
  texts_[kLabel6] = FormatNumber(
      CheckFloat(wave4_end + DoubleWaveLength(first_wave_length_)));
}

void RisingBoard::Adjust() {
  const double length = first_wave_length_;
  texts_[kLabel5] = FormatNumber(CheckFloat(ParseStrict(texts_[kLabel2]) +
                                            length * kAdjustedWave4Extension));
  const double wave1_end = ParseStrict(texts_[kLabel2]);
  texts_[kLabel6] = FormatNumber(
      CheckFloat(wave1_end + DoubleWaveLength(first_wave_length_)));
}

void RisingBoard::Clear() {
  constexpr std::array<std::pair<Index, int>, 6> kPointNumbers = {
      {{kLabel1, 1},
       {kLabel2, 2},
       {kLabel3, 3},
       {kLabel4, 4},
       {kLabel5, 5},
       {kLabel6, 6}}};
  for (const auto& [index, number] : kPointNumbers) {
    texts_[index] = FormatWhole(number);
  }
  texts_[kLabel11].clear();
}

const std::string& RisingBoard::Text(std::string_view name) const {
  return texts_[texts_.IndexOf(name)];
}

void RisingBoard::SetText(std::string_view name, std::string text) {
  texts_[texts_.IndexOf(name)] = std::move(text);
}

std::span<const CaptionInfo> RisingBoard::Captions() {
  static const std::array<CaptionInfo, 7> kCaptions = {{
      DescribeCaption("Label1", "浪(1) 起点", "起点1"),
      DescribeCaption("Label2", "浪(1) 终点", "终点2"),
      DescribeCaption("Label3", "浪(2) 终点",
                      "终点2 − " + Times(kWave2Retrace)),
      DescribeCaption("Label4", "浪(3) 终点",
                      "浪(2) 终点 + " + Times(kWave3Extension)),
      DescribeCaption("Label11", "浪(3) 延伸终点",
                      "浪(2) 终点 + " + Times(kWave3FarExtension)),
      DescribeCaption("Label5", "浪(4) 终点",
                      "(起点1 + 终点2) ÷ " + FormatNumber(kMidPointDivisor) +
                          "；调整后 = 终点2 + " +
                          Times(kAdjustedWave4Extension)),
      DescribeCaption("Label6", "浪(5) 终点",
                      "浪(4) 终点 + " + Times(kWave5Factor) +
                          "；调整后 = 终点2 + " + Times(kWave5Factor)),
  }};
  return kCaptions;
}

}  // namespace wave
