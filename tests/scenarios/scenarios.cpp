// What a user does and sees, written once for every front end. The values
// are those of the worked examples and the window layout, in pixels at
// 96 dots per inch.
#include <algorithm>

#include "tests/scenarios/scenario.h"

namespace wave_test {

namespace {

using enum Do;

constexpr std::string_view kRisingValues =
    "Label1 Label2 Label3 Label4 Label11 Label5 Label6";
constexpr std::string_view kFallingValues =
    "Label1 Label2 Label3 Label4 Label5";
constexpr std::string_view kRisingDesign = "1|2|3|4||5|6";
constexpr std::string_view kFallingDesign = "1|2|3|4|";
constexpr std::string_view kRisingExample =
    "3000|3500|3100|3700|3950|3250|4250";
constexpr std::string_view kFallingExample = "3500|3000|3350|2760|2691";

std::vector<Step> Typed(std::string_view window, std::string_view start,
                        std::string_view end) {
  return {{kEmpty, window, "Text1"},
          {kType, window, "Text1", start, "typed"},
          {kEmpty, window, "Text2"},
          {kType, window, "Text2", end, "typed"}};
}

// The two prices typed, then the default button clicked.
std::vector<Step> Calculated(std::string_view window, std::string_view start,
                             std::string_view end) {
  return Then({Typed(window, start, end), {{kClick, window, "Command3"}}});
}

const std::vector<Step> kToFalling = {{kClick, "Form1", "Command4"}};
const std::vector<Step> kToRising = {{kClick, "Form2", "Command4"}};

// The focus at first, and where each Tab takes it, in order.
std::vector<Step> Tabbing(std::string_view window, std::string_view order) {
  std::vector<Step> steps;
  for (std::size_t start = 0; start < order.size();) {
    const std::size_t end = std::min(order.find(' ', start), order.size());
    if (!steps.empty()) steps.push_back({kPress, {}, {}, "Tab"});
    steps.push_back({kFocused, window, order.substr(start, end - start)});
    start = end + 1;
  }
  return steps;
}

std::vector<Step> NoReport() { return {{kReports, {}, {}, "0"}}; }

// A rising calculation and its captions, with no report.
Scenario Rising(std::string_view name, std::string_view start,
                std::string_view end, std::string_view captions,
                std::vector<Step> after = {}) {
  return {std::string(name),
          Then({Calculated("Form1", start, end),
                {{kCaptions, "Form1", kRisingValues, captions}},
                NoReport(),
                after})};
}

Scenario Falling(std::string_view name, std::string_view start,
                 std::string_view end, std::string_view captions) {
  return {std::string(name),
          Then({kToFalling,
                Calculated("Form2", start, end),
                {{kCaptions, "Form2", kFallingValues, captions}},
                NoReport()})};
}

// A calculation that stops with an error: the captions it wrote are shown
// before the report, and the window carries on.
Scenario Stopped(std::string_view name, std::string_view window,
                 std::string_view start, std::string_view end,
                 std::string_view report, std::string_view captions) {
  const bool falling = window == "Form2";
  const std::string_view label1 = captions.substr(0, captions.find('|'));
  return {std::string(name),
          Then({falling ? kToFalling : std::vector<Step>{},
                Calculated(window, start, end),
                {{kReports, {}, {}, "1"},
                 {kReport, window, {}, report, label1},
                 {kCaptions, window, falling ? kFallingValues : kRisingValues,
                  captions}},
                Calculated(window, "3000", "3500"),
                {{kReports, {}, {}, "1"}}})};
}

// What a box shows, entered each way, is what the calculation uses: the
// start or end as Label1 or Label2 shows it, and wave 2 from it.
std::vector<Scenario> Cleaned(std::string_view name, std::string_view box,
                              std::string_view entered, std::string_view shown,
                              std::string_view wave2, bool typeable = true) {
  std::vector<Scenario> scenarios;
  const bool start = box == "Text1";
  for (std::string_view how : {"typed", "committed", "pasted"}) {
    if (how == "typed" && !typeable) continue;  // Enter would calculate
    scenarios.push_back(
        {std::string(name) + "_" + std::string(how),
         {{kType, "Form1", start ? "Text2" : "Text1", start ? "3500" : "3000",
           "typed"},
          {kType, "Form1", box, entered, how},
          {kCaptions, "Form1", box, shown},
          {kClick, "Form1", "Command3"},
          {kCaptions, "Form1", start ? "Label1" : "Label2", shown},
          {kCaptions, "Form1", "Label3", wave2},
          {kReports, {}, {}, "0"}}});
  }
  return scenarios;
}

std::vector<Scenario> Build() {
  std::vector<Scenario> all = {
      // The worked examples and edge cases of both boards, as typed.
      Rising("rising_worked_example", "3000", "3500", kRisingExample,
             {{kClick, "Form1", "Command1"},
              {kCaptions, "Form1", "Label5 Label6", "3691|4500"}}),
      Rising("rising_rounds_a_short_leg", "10.5", "12.3",
             "10.5|12.3|10.7|13.1|14.1|11.4|15.4",
             {{kClick, "Form1", "Command1"},
              {kCaptions, "Form1", "Label5 Label6", "13.064|16.3"}}),
      {"rising_rounds_half_to_even",
       Then({Calculated("Form1", "2.5", "5"),
             {{kCaptions, "Form1", "Label3 Label5 Label6", "3.4|3.75|7.75"}}})},
      Rising("rising_accepts_a_falling_pair", "3100", "3000",
             "3100|3000|3080|2960|2910|3050|2850"),
      Rising("rising_reads_thousands_leniently", "3,000", "3,500",
             "3,000|3,500|3500|3500|3500|3|3"),
      Rising("rising_never_reads_the_start_strictly", "", "3500",
             "|3500|700|4900|6650|1750|8750"),
      Rising("rising_collapses_a_leg_under_a_half", "1.10", "1.35",
             "1.10|1.35|1.35|1.35|1.35|1.225|1.225"),
      {"rising_adjust_on_a_fresh_board",
       {{kClick, "Form1", "Command1"},
        {kCaptions, "Form1", kRisingValues, "1|2|3|4||2|2"},
        {kReports, {}, {}, "0"}}},
      Rising("rising_clear_keeps_inputs_and_length", "3000", "3500",
             kRisingExample,
             {{kClick, "Form1", "Command2"},
              {kCaptions, "Form1", kRisingValues, kRisingDesign},
              {kCaptions, "Form1", "Text1 Text2", "3000|3500"},
              {kClick, "Form1", "Command1"},
              {kCaptions, "Form1", "Label5 Label6", "193|1002"}}),
      Falling("falling_worked_example", "3500", "3000", kFallingExample),
      Falling("falling_rounds_a_short_leg", "12.3", "10.5",
              "12.3|10.5|11.9|9.34|9.064"),
      Falling("falling_accepts_a_rising_pair", "20", "30",
              "20|30|23|34.8|36.18"),
      Falling("falling_collapses_a_leg_under_a_half", "1.35", "1.10",
              "1.35|1.10|1.1|1.35|1.35"),
      {"falling_clear_keeps_inputs",
       Then({kToFalling,
             Calculated("Form2", "3500", "3000"),
             {{kClick, "Form2", "Command2"},
              {kCaptions, "Form2", kFallingValues, kFallingDesign},
              {kCaptions, "Form2", "Text1 Text2", "3500|3000"}}})},

      // Errors, reported after the captions the operation wrote.
      Stopped("rising_empty_end", "Form1", "3000", "",
              "运行时错误 13：类型不匹配", "3000||3|4||5|6"),
      Stopped("rising_leg_beyond_16_bits", "Form1", "40000", "",
              "运行时错误 6：溢出", kRisingDesign),
      Stopped("rising_length_too_long_to_double", "Form1", "0", "20000",
              "运行时错误 6：溢出", "0|20000|4000|28000|38000|10000|6"),
      Stopped("falling_empty_boxes", "Form2", "", "",
              "运行时错误 13：类型不匹配", "||3|4|"),
      Stopped("falling_bad_start", "Form2", "abc", "3000",
              "运行时错误 13：类型不匹配", "abc|3000|900|4|"),
      Stopped("falling_leg_beyond_16_bits", "Form2", "40000", "0",
              "运行时错误 6：溢出", "40000|0|3|4|"),
      {"rising_adjust_after_a_text_end",
       Then({Calculated("Form1", "3000", "3500abc"),
             {{kReports, {}, {}, "1"},
              {kClick, "Form1", "Command1"},
              {kReports, {}, {}, "2"},
              {kReport, "Form1", {}, "运行时错误 13：类型不匹配", "3000"},
              {kCaptions, "Form1", "Label2 Label5 Label6", "3500abc|5|6"}}})},

      // Keys: first focus, Tab, Enter in a box and on a button.
      {"rising_first_focus_and_tab_order",
       Tabbing("Form1",
               "Text1 Text2 Command3 Command4 Command1 Command2 Text1")},
      {"falling_first_focus_and_tab_order",
       Then({kToFalling,
             Tabbing("Form2",
                     "Command2 Text1 Text2 Command3 Command4 Command2")})},
      {"rising_enter_in_the_start_box_calculates",
       Then({Typed("Form1", "3000", "3500"),
             {{kFocus, "Form1", "Text1"},
              {kPress, {}, {}, "Enter"},
              {kCaptions, "Form1", kRisingValues, kRisingExample}}})},
      {"rising_enter_in_the_end_box_calculates",
       Then({Typed("Form1", "3000", "3500"),
             {{kFocus, "Form1", "Text2"},
              {kPress, {}, {}, "Enter"},
              {kCaptions, "Form1", kRisingValues, kRisingExample}}})},
      {"falling_enter_in_either_box_calculates",
       Then({kToFalling,
             Typed("Form2", "3500", "3000"),
             {{kFocus, "Form2", "Text1"},
              {kPress, {}, {}, "Enter"},
              {kCaptions, "Form2", kFallingValues, kFallingExample},
              {kClick, "Form2", "Command2"},
              {kFocus, "Form2", "Text2"},
              {kPress, {}, {}, "Enter"},
              {kCaptions, "Form2", kFallingValues, kFallingExample}}})},
      {"enter_on_a_focused_button_presses_it",
       Then({Calculated("Form1", "3000", "3500"),
             {{kFocus, "Form1", "Command1"},
              {kPress, {}, {}, "Enter"},
              {kCaptions, "Form1", "Label5 Label6", "3691|4500"}}})},
      // The falling window opens on "清零": Enter clears, and does not
      // calculate the empty boxes (which would report error 13).
      {"falling_enter_at_first_presses_clear",
       Then({kToFalling,
             {{kFocused, "Form2", "Command2"},
              {kPress, {}, {}, "Enter"},
              {kCaptions, "Form2", kFallingValues, kFallingDesign},
              {kReports, {}, {}, "0"}}})},

      // Switching and closing.
      {"switching_keeps_each_window_as_it_was_left",
       Then({Calculated("Form1", "3000", "3500"),
             kToFalling,
             {{kVisible, "Form2", {}, "yes"}, {kVisible, "Form1", {}, "no"}},
             Calculated("Form2", "12.3", "10.5"),
             kToRising,
             {{kVisible, "Form1", {}, "yes"},
              {kVisible, "Form2", {}, "no"},
              {kCaptions, "Form1", kRisingValues, kRisingExample},
              {kCaptions, "Form1", "Text1 Text2", "3000|3500"},
              {kClick, "Form1", "Command1"},
              {kCaptions, "Form1", "Label5", "3691"}},
             kToFalling,
             {{kCaptions, "Form2", kFallingValues, "12.3|10.5|11.9|9.34|9.064"},
              {kCaptions, "Form2", "Text1 Text2", "12.3|10.5"}}})},
      {"the_new_window_shows_before_the_old_hides",
       Then({kToFalling,
             kToRising,
             {{kEvents,
               {},
               {},
               "show Form1|show Form2|hide Form1|show Form1|"
               "hide Form2"}}})},
      {"closing_the_rising_window_ends_the_program",
       {{kClose, "Form1"}, {kEnded, {}, {}, "0"}}},
      {"closing_the_rising_window_ends_the_hidden_falling_one",
       Then({kToFalling,
             kToRising,
             {{kClose, "Form1"}, {kEnded, {}, {}, "0"}}})},
      {"closing_the_falling_window_ends_the_program",
       Then({kToFalling, {{kClose, "Form2"}, {kEnded, {}, {}, "0"}}})},

      // The maker's page.
      {"the_rising_logo_opens_the_makers_page",
       {{kClick, "Form1", "Image1"},
        {kOpened, {}, {}, "http://*/tolm-233-1.html"},
        {kReports, {}, {}, "0"},
        {kFocused, "Form1", "Text1"}}},
      {"the_falling_logo_opens_the_makers_page",
       Then({kToFalling,
             {{kClick, "Form2", "Image1"},
              {kOpened, {}, {}, "http://*/tolm-233-1.html"},
              {kReports, {}, {}, "0"}}})},
      {"a_failed_launch_is_reported",
       {{kFailLaunches},
        {kClick, "Form1", "Image1"},
        {kNothingOpened},
        {kReport, "Form1", {}, "运行时错误 53：无法打开网页", "1"}}},

      // The menu, copying, tips and names.
      {"the_menu_offers_copies_pictures_and_on_top",
       Then({{{kMenu,
               "Form1",
               {},
               "复制|复制全部结果|复制图片|另存为图片…|窗口置顶"}},
             kToFalling,
             {{kMenu,
               "Form2",
               {},
               "复制|复制全部结果|复制图片|另存为图片…|窗口置顶"}}})},
      {"rising_copy_all_by_keys_and_menu",
       Then({Calculated("Form1", "3000", "3500"),
             {{kPress, {}, {}, "Ctrl+Shift+C"},
              {kClipboard,
               {},
               {},
               "浪(1) 起点\t3000\n浪(1) 终点\t3500\n浪(2) 终点\t3100\n"
               "浪(3) 终点\t3700\n浪(3) 延伸终点\t3950\n"
               "浪(4) 终点\t3250\n浪(5) 终点\t4250"},
              {kSelect, "Form1", "Label4"},
              {kPick, "Form1", {}, "复制"},
              {kClipboard, {}, {}, "3700"},
              {kPick, "Form1", {}, "复制全部结果"},
              {kClipboard,
               {},
               {},
               "浪(1) 起点\t3000\n浪(1) 终点\t3500\n浪(2) 终点\t3100\n"
               "浪(3) 终点\t3700\n浪(3) 延伸终点\t3950\n"
               "浪(4) 终点\t3250\n浪(5) 终点\t4250"}}})},
      {"falling_copy_all",
       Then({kToFalling,
             Calculated("Form2", "3500", "3000"),
             {{kPress, {}, {}, "Ctrl+Shift+C"},
              {kClipboard,
               {},
               {},
               "a 浪 起点\t3500\na 浪 终点\t3000\nb 浪 终点\t3350\n"
               "c 浪 终点\t2760\nc 浪 延伸终点\t2691"}}})},
      {"copy_all_keeps_one_line_per_point",
       {{kType, "Form1", "Text1", "3\n0\t00", "pasted"},
        {kType, "Form1", "Text2", "3500", "typed"},
        {kClick, "Form1", "Command3"},
        {kCaptions, "Form1", "Label1", "3\n0\t00"},
        {kPick, "Form1", {}, "复制全部结果"},
        {kClipboard,
         {},
         {},
         "浪(1) 起点\t3 0 00\n浪(1) 终点\t3500\n浪(2) 终点\t3100\n"
         "浪(3) 终点\t3700\n浪(3) 延伸终点\t3950\n"
         "浪(4) 终点\t3250\n浪(5) 终点\t4250"}}},
      {"the_value_labels_explain_their_rules",
       Then({{{kTooltip, "Form1", "Label3",
               "浪(2) 终点 = 终点2 − 0.8 × 浪(1)长度"}},
             kToFalling,
             {{kTooltip, "Form2", "Label5",
               "c 浪 延伸终点 = 起点1 − 1.618 × a 浪长度"}}})},
      {"screen_readers_hear_each_point_and_control",
       Then({Calculated("Form1", "3000", "3500"),
             {{kName, "Form1", "Label1", "浪(1) 起点 3000"},
              {kName, "Form1", "Label4", "浪(3) 终点 3700"},
              {kName, "Form1", "Label11", "浪(3) 延伸终点 3950"},
              {kName, "Form1", "Text1", "起点1 浪(1) 起点价格"},
              {kName, "Form1", "Text2", "终点2 浪(1) 终点价格"},
              {kName, "Form1", "Command3", "基础测算"},
              {kName, "Form1", "Command1", "调整"},
              {kName, "Form1", "Image1", "打开 Quorvane 网页"}},
             kToFalling,
             Calculated("Form2", "3500", "3000"),
             {{kName, "Form2", "Label4", "c 浪 终点 2760"},
              {kName, "Form2", "Text1", "起点1 a 浪 起点价格"},
              {kName, "Form2", "Text2", "终点2 a 浪 终点价格"},
              {kName, "Form2", "Command4", "切换上升浪"},
              {kName, "Form2", "Image1", "打开 Quorvane 网页"}}})},
      {"the_buttons_say_what_they_do",
       Then({{{kCaptions, "Form1", "Command3 Command1 Command2 Command4",
               "基础测算|调整|清零|切换下跌浪"},
              {kCaptions, "Form1", "Label7 Label8 Label9",
               "起点1|终点2|实际浪(3) 大于测算高点"},
              {kCaptions, "Form1", "Label10 Label13 Label14 Label15 Label16",
               "浪(1)|浪(2)|浪(3)|浪(4)|浪(5)"},
              {kCaptions, "Form1", kRisingValues, kRisingDesign}},
             kToFalling,
             {{kCaptions, "Form2", "Command3 Command2 Command4",
               "基础预算|清零|切换上升浪"},
              {kCaptions, "Form2", "Label7 Label8", "起点1|终点2"},
              {kCaptions, "Form2", kFallingValues, kFallingDesign}}})},

      // Staying on top: one setting for both windows.
      {"staying_on_top_lasts_across_switches",
       Then({Calculated("Form1", "3000", "3500"),
             {{kPick, "Form1", {}, "窗口置顶"},
              {kOnTop, "Form1", {}, "yes"},
              {kVisible, "Form1", {}, "yes"},
              {kCaptions, "Form1", kRisingValues, kRisingExample}},
             kToFalling,
             {{kOnTop, "Form2", {}, "yes"},
              {kPick, "Form2", {}, "窗口置顶"},
              {kOnTop, "Form2", {}, "no"}},
             kToRising,
             {{kOnTop, "Form1", {}, "no"}}})},

      // The picture's file name, from the clock.
      {"the_save_dialog_offers_a_rising_name",
       {{kSetClock, {}, {}, "2026-12-08 15:30"},
        {kAnswerSave, {}, {}, ""},
        {kPick, "Form1", {}, "另存为图片…"},
        {kOffered, {}, {}, "上升5浪-20261208-1530.png"},
        {kReports, {}, {}, "0"}}},
      {"the_save_dialog_offers_a_falling_name",
       Then({kToFalling,
             {{kSetClock, {}, {}, "2027-01-02 09:05"},
              {kAnswerSave, {}, {}, ""},
              {kPick, "Form2", {}, "另存为图片…"},
              {kOffered, {}, {}, "下跌3浪-20270102-0905.png"}}})},

      // The 1,024 limit, and every refusal told.
      {"a_pasted_megabyte_is_refused_whole",
       {{kType, "Form1", "Text2", "3500", "typed"},
        {kType, "Form1", "Text2", "9", "pasted x1048576"},
        {kCaptions, "Form1", "Text2", "3500"},
        {kReport,
         "Form1",
         {},
         "内容过长（超过 1024 个字符），未能放入输入框。",
         "1"},
        {kClipboard, {}, {}, "9", " x1048576"}}},
      {"every_refusal_is_told",
       {{kType, "Form1", "Text1", "1", "typed x1024"},
        {kType, "Form1", "Text1", "2", "typed"},
        {kReports, {}, {}, "1"},
        {kType, "Form1", "Text1", "3", "committed"},
        {kReports, {}, {}, "2"},
        {kType, "Form1", "Text1", "45", "pasted"},
        {kReports, {}, {}, "3"},
        {kCaptions, "Form1", "Text1", "1", " x1024"},
        {kReport,
         "Form1",
         {},
         "内容过长（超过 1024 个字符），未能放入输入框。",
         "1"}}},
      {"the_limit_itself_fits",
       {{kType, "Form1", "Text2", "7", "pasted x1024"},
        {kType, "Form1", "Text1", "7", "committed x1024"},
        {kCaptions, "Form1", "Text2", "7", " x1024"},
        {kCaptions, "Form1", "Text1", "7", " x1024"},
        {kReports, {}, {}, "0"}}},

      // Labels grow to the right, up to a frame that hides the rest.
      {"rising_a_value_label_grows_to_fit",
       Then({Calculated("Form1", "3000", "3500.25"),
             {{kCaptions, "Form1", "Label6", "4250.125"},
              {kRect, "Form1", "Label6", "392,8,56,*"}}})},
      {"rising_ten_characters_show_whole_before_frame1",
       Then({Calculated("Form1", "1234567.89", "1234567.89"),
             {{kCaptions, "Form1", "Label6", "1234567.89"},
              {kRect, "Form1", "Label6", "392,8,70,*"},
              {kRect, "Form1", "Frame1", "464,0,233,81"},
              {kAt, "Form1", {}, "460,13", "Label6"}}})},
      {"rising_an_eleventh_character_runs_beneath_frame1",
       Then({Calculated("Form1", "1234567.891", "1234567.892"),
             {{kCaptions, "Form1", "Label6", "1234567.8915"},
              {kRect, "Form1", "Label6", "392,8,84,*"},
              {kAt, "Form1", {}, "466,13", "Frame1"},
              {kAt, "Form1", {}, "400,13", "Label6"}}})},
      {"falling_six_characters_show_whole_before_frame2",
       Then({kToFalling,
             Calculated("Form2", "3636.5", "3636.5"),
             {{kCaptions, "Form2", "Label4 Label5", "3636.5|3636.5"},
              {kRect, "Form2", "Label4", "408,216,48,*"},
              {kRect, "Form2", "Label5", "408,248,48,*"},
              {kRect, "Form2", "Frame2", "456,112,233,177"}}})},
      {"falling_a_seventh_character_runs_beneath_frame2",
       Then({kToFalling,
             Calculated("Form2", "3636.49", "3636.49"),
             {{kCaptions, "Form2", "Label4 Label5", "3636.49|3636.49"},
              {kRect, "Form2", "Label4", "408,216,56,*"},
              {kAt, "Form2", {}, "458,220", "Frame2"},
              {kAt, "Form2", {}, "458,252", "Frame2"}}})},
      {"the_extended_target_stays_above_wave_3",
       Then({Calculated("Form1", "1234567.891", "1234599.123"),
             {{kAbove, "Form1", "Label11", {}, "Label4"}},
             Calculated("Form1", "-3000", "-3500"),
             {{kAbove, "Form1", "Label11", {}, "Label4"}}})},
      {"a_long_value_lies_over_a_wave_tag",
       Then({Calculated("Form1", "3000", "3500.1234567891"),
             {{kAt, "Form1", {}, "312,65", "Label11"}}})},
  };

  // What a box shows is what is computed, however it was entered.
  for (auto&& rows : {
           Cleaned("full_width_digits", "Text1", "３０００", "3000", "3100"),
           Cleaned("zero_width_space", "Text1", "\u200B3000", "3000", "3100"),
           Cleaned("right_to_left_mark", "Text1", "\u200F3000", "3000", "3100"),
           Cleaned("right_to_left_override", "Text1", "\u202E0003", "0003",
                   "702.4"),
           Cleaned("no_break_space", "Text1", "3\u00A0000", "3 000", "3100"),
           Cleaned("ideographic_spaces", "Text1", "\u30003000\u3000", " 3000 ",
                   "3100"),
           Cleaned("thin_and_narrow_spaces", "Text1", "3\u2009000\u202F",
                   "3 000 ", "3100"),
           Cleaned("math_space_and_line_separator", "Text1", "\u205F3000\u2028",
                   " 3000 ", "3100"),
           Cleaned("spreadsheet_cell", "Text2", "3500\r\n", "3500", "3100",
                   false),
           Cleaned("full_width_decimal", "Text2", "３５００．５", "3500.5",
                   "3100.5"),
       }) {
    all.insert(all.end(), rows.begin(), rows.end());
  }
  return all;
}

}  // namespace

std::vector<Step> Then(std::initializer_list<std::vector<Step>> parts) {
  std::vector<Step> steps;
  for (const std::vector<Step>& part : parts) {
    steps.insert(steps.end(), part.begin(), part.end());
  }
  return steps;
}

void PrintTo(const Scenario& scenario, std::ostream* out) {
  *out << scenario.name;
}

const std::vector<Scenario>& Scenarios() {
  static const std::vector<Scenario> all = Build();
  return all;
}

}  // namespace wave_test
