// What a board tells its window about each caption: the control that shows
// it, the chart point it stands for, and the rule that produces it.
#ifndef WAVECALC_CORE_CAPTION_INFO_H_
#define WAVECALC_CORE_CAPTION_INFO_H_

#include <string>
#include <string_view>

namespace wave {

struct CaptionInfo {
  std::string_view name;   // control name, such as "Label3"
  std::string_view point;  // chart point, such as "浪(2) 终点"
  std::string rule;  // such as "浪(2) 终点 = 终点2 − 0.8 × 浪(1)长度"
};

}  // namespace wave

#endif  // WAVECALC_CORE_CAPTION_INFO_H_
