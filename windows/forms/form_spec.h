// What the two windows are, with no toolkit: each is one FormSpec table of
// its title, size, colours, pictures and controls, in the design units
// (twips) and colour notation (&H00BBGGRR&) it was drawn in, with what each
// of its buttons does. A front end only draws these tables.
#ifndef WAVECALC_WINDOWS_FORMS_FORM_SPEC_H_
#define WAVECALC_WINDOWS_FORMS_FORM_SPEC_H_

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "core/board.h"
#include "core/caption_info.h"

namespace wave {

enum class WindowSlot { kRising, kFalling };

enum class ControlKind {
  kLabel,
  kTextBox,
  kButton,
  kDefaultButton,    // runs when Enter is pressed in a text box
  kGraphicalButton,  // paints its own back colour
  kFrame,
  kImage,
};

bool IsButton(ControlKind kind);
// Whether the control can take the keyboard focus.
bool TakesFocus(ControlKind kind);

// "宋体" at a point size and weight; points 0 means the window's own font.
struct FontSpec {
  double points = 0;
  bool bold = false;
};

inline constexpr FontSpec kWindowFont{};
// The windows' own font, for buttons and for what the toolkit draws itself
// (menus, tips, message boxes).
inline constexpr FontSpec kProgramFont{9, false};
inline constexpr FontSpec kRegular10_5{10.5, false};
inline constexpr FontSpec kRegular12{12, false};
inline constexpr FontSpec kBold12{12, true};
inline constexpr FontSpec kBold14_25{14.25, true};

// A colour written &H00BBGGRR&.
using Bgr = std::uint32_t;
// No value: the platform's colour for that part (the button face for
// labels, frames, buttons and the falling window).
using Colour = std::optional<Bgr>;

inline constexpr Colour kPlatformColour = std::nullopt;
inline constexpr Bgr kWhite = 0x00FFFFFF;

inline constexpr std::string_view kOnForm = "";
inline constexpr int kNoTabStop = -1;

struct ControlSpec {
  std::string_view name;
  ControlKind kind;
  std::string_view parent;       // kOnForm or the name of a frame
  int left, top, width, height;  // twips, in the parent's client area
  // UTF-8. A value label's comes from its board, which restores it.
  std::string_view caption;
  FontSpec font;
  Colour fore, back;
  int tab_index;
  std::string_view picture = {};  // asset name, for images
  // For a box: the label beside it that says what it holds.
  std::string_view named_by = {};
};

// What pressing a button, or clicking the logo, does.
enum class Action { kCalculate, kAdjust, kClear, kSwitch, kOpenMakerPage };

struct ButtonRow {
  std::string_view control;
  std::string_view handler;  // its name in the design, for readers
  Action action;
  // For the board's actions: the operation on the form's board.
  void (*operation)(Board& board) = nullptr;
  // For kSwitch: the window it switches to.
  WindowSlot other = WindowSlot::kRising;
};

struct FormSpec {
  WindowSlot slot;
  std::string_view name;
  std::string_view title;
  std::string_view picture_stem;  // what a saved picture of it is called
  int width, height;              // client area, twips
  Colour back;
  std::string_view background;  // asset name of the chart
  std::span<const ControlSpec> controls;
  std::span<const ButtonRow> buttons;
  std::unique_ptr<Board> (*make_board)();
  // The board's captions in chart order, each shown by the label of its
  // name, with its point and rule.
  std::span<const CaptionInfo> (*captions)();
};

// Asset names of what both windows show besides their charts.
inline constexpr std::string_view kLogoAsset = "logo";
inline constexpr std::string_view kIconAsset = "wavecalc-48";

// The faces that draw "宋体" text, best first: the designed face under its
// Chinese and its English name, then the Song-style faces that stand in for
// it where it is missing (the first of them is the one whose glyphs the
// program may carry).
std::span<const std::string_view> SongFaces();
inline constexpr std::string_view kDesignedFace = "宋体";

const FormSpec& FormOf(WindowSlot slot);
// The form of that name ("Form1"), or null.
const FormSpec* FormNamed(std::string_view name);
inline constexpr WindowSlot kSlots[] = {WindowSlot::kRising,
                                        WindowSlot::kFalling};

// The row of a control, or null where the form has none of that name.
const ControlSpec* FindControl(const FormSpec& form, std::string_view name);
// What a control does when pressed or clicked, or null.
const ButtonRow* FindButton(const FormSpec& form, std::string_view control);

}  // namespace wave

#endif  // WAVECALC_WINDOWS_FORMS_FORM_SPEC_H_
