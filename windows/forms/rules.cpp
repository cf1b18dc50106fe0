#include "windows/forms/rules.h"

#include <algorithm>
#include <ctime>
#include <utility>

namespace wave {

namespace {

Clock& CurrentClock() {
  static Clock clock;
  return clock;
}

LocalTime SystemTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
          local.tm_min};
}

bool IsValueLabel(std::string_view name,
                  std::span<const CaptionInfo> captions) {
  return std::any_of(captions.begin(), captions.end(),
                     [name](const CaptionInfo& c) { return c.name == name; });
}

// The UTF-8 forms of the line and paragraph separators, of one length.
constexpr std::string_view kLineSeparator = "\u2028";
constexpr std::string_view kParagraphSeparator = "\u2029";

}  // namespace

int TwipsToPixels(int twips, int dpi) {
  return static_cast<int>(static_cast<long long>(twips) * dpi / kTwipsPerInch);
}

std::vector<std::string_view> TabOrder(const FormSpec& form) {
  std::vector<const ControlSpec*> stops;
  for (const ControlSpec& row : form.controls) {
    if (TakesFocus(row.kind) && row.tab_index != kNoTabStop) {
      stops.push_back(&row);
    }
  }
  std::stable_sort(stops.begin(), stops.end(),
                   [](const ControlSpec* a, const ControlSpec* b) {
                     return a->tab_index < b->tab_index;
                   });
  std::vector<std::string_view> order;
  for (const ControlSpec* row : stops) order.push_back(row->name);
  return order;
}

std::vector<std::string_view> StackingOrder(const FormSpec& form,
                                            std::string_view container) {
  const std::span<const CaptionInfo> captions = form.captions();
  std::vector<std::string_view> order;
  const auto add = [&](auto wanted) {
    for (const ControlSpec& row : form.controls) {
      if (row.parent == container && wanted(row)) order.push_back(row.name);
    }
  };
  add([&](const ControlSpec& row) {
    return (row.kind == ControlKind::kLabel &&
            !IsValueLabel(row.name, captions)) ||
           row.kind == ControlKind::kImage;
  });
  for (const CaptionInfo& caption : captions) {
    const ControlSpec* row = FindControl(form, caption.name);
    if (row != nullptr && row->parent == container) order.push_back(row->name);
  }
  add([](const ControlSpec& row) { return row.kind == ControlKind::kFrame; });
  add([](const ControlSpec& row) {
    return row.kind != ControlKind::kFrame && row.kind != ControlKind::kLabel &&
           row.kind != ControlKind::kImage;
  });
  return order;
}

Rect CentredFrame(int frame_width, int frame_height, const Rect& work_area) {
  // The centre pixel of the area, rounded up and to the left, takes the
  // centre pixel of the frame, rounded the same way.
  const int centre_x = work_area.left + (work_area.width - 1) / 2;
  const int centre_y = work_area.top + (work_area.height - 1) / 2;
  return {centre_x - (frame_width - 1) / 2, centre_y - (frame_height - 1) / 2,
          frame_width, frame_height};
}

std::string CopyAllText(std::span<const CaptionInfo> captions,
                        const CaptionOf& caption_of) {
  std::string text;
  for (const CaptionInfo& caption : captions) {
    if (!text.empty()) text += '\n';
    text.append(caption.point).append("\t");
    const std::string value = caption_of(caption.name);
    for (std::size_t i = 0; i < value.size(); ++i) {
      const std::string_view rest = std::string_view(value).substr(i);
      if (rest.starts_with(kLineSeparator) ||
          rest.starts_with(kParagraphSeparator)) {
        text += ' ';
        i += kLineSeparator.size() - 1;
      } else if (const char c = value[i]; c == '\t' || c == '\n' || c == '\r' ||
                                          c == '\v' || c == '\f') {
        text += ' ';
      } else {
        text += c;
      }
    }
  }
  return text;
}

std::string ValueAccessibleName(const CaptionInfo& caption,
                                std::string_view text) {
  return std::string(caption.point).append(" ").append(text);
}

std::string BoxAccessibleName(const FormSpec& form, const Board& board,
                              std::string_view box) {
  const ControlSpec* row = FindControl(form, box);
  const ControlSpec* tag = row ? FindControl(form, row->named_by) : nullptr;
  // The boxes set the board's inputs in order; its captions start with
  // their copies, so each box's point is that of the caption of its rank.
  const std::vector<std::string_view> inputs = board.Inputs();
  const auto rank = std::find(inputs.begin(), inputs.end(), box);
  const std::span<const CaptionInfo> captions = form.captions();
  const auto index = static_cast<std::size_t>(rank - inputs.begin());
  if (tag == nullptr || rank == inputs.end() || index >= captions.size()) {
    return std::string(box);
  }
  return std::string(tag->caption)
      .append(" ")
      .append(captions[index].point)
      .append("价格");
}

LocalTime Now() { return CurrentClock() ? CurrentClock()() : SystemTime(); }

void SetClock(Clock clock) { CurrentClock() = std::move(clock); }

std::string PictureFileName(std::string_view stem, const LocalTime& when) {
  std::string name(stem);
  const auto digits = [&name](int value, int width) {
    std::string text = std::to_string(value);
    name.append(text.size() < static_cast<std::size_t>(width)
                    ? static_cast<std::size_t>(width) - text.size()
                    : 0,
                '0');
    name.append(text);
  };
  name += '-';
  digits(when.year, 4);
  digits(when.month, 2);
  digits(when.day, 2);
  name += '-';
  digits(when.hour, 2);
  digits(when.minute, 2);
  return name.append(".png");
}

}  // namespace wave
