#include "core/falling_board.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/run_error.h"

namespace wave {
namespace {

constexpr std::array<std::string_view, 5> kCaptionNames = {
    "Label1", "Label2", "Label3", "Label4", "Label5"};
using Captions = std::array<std::string_view, 5>;
constexpr Captions kDesign = {"1", "2", "3", "4", ""};

struct CalculateCase {
  std::string_view start, end;
  Captions captions;
  int length;
  std::optional<int> error;
};

void Check(const CalculateCase& c) {
  FallingBoard board;
  board.SetText("Text1", std::string(c.start));
  board.SetText("Text2", std::string(c.end));
  std::optional<int> error;
  try {
    board.Calculate();
  } catch (const RunError& raised) {
    error = raised.number();
  }
  EXPECT_EQ(error, c.error) << c.start << " / " << c.end;
  for (std::size_t i = 0; i < kCaptionNames.size(); ++i) {
    EXPECT_EQ(board.Text(kCaptionNames[i]), c.captions[i])
        << c.start << " / " << c.end << ' ' << kCaptionNames[i];
  }
  EXPECT_EQ(board.FirstWaveLength(), c.length) << c.start << " / " << c.end;
}

TEST(FallingBoardCalculate, ProjectsWavesBAndC) {
  const CalculateCase cases[] = {
      {"3500", "3000", {"3500", "3000", "3350", "2760", "2691"}, 500, {}},
      {"12.3", "10.5", {"12.3", "10.5", "11.9", "9.34", "9.064"}, 2, {}},
      // A rising pair is accepted with a negative length.
      {"20", "30", {"20", "30", "23", "34.8", "36.18"}, -10, {}},
      // The copy keeps the typed text; the computed caption is normalised.
      {"1.35", "1.10", {"1.35", "1.10", "1.1", "1.35", "1.35"}, 0, {}},
      {"3,500", "3,000", {"3,500", "3,000", "3000", "3500", "3500"}, 0, {}},
      {"5", "2.5", {"5", "2.5", "3.9", "2.04", "1.764"}, 2, {}},
  };
  for (const CalculateCase& c : cases) Check(c);
}

TEST(FallingBoardCalculate, StopsAtTheFailingStep) {
  const CalculateCase cases[] = {
      // The copies come before the length.
      {"40000", "0", {"40000", "0", "3", "4", ""}, 0, 6},
      {"1e400", "0", {"1e400", "0", "3", "4", ""}, 0, 6},
      {"1.7e308", "-1.7e308", {"1.7e308", "-1.7e308", "3", "4", ""}, 0, 6},
      {"", "", {"", "", "3", "4", ""}, 0, 13},
      {"3500", "3000x", {"3500", "3000x", "3", "4", ""}, 500, 13},
      // Text1 is read strictly only through its copy in Label1.
      {"abc", "3000", {"abc", "3000", "900", "4", ""}, -3000, 13},
      {"", "3000", {"", "3000", "900", "4", ""}, -3000, 13},
  };
  for (const CalculateCase& c : cases) Check(c);
}

TEST(FallingBoardClear, RestoresPointNumbersAndKeepsInputsAndLength) {
  FallingBoard board;
  board.SetText("Text1", "3500");
  board.SetText("Text2", "3000");
  board.Calculate();
  board.Clear();
  for (std::size_t i = 0; i < kCaptionNames.size(); ++i) {
    EXPECT_EQ(board.Text(kCaptionNames[i]), kDesign[i]);
  }
  EXPECT_EQ(board.Text("Text1"), "3500");
  EXPECT_EQ(board.Text("Text2"), "3000");
  EXPECT_EQ(board.FirstWaveLength(), 500);
}

TEST(FallingBoard, StartsInItsDesignStateAndKnowsOnlyItsNames) {
  FallingBoard board;
  for (std::size_t i = 0; i < kCaptionNames.size(); ++i) {
    EXPECT_EQ(board.Text(kCaptionNames[i]), kDesign[i]);
  }
  EXPECT_EQ(board.FirstWaveLength(), 0);
  for (std::string_view name : {"Label6", "Label11", "Text3", ""}) {
    EXPECT_THROW(board.Text(name), std::invalid_argument) << name;
    EXPECT_THROW(board.SetText(name, ""), std::invalid_argument) << name;
  }
  const auto captions = FallingBoard::Captions();
  ASSERT_EQ(captions.size(), kCaptionNames.size());
  for (std::size_t i = 0; i < captions.size(); ++i) {
    EXPECT_EQ(captions[i].name, kCaptionNames[i]);
  }
  EXPECT_EQ(captions[4].rule, "c 浪 延伸终点 = 起点1 − 1.618 × a 浪长度");
}

}  // namespace
}  // namespace wave
