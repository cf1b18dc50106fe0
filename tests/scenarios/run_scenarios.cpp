// Runs every scenario against the front end whose driver is linked in.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tests/scenarios/driver.h"
#include "tests/scenarios/scenario.h"
#include "windows/forms/rules.h"

namespace wave_test {

namespace {

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != text.npos;) {
    parts.emplace_back(text.substr(start, at - start));
    start = at + 1;
  }
  parts.emplace_back(text.substr(start));
  return parts;
}

// arg's " xN", or 1.
std::size_t Times(std::string_view arg) {
  const std::size_t at = arg.find(" x");
  return at == arg.npos ? 1 : std::stoul(std::string(arg.substr(at + 2)));
}

std::string Repeated(std::string_view text, std::size_t times) {
  std::string repeated;
  repeated.reserve(text.size() * times);
  for (std::size_t i = 0; i < times; ++i) repeated.append(text);
  return repeated;
}

// Whether text matches pattern, where '*' stands for any run of text.
bool Matches(std::string_view pattern, std::string_view text) {
  const std::size_t star = pattern.find('*');
  if (star == pattern.npos) return pattern == text;
  const std::string_view head = pattern.substr(0, star);
  const std::string_view tail = pattern.substr(star + 1);
  return text.size() >= head.size() + tail.size() && text.starts_with(head) &&
         text.ends_with(tail);
}

std::vector<int> Numbers(std::string_view text) {
  std::vector<int> numbers;
  for (const std::string& part : Split(text, ',')) {
    numbers.push_back(part == "*" ? -1 : std::stoi(part));
  }
  return numbers;
}

Entry HowOf(std::string_view arg) {
  if (arg.starts_with("committed")) return Entry::kCommitted;
  if (arg.starts_with("pasted")) return Entry::kPasted;
  return Entry::kTyped;
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string joined;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) joined += '|';
    joined += parts[i];
  }
  return joined;
}

// A long text in a failure message, cut to what a reader can take in.
std::string Shown(const std::string& text) {
  return text.size() <= 200 ? text
                            : text.substr(0, 200) + "… (" +
                                  std::to_string(text.size()) + " bytes)";
}

class ScenarioTest : public testing::TestWithParam<Scenario> {
 protected:
  void SetUp() override {
    driver_ = MakeDriver();
    driver_->Start();
  }
  void TearDown() override {
    driver_->Stop();
    wave::SetClock({});
  }

  void Run(const Step& step);

  std::unique_ptr<Driver> driver_;
};

