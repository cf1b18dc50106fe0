#include "core/rising_board.h"

#include <array>
#include <cmath>
#include <vector>

#include "core/number_text.h"

namespace wave {

namespace {

constexpr double kWave2Retrace = 0.8;
constexpr double kWave3Extension = 1.2;
constexpr double kWave3FarExtension = 1.7;
constexpr double kMidPointDivisor = 2;
constexpr double kAdjustedWave4Extension = 0.382;
constexpr int kWave5Factor = 2;  // a whole multiple of the 16-bit length

// clang-format off
constexpr std::array<TextRow, 9> kRows = {{
    {"Text1",   ""},
    {"Text2",   ""},
    {"Label1",  "1", "浪(1) 起点", "起点1"},
    {"Label2",  "2", "浪(1) 终点", "终点2"},
    {"Label3",  "3", "浪(2) 终点", "终点2 − {} × 浪(1)长度", {kWave2Retrace}},
    {"Label4",  "4", "浪(3) 终点", "浪(2) 终点 + {} × 浪(1)长度", {kWave3Extension}},
    {"Label11", "",  "浪(3) 延伸终点", "浪(2) 终点 + {} × 浪(1)长度", {kWave3FarExtension}},
    {"Label5",  "5", "浪(4) 终点",
     "(起点1 + 终点2) ÷ {}；调整后 = 终点2 + {} × 浪(1)长度",
     {kMidPointDivisor, kAdjustedWave4Extension}},
    {"Label6",  "6", "浪(5) 终点",
     "浪(4) 终点 + {} × 浪(1)长度；调整后 = 终点2 + {} × 浪(1)长度",
     {kWave5Factor, kWave5Factor}},
}};
// clang-format on

consteval std::size_t Row(std::string_view name) {
  return IndexOf(kRows, name);
}

// The mid-point sum has a wider exponent range than a double: when a + b
// overflows, halving first gives the same, exactly representable result.
double MidPoint(double a, double b) {
  const double sum = a + b;
  if (std::isinf(sum) && std::isfinite(a) && std::isfinite(b)) {
    return a / kMidPointDivisor + b / kMidPointDivisor;
  }
  return CheckFloat(sum / kMidPointDivisor);
}

}  // namespace

RisingBoard::RisingBoard() : Board(kRows) {}

void RisingBoard::Calculate() {
  // The difference goes unchecked into ToWaveLength: one too large for a
  // double (or from a reading beyond the range) is overflow 6 there.
  first_wave_length_ = ToWaveLength(ParseLenient(At(Row("Text2"))) -
                                    ParseLenient(At(Row("Text1"))));
  const double length = first_wave_length_;
  At(Row("Label1")) = At(Row("Text1"));
  At(Row("Label2")) = At(Row("Text2"));
  At(Row("Label3")) = FormatNumber(
      CheckFloat(ParseStrict(At(Row("Text2"))) - length * kWave2Retrace));
  At(Row("Label4")) = FormatNumber(
      CheckFloat(ParseStrict(At(Row("Label3"))) + length * kWave3Extension));
  At(Row("Label11")) = FormatNumber(
      CheckFloat(ParseStrict(At(Row("Label3"))) + length * kWave3FarExtension));
  At(Row("Label5")) = FormatNumber(
      MidPoint(ParseLenient(At(Row("Text1"))), ParseLenient(At(Row("Text2")))));
  const double wave4_end = ParseStrict(At(Row("Label5")));
  At(Row("Label6")) = FormatNumber(CheckFloat(
      wave4_end + MultiplyWaveLength(first_wave_length_, kWave5Factor)));
}

void RisingBoard::Adjust() {
  const double length = first_wave_length_;
  At(Row("Label5")) = FormatNumber(CheckFloat(
      ParseStrict(At(Row("Label2"))) + length * kAdjustedWave4Extension));
  const double wave1_end = ParseStrict(At(Row("Label2")));
  At(Row("Label6")) = FormatNumber(CheckFloat(
      wave1_end + MultiplyWaveLength(first_wave_length_, kWave5Factor)));
}

std::span<const CaptionInfo> RisingBoard::Captions() {
  static const std::vector<CaptionInfo> captions = DescribeCaptions(kRows);
  return captions;
}

}  // namespace wave
