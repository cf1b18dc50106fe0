// A scenario: what a user does in the windows and what they then see, as a
// list of steps that any front end's driver can run.
#ifndef WAVECALC_TESTS_SCENARIOS_SCENARIO_H_
#define WAVECALC_TESTS_SCENARIOS_SCENARIO_H_

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace wave_test {

enum class Do {
  // Acts. kType: text into control, arg "typed", "committed" or "pasted",
  // with " xN" to enter the text N times over at once.
  kType,
  kEmpty,
  kClick,
  kPress,  // text: the keys
  kFocus,
  kPick,  // text: the menu item
  kSelect,
  kClose,
  kFailLaunches,
  kAnswerSave,  // text: the path, "" to cancel
  kSetClock,    // text: "2026-12-08 15:30"
  // Expectations.
  // control: names split by blanks; text: values split by '|'; for one
  // control, arg " xN" as in kType.
  kCaptions,
  kFocused,    // control: what has the focus, in window
  kReport,     // text: the last message over window; arg: Label1 meanwhile
  kReports,    // text: how many messages so far
  kClipboard,  // text, with arg " xN" as in kType
  kOpened,     // text: the one address opened, '*' for any run of text
  kNothingOpened,
  kVisible,  // text: "yes" or "no"
  kOnTop,    // text: "yes" or "no"
  kRect,     // text: "left,top,width,height", '*' for any
  kAt,       // text: "x,y", arg: the control drawn there
  kAbove,    // control ends above arg begins
  kTooltip,
  kName,     // the accessible name
  kMenu,     // text: the items split by '|'
  kEvents,   // text: the window events split by '|'
  kOffered,  // text: the file name the save dialog offered
  kEnded,    // text: the exit code
};

struct Step {
  Do what;
  std::string_view window = {};
  std::string_view control = {};
  std::string_view text = {};
  std::string_view arg = {};
};

struct Scenario {
  std::string name;
  std::vector<Step> steps;
};

// How a test names a scenario it reports.
void PrintTo(const Scenario& scenario, std::ostream* out);

// Steps, then more steps.
std::vector<Step> Then(std::initializer_list<std::vector<Step>> parts);

// Every scenario, for any front end.
const std::vector<Scenario>& Scenarios();

}  // namespace wave_test

#endif  // WAVECALC_TESTS_SCENARIOS_SCENARIO_H_
