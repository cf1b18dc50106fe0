// The rules that every front end follows alike: design units to pixels,
// keyboard order, stacking, centring, and what is copied, saved and read
// out to screen readers.
#ifndef WAVECALC_WINDOWS_FORMS_RULES_H_
#define WAVECALC_WINDOWS_FORMS_RULES_H_

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/caption_info.h"
#include "windows/forms/form_spec.h"

namespace wave {

// A twip is 1/1440 inch: 15 to a pixel at 96 dots per inch.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDesignDpi = 96;
int TwipsToPixels(int twips, int dpi = kDesignDpi);

// The pictures drawn at twice their size serve from this scale up.
inline constexpr double kSharperPicturesFrom = 1.5;

// The focusable controls in the order Tab visits them; the first takes the
// focus when the window is first shown.
std::vector<std::string_view> TabOrder(const FormSpec& form);

// The controls of one container from the bottom of the stack to its top:
// the other labels and the logo, then the value labels in chart order, so
// a long value lies over a wave tag, then the frames, then the rest. A
// frame thus hides the part of a label that runs beneath it. Screen readers
// read the value labels in this order.
std::vector<std::string_view> StackingOrder(const FormSpec& form,
                                            std::string_view container);

struct Rect {
  int left, top, width, height;
  bool operator==(const Rect&) const = default;
};

// Where a window's frame goes, of the given size, to sit at the centre of
// the work area; a half pixel left over goes up and to the left.
Rect CentredFrame(int frame_width, int frame_height, const Rect& work_area);

// The label of a value: its caption now, by control name.
using CaptionOf = std::function<std::string(std::string_view label)>;

// One line per chart point: its name, a tab and its caption, with any tab
// or line break inside a caption made a blank so each point keeps one line.
std::string CopyAllText(std::span<const CaptionInfo> captions,
                        const CaptionOf& caption_of);

// What screen readers say of a value label: "浪(3) 终点 3700".
std::string ValueAccessibleName(const CaptionInfo& caption,
                                std::string_view text);
// What they say of a box: the label beside it, the point it sets and
// "价格", as "起点1 浪(1) 起点价格".
std::string BoxAccessibleName(const FormSpec& form, const Board& board,
                              std::string_view box);
// What they say of the logo, which opens the maker's page.
inline constexpr std::string_view kLogoAccessibleName = "打开 Quorvane 网页";

struct LocalTime {
  int year, month, day, hour, minute;
};
using Clock = std::function<LocalTime()>;
// The user's local time now, or what a clock set here says.
LocalTime Now();
// Replaces the clock; an empty function restores the system's.
void SetClock(Clock clock);

// "上升5浪-20261208-1530.png"
std::string PictureFileName(std::string_view stem, const LocalTime& when);

}  // namespace wave

#endif  // WAVECALC_WINDOWS_FORMS_RULES_H_
