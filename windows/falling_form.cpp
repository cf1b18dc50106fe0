#include "windows/falling_form.h"

#include "windows/control_table.h"
#include "windows/program.h"

namespace wave {

namespace {

using enum ControlKind;

constexpr Colour kNone = kPlatformColour;

// clang-format off
constexpr ControlSpec kControls[] = {
//  name       kind            in        left  top   width height caption      font         fore   back    tab
  {"Frame2",   kFrame,         kOnForm,  6840, 1680, 3495, 2655, "",           kWindowFont, kNone, kNone,  0},
  {"Command2", kButton,        "Frame2", 480,  480,  2655, 615,  "清零",       kWindowFont, kNone, kNone,  1},
  {"Frame1",   kFrame,         kOnForm,  6840, 0,    3495, 1695, "",           kWindowFont, kNone, kNone,  2},
  {"Text1",    kTextBox,       "Frame1", 840,  240,  735,  375,  "",           kBold12,     kNone, kNone,  3, "", "起点1 a 浪起点价格"},
  {"Label8",   kLabel,         "Frame1", 1800, 360,  645,  240,  "终点2",      kBold12,     kNone, kNone,  4},
  {"Text2",    kTextBox,       "Frame1", 2520, 240,  615,  375,  "",           kBold12,     kNone, kNone,  5, "", "终点2 a 浪终点价格"},
  {"Label7",   kLabel,         "Frame1", 120,  360,  645,  240,  "起点1",      kBold12,     kNone, kNone,  6},
  {"Command3", kDefaultButton, "Frame1", 240,  960,  3015, 615,  "基础预算",   kWindowFont, kNone, kNone,  7},
  {"Command4", kButton,        kOnForm,  120,  3960, 1455, 375,  "切换上升浪", kWindowFont, kNone, kNone,  8},
  {"Label1",   kLabel,         kOnForm,  960,  480,  120,  240,  "1",          kRegular12,  kNone, kWhite, 9},
  {"Label2",   kLabel,         kOnForm,  3120, 2760, 120,  240,  "2",          kRegular12,  kNone, kWhite, 10},
  {"Label3",   kLabel,         kOnForm,  3840, 1320, 120,  240,  "3",          kRegular12,  kNone, kWhite, 11},
  {"Label4",   kLabel,         kOnForm,  6120, 3240, 120,  240,  "4",          kRegular12,  kNone, kWhite, 12},
  {"Label5",   kLabel,         kOnForm,  6120, 3720, 120,  240,  "",           kRegular12,  kNone, kWhite, 13},
  {"Image1",   kImage,         "Frame2", 360,  1800, 2700, 675,  "",           kWindowFont, kNone, kNone,  kNoTabStop, ":/assets/logo.png", "打开 Quorvane 网页"},
};
// clang-format on

constexpr FormSpec kForm = {
    .name = "Form2",
    .title = "Quorvane --下跌3浪",
    .picture_name = "下跌3浪",
    .width = 10440,
    .height = 4365,
    .back = kPlatformColour,
    .background = ":/assets/falling_chart.png",
    .controls = kControls,
};

}  // namespace

FallingForm::FallingForm() : WaveForm(kForm, FallingBoard::Captions()) {
  ConnectButtons({
      {"Command3", [this] { Command3_Click(); }},
      {"Command2", [this] { Command2_Click(); }},
      {"Command4", [this] { Command4_Click(); }},
  });
}

void FallingForm::Command3_Click() {
  RunOnBoard(board_, [this] { board_.Calculate(); });
}

void FallingForm::Command2_Click() {
  RunOnBoard(board_, [this] { board_.Clear(); });
}

void FallingForm::Command4_Click() { SwitchTo(WindowSlot::kRising); }

}  // namespace wave
