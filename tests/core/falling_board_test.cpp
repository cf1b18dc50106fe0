#include "core/falling_board.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "tests/core/core_expectations.h"

namespace wave {
namespace {

using wave_test::CalculateCase;

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
  for (const CalculateCase& c : cases) {
    wave_test::ExpectCalculate<FallingBoard>(c);
  }
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
  for (const CalculateCase& c : cases) {
    wave_test::ExpectCalculate<FallingBoard>(c);
  }
}

TEST(FallingBoardClear, RestoresPointNumbersAndKeepsInputsAndLength) {
  FallingBoard board;
  board.SetText("Text1", "3500");
  board.SetText("Text2", "3000");
  board.Calculate();
  board.Clear();
  EXPECT_EQ(wave_test::CaptionsInChartOrder(board),
            (std::vector<std::string>{"1", "2", "3", "4", ""}));
  EXPECT_EQ(board.Text("Text1"), "3500");
  EXPECT_EQ(board.Text("Text2"), "3000");
  EXPECT_EQ(board.FirstWaveLength(), 500);
}

TEST(FallingBoard, KnowsOnlyItsOwnNames) {
  FallingBoard board;
  for (std::string_view name : {"Label6", "Label11", "Text3", ""}) {
    EXPECT_THROW(board.Text(name), std::invalid_argument) << name;
    EXPECT_THROW(board.SetText(name, ""), std::invalid_argument) << name;
  }
}

}  // namespace
}  // namespace wave