void ScenarioTest::Run(const Step& step) {
  Driver& d = *driver_;
  switch (step.what) {
    case Do::kType:
      d.Enter(step.window, step.control, Repeated(step.text, Times(step.arg)),
              HowOf(step.arg));
      break;
    case Do::kEmpty:
      d.Empty(step.window, step.control);
      break;
    case Do::kClick:
      d.Click(step.window, step.control);
      break;
    case Do::kPress:
      d.Press(step.text);
      break;
    case Do::kFocus:
      d.Focus(step.window, step.control);
      break;
    case Do::kPick:
      d.Pick(step.window, step.text);
      break;
    case Do::kSelect:
      d.Select(step.window, step.control);
      break;
    case Do::kClose:
      d.Close(step.window);
      break;
    case Do::kFailLaunches:
      d.FailLaunches();
      break;
    case Do::kAnswerSave:
      d.AnswerSave(std::string(step.text));
      break;
    case Do::kSetClock: {
      wave::LocalTime when{};
      ASSERT_EQ(std::sscanf(std::string(step.text).c_str(), "%d-%d-%d %d:%d",
                            &when.year, &when.month, &when.day, &when.hour,
                            &when.minute),
                5);
      wave::SetClock([when] { return when; });
      break;
    }
    case Do::kCaptions: {
      const std::vector<std::string> names = Split(step.control, ' ');
      std::vector<std::string> shown;
      for (const std::string& name : names) {
        shown.push_back(d.Text(step.window, name));
      }
      const std::string expected = names.size() == 1
                                       ? Repeated(step.text, Times(step.arg))
                                       : std::string(step.text);
      EXPECT_EQ(Shown(Joined(shown)), Shown(expected)) << step.control;
      break;
    }
    case Do::kFocused:
      EXPECT_EQ(d.Focused(),
                std::string(step.window) + "." + std::string(step.control));
      break;
    case Do::kReport: {
      const std::vector<Report> reports = d.Reports();
      ASSERT_FALSE(reports.empty()) << "no message was shown";
      EXPECT_EQ(reports.back().window, step.window);
      EXPECT_EQ(reports.back().text, step.text);
      EXPECT_EQ(reports.back().label1, step.arg) << "Label1 under the message";
      break;
    }
    case Do::kReports: {
      const std::vector<Report> reports = d.Reports();
      std::string texts;
      for (const Report& report : reports) texts += report.text + "\n";
      EXPECT_EQ(std::to_string(reports.size()), step.text) << texts;
      break;
    }
    case Do::kClipboard:
      EXPECT_EQ(Shown(d.Clipboard()),
                Shown(Repeated(step.text, Times(step.arg))));
      break;
    case Do::kOpened: {
      const std::vector<std::string> opened = d.Opened();
      ASSERT_EQ(opened.size(), 1u) << Joined(opened);
      EXPECT_TRUE(Matches(step.text, opened[0])) << opened[0];
      break;
    }
    case Do::kNothingOpened:
      EXPECT_EQ(Joined(d.Opened()), "");
      break;
    case Do::kVisible:
    case Do::kOnTop: {
      const bool shown = step.what == Do::kVisible ? d.Visible(step.window)
                                                   : d.OnTop(step.window);
      EXPECT_EQ(std::string(shown ? "yes" : "no"), step.text) << step.window;
      break;
    }
    case Do::kRect: {
      const Pixels rect = d.Rect(step.window, step.control);
      const int shown[] = {rect.left, rect.top, rect.width, rect.height};
      const std::vector<int> expected = Numbers(step.text);
      ASSERT_EQ(expected.size(), 4u);
      for (std::size_t i = 0; i < 4; ++i) {
        if (expected[i] >= 0) {
          EXPECT_EQ(shown[i], expected[i])
              << step.control << " " << rect.left << "," << rect.top << ","
              << rect.width << "," << rect.height;
        }
      }
      break;
    }
    case Do::kAt: {
      const std::vector<int> point = Numbers(step.text);
      ASSERT_EQ(point.size(), 2u);
      EXPECT_EQ(d.At(step.window, point[0], point[1]), step.arg)
          << "at " << step.text;
      break;
    }
    case Do::kAbove: {
      const Pixels upper = d.Rect(step.window, step.control);
      const Pixels lower = d.Rect(step.window, step.arg);
      EXPECT_LE(upper.top + upper.height, lower.top)
          << step.control << " over " << step.arg;
      break;
    }
    case Do::kTooltip:
      EXPECT_EQ(d.Tooltip(step.window, step.control), step.text);
      break;
    case Do::kName:
      EXPECT_EQ(d.AccessibleName(step.window, step.control), step.text)
          << step.control;
      break;
    case Do::kMenu:
      EXPECT_EQ(Joined(d.MenuItems(step.window)), step.text);
      break;
    case Do::kEvents:
      EXPECT_EQ(Joined(d.WindowEvents()), step.text);
      break;
    case Do::kOffered:
      EXPECT_EQ(d.OfferedSave(), step.text);
      break;
    case Do::kEnded: {
      const std::optional<int> code = d.ExitCode();
      ASSERT_TRUE(code.has_value()) << "the program did not end";
      EXPECT_EQ(std::to_string(*code), step.text);
      break;
    }
  }
}

TEST_P(ScenarioTest, Runs) {
  int number = 0;
  for (const Step& step : GetParam().steps) {
    SCOPED_TRACE("step " + std::to_string(++number));
    Run(step);
    if (HasFatalFailure()) return;
  }
}

INSTANTIATE_TEST_SUITE_P(, ScenarioTest, testing::ValuesIn(Scenarios()),
                         [](const testing::TestParamInfo<Scenario>& info) {
                           return info.param.name;
                         });

}  // namespace

}  // namespace wave_test
