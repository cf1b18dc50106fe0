#include <memory>

#include "core/falling_board.h"
#include "core/rising_board.h"
#include "windows/forms/form_spec.h"

namespace wave {

namespace {

using enum ControlKind;

constexpr Bgr kDarkRed = 0x000000C0;
constexpr Bgr kGreen = 0x00008000;
constexpr Bgr kLightPink = 0x00C0C0FF;
constexpr Colour kNone = kPlatformColour;
// A value label's caption, which its board holds.
constexpr std::string_view kBoard = "";

template <typename BoardType>
std::unique_ptr<Board> Make() {
  return std::make_unique<BoardType>();
}

// clang-format off
constexpr ControlSpec kRisingControls[] = {
//  name       kind              in        left  top   width height caption                  font          fore      back        tab
  {"Label1",   kLabel,           kOnForm,  240,  3840, 120,  240,  kBoard,                   kRegular12,   kNone,    kWhite,     0},
  {"Label2",   kLabel,           kOnForm,  1200, 2040, 120,  240,  kBoard,                   kRegular12,   kNone,    kWhite,     1},
  {"Label3",   kLabel,           kOnForm,  2400, 3360, 105,  210,  kBoard,                   kRegular10_5, kNone,    kWhite,     2},
  {"Label4",   kLabel,           kOnForm,  3120, 1080, 105,  210,  kBoard,                   kRegular10_5, kNone,    kWhite,     3},
  {"Label5",   kLabel,           kOnForm,  4800, 2400, 105,  210,  kBoard,                   kRegular10_5, kNone,    kWhite,     4},
  {"Label6",   kLabel,           kOnForm,  5880, 120,  105,  210,  kBoard,                   kRegular10_5, kNone,    kWhite,     5},
  {"Frame1",   kFrame,           kOnForm,  6960, 0,    3495, 1215, "",                       kWindowFont,  kNone,    kNone,      6},
  {"Label7",   kLabel,           "Frame1", 120,  360,  645,  240,  "起点1",                  kBold12,      kNone,    kNone,      7},
  {"Label8",   kLabel,           "Frame1", 1800, 360,  645,  240,  "终点2",                  kBold12,      kNone,    kNone,      8},
  {"Text1",    kTextBox,         "Frame1", 840,  240,  735,  375,  "",                       kBold12,      kNone,    kNone,      9, "", "Label7"},
  {"Text2",    kTextBox,         "Frame1", 2520, 240,  615,  375,  "",                       kBold12,      kNone,    kNone,      10, "", "Label8"},
  {"Command3", kDefaultButton,   "Frame1", 240,  720,  3015, 375,  "基础测算",               kWindowFont,  kNone,    kNone,      11},
  {"Label11",  kLabel,           kOnForm,  3120, 720,  105,  210,  kBoard,                   kRegular10_5, kNone,    kWhite,     12},
  {"Label10",  kLabel,           kOnForm,  0,    2880, 795,  285,  "浪(1)",                  kBold14_25,   kDarkRed, kNone,      13},
  {"Label13",  kLabel,           kOnForm,  1320, 3000, 795,  285,  "浪(2)",                  kBold14_25,   kGreen,   kNone,      14},
  {"Label14",  kLabel,           kOnForm,  1920, 1920, 795,  285,  "浪(3)",                  kBold14_25,   kDarkRed, kNone,      15},
  {"Label15",  kLabel,           kOnForm,  3480, 1920, 795,  285,  "浪(4)",                  kBold14_25,   kGreen,   kNone,      16},
  {"Label16",  kLabel,           kOnForm,  4680, 960,  795,  285,  "浪(5)",                  kBold14_25,   kDarkRed, kNone,      17},
  {"Command4", kButton,          kOnForm,  5640, 3960, 1215, 375,  "切换下跌浪",             kWindowFont,  kNone,    kNone,      18},
  {"Frame2",   kFrame,           kOnForm,  6960, 1200, 3495, 3135, "",                       kWindowFont,  kNone,    kNone,      19},
  {"Command1", kGraphicalButton, "Frame2", 360,  720,  2655, 375,  "调整",                   kWindowFont,  kNone,    kLightPink, 20},
  {"Command2", kButton,          "Frame2", 360,  1200, 2655, 615,  "清零",                   kWindowFont,  kNone,    kNone,      21},
  {"Label9",   kLabel,           "Frame2", 240,  240,  2835, 240,  "实际浪(3) 大于测算高点", kBold12,      kNone,    kNone,      22},
  {"Image1",   kImage,           "Frame2", 360,  2040, 2700, 675,  "",                       kWindowFont,  kNone,    kNone,      kNoTabStop, kLogoAsset},
};

constexpr ControlSpec kFallingControls[] = {
//  name       kind            in        left  top   width height caption      font         fore   back    tab
  {"Frame2",   kFrame,         kOnForm,  6840, 1680, 3495, 2655, "",           kWindowFont, kNone, kNone,  0},
  {"Command2", kButton,        "Frame2", 480,  480,  2655, 615,  "清零",       kWindowFont, kNone, kNone,  1},
  {"Frame1",   kFrame,         kOnForm,  6840, 0,    3495, 1695, "",           kWindowFont, kNone, kNone,  2},
  {"Text1",    kTextBox,       "Frame1", 840,  240,  735,  375,  "",           kBold12,     kNone, kNone,  3, "", "Label7"},
  {"Label8",   kLabel,         "Frame1", 1800, 360,  645,  240,  "终点2",      kBold12,     kNone, kNone,  4},
  {"Text2",    kTextBox,       "Frame1", 2520, 240,  615,  375,  "",           kBold12,     kNone, kNone,  5, "", "Label8"},
  {"Label7",   kLabel,         "Frame1", 120,  360,  645,  240,  "起点1",      kBold12,     kNone, kNone,  6},
  {"Command3", kDefaultButton, "Frame1", 240,  960,  3015, 615,  "基础预算",   kWindowFont, kNone, kNone,  7},
  {"Command4", kButton,        kOnForm,  120,  3960, 1455, 375,  "切换上升浪", kWindowFont, kNone, kNone,  8},
  {"Label1",   kLabel,         kOnForm,  960,  480,  120,  240,  kBoard,       kRegular12,  kNone, kWhite, 9},
  {"Label2",   kLabel,         kOnForm,  3120, 2760, 120,  240,  kBoard,       kRegular12,  kNone, kWhite, 10},
  {"Label3",   kLabel,         kOnForm,  3840, 1320, 120,  240,  kBoard,       kRegular12,  kNone, kWhite, 11},
  {"Label4",   kLabel,         kOnForm,  6120, 3240, 120,  240,  kBoard,       kRegular12,  kNone, kWhite, 12},
  {"Label5",   kLabel,         kOnForm,  6120, 3720, 120,  240,  kBoard,       kRegular12,  kNone, kWhite, 13},
  {"Image1",   kImage,         "Frame2", 360,  1800, 2700, 675,  "",           kWindowFont, kNone, kNone,  kNoTabStop, kLogoAsset},
};
// clang-format on

void Calculate(Board& board) { static_cast<RisingBoard&>(board).Calculate(); }
void Adjust(Board& board) { static_cast<RisingBoard&>(board).Adjust(); }
void CalculateFalling(Board& board) {
  static_cast<FallingBoard&>(board).Calculate();
}
void Clear(Board& board) { board.Clear(); }

constexpr ButtonRow kRisingButtons[] = {
    {"Command3", "Command3_Click", Action::kCalculate, &Calculate},
    {"Command1", "Command1_Click", Action::kAdjust, &Adjust},
    {"Command2", "Command2_Click", Action::kClear, &Clear},
    {"Command4", "Command4_Click", Action::kSwitch, nullptr,
     WindowSlot::kFalling},
    {"Image1", "Image1_Click", Action::kOpenMakerPage},
};

constexpr ButtonRow kFallingButtons[] = {
    {"Command3", "Command3_Click", Action::kCalculate, &CalculateFalling},
    {"Command2", "Command2_Click", Action::kClear, &Clear},
    {"Command4", "Command4_Click", Action::kSwitch, nullptr,
     WindowSlot::kRising},
    {"Image1", "Image1_Click", Action::kOpenMakerPage},
};

const FormSpec kForms[] = {
    {
        .slot = WindowSlot::kRising,
        .name = "Form1",
        .title = "Quorvane--上升5浪测算器",
        .picture_stem = "上升5浪",
        .width = 10485,
        .height = 4365,
        .back = kWhite,
        .background = "rising_chart",
        .controls = kRisingControls,
        .buttons = kRisingButtons,
        .make_board = &Make<RisingBoard>,
        .captions = &RisingBoard::Captions,
    },
    {
        .slot = WindowSlot::kFalling,
        .name = "Form2",
        .title = "Quorvane --下跌3浪",
        .picture_stem = "下跌3浪",
        .width = 10440,
        .height = 4365,
        .back = kPlatformColour,
        .background = "falling_chart",
        .controls = kFallingControls,
        .buttons = kFallingButtons,
        .make_board = &Make<FallingBoard>,
        .captions = &FallingBoard::Captions,
    },
};

constexpr std::string_view kSongFaces[] = {kDesignedFace, "SimSun",
                                           WAVE_SONG_FACE, "AR PL UMing CN"};

}  // namespace

std::span<const std::string_view> SongFaces() { return kSongFaces; }

bool IsButton(ControlKind kind) {
  return kind == kButton || kind == kDefaultButton || kind == kGraphicalButton;
}

bool TakesFocus(ControlKind kind) { return IsButton(kind) || kind == kTextBox; }

const FormSpec& FormOf(WindowSlot slot) {
  for (const FormSpec& form : kForms) {
    if (form.slot == slot) return form;
  }
  return kForms[0];  // unreachable: every slot has a form
}

const FormSpec* FormNamed(std::string_view name) {
  for (const FormSpec& form : kForms) {
    if (form.name == name) return &form;
  }
  return nullptr;
}

const ControlSpec* FindControl(const FormSpec& form, std::string_view name) {
  for (const ControlSpec& row : form.controls) {
    if (row.name == name) return &row;
  }
  return nullptr;
}

const ButtonRow* FindButton(const FormSpec& form, std::string_view control) {
  for (const ButtonRow& row : form.buttons) {
    if (row.control == control) return &row;
  }
  return nullptr;
}

}  // namespace wave
