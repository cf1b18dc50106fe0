#include "windows/rising_form.h"

#include "windows/control_table.h"
#include "windows/program.h"

namespace wave {

namespace {

using enum ControlKind;

constexpr Bgr kDarkRed = 0x000000C0;
constexpr Bgr kGreen = 0x00008000;
constexpr Bgr kLightPink = 0x00C0C0FF;
constexpr Colour kNone = kPlatformColour;

// clang-format off
constexpr ControlSpec kControls[] = {
//  name       kind              in        left  top   width height caption                  font          fore      back        tab
  {"Label1",   kLabel,           kOnForm,  240,  3840, 120,  240,  "1",                      kRegular12,   kNone,    kWhite,     0},
  {"Label2",   kLabel,           kOnForm,  1200, 2040, 120,  240,  "2",                      kRegular12,   kNone,    kWhite,     1},
  {"Label3",   kLabel,           kOnForm,  2400, 3360, 105,  210,  "3",                      kRegular10_5, kNone,    kWhite,     2},
  {"Label4",   kLabel,           kOnForm,  3120, 1080, 105,  210,  "4",                      kRegular10_5, kNone,    kWhite,     3},
  {"Label5",   kLabel,           kOnForm,  4800, 2400, 105,  210,  "5",                      kRegular10_5, kNone,    kWhite,     4},
  {"Label6",   kLabel,           kOnForm,  5880, 120,  105,  210,  "6",                      kRegular10_5, kNone,    kWhite,     5},
  {"Frame1",   kFrame,           kOnForm,  6960, 0,    3495, 1215, "",                       kWindowFont,  kNone,    kNone,      6},
  {"Label7",   kLabel,           "Frame1", 120,  360,  645,  240,  "起点1",                  kBold12,      kNone,    kNone,      7},
  {"Label8",   kLabel,           "Frame1", 1800, 360,  645,  240,  "终点2",                  kBold12,      kNone,    kNone,      8},
  {"Text1",    kTextBox,         "Frame1", 840,  240,  735,  375,  "",                       kBold12,      kNone,    kNone,      9, "", "起点1 浪(1) 起点价格"},
  {"Text2",    kTextBox,         "Frame1", 2520, 240,  615,  375,  "",                       kBold12,      kNone,    kNone,      10, "", "终点2 浪(1) 终点价格"},
  {"Command3", kDefaultButton,   "Frame1", 240,  720,  3015, 375,  "基础测算",               kWindowFont,  kNone,    kNone,      11},
  {"Label11",  kLabel,           kOnForm,  3120, 720,  105,  210,  "",                       kRegular10_5, kNone,    kWhite,     12},
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
  {"Image1",   kImage,           "Frame2", 360,  2040, 2700, 675,  "",                       kWindowFont,  kNone,    kNone,      kNoTabStop, ":/assets/logo.png", "打开 Quorvane 网页"},
};
// clang-format on

constexpr FormSpec kForm = {
    .name = "Form1",
    .title = "Quorvane--上升5浪测算器",
    .picture_name = "上升5浪",
    .width = 10485,
    .height = 4365,
    .back = kWhite,
    .background = ":/assets/rising_chart.png",
    .controls = kControls,
};

}  // namespace

RisingForm::RisingForm() : WaveForm(kForm, RisingBoard::Captions()) {
  ConnectButtons({
      {"Command3", [this] { Command3_Click(); }},
      {"Command1", [this] { Command1_Click(); }},
      {"Command2", [this] { Command2_Click(); }},
      {"Command4", [this] { Command4_Click(); }},
  });
}

void RisingForm::Command3_Click() {
  RunOnBoard(board_, [this] { board_.Calculate(); });
}

void RisingForm::Command1_Click() {
  RunOnBoard(board_, [this] { board_.Adjust(); });
}

void RisingForm::Command2_Click() {
  RunOnBoard(board_, [this] { board_.Clear(); });
}

void RisingForm::Command4_Click() { SwitchTo(WindowSlot::kFalling); }

}  // namespace wave
