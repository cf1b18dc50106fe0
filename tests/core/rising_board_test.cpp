#include "core/rising_board.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "tests/core/core_expectations.h"

namespace wave {
namespace {

using wave_test::CalculateCase;
using wave_test::CaptionsInChartOrder;
using wave_test::RunLikeAWindow;

// Captions in chart order: Label1, Label2, Label3, Label4, Label11, Label5,
// Label6.
const std::vector<std::string> kDesign = {"1", "2", "3", "4", "", "5", "6"};

TEST(RisingBoardCalculate, ProjectsEveryPoint) {
  const CalculateCase cases[] = {
      {"3000",
       "3500",
       {"3000", "3500", "3100", "3700", "3950", "3250", "4250"},
       500,
       {}},
      {"10.5",
       "12.3",
       {"10.5", "12.3", "10.7", "13.1", "14.1", "11.4", "15.4"},
       2,
       {}},
      // 2.5 rounds to the even 2, not 3.
      {"2.5", "5", {"2.5", "5", "3.4", "5.8", "6.8", "3.75", "7.75"}, 2, {}},
      // In double 2.6 - 0.1 is exactly 2.5; wider precision would give 3.
      {"0.1", "2.6", {"0.1", "2.6", "1", "3.4", "4.4", "1.35", "5.35"}, 2, {}},
      {"3100",
       "3000",
       {"3100", "3000", "3080", "2960", "2910", "3050", "2850"},
       -100,
       {}},
      // Lenient reads stop at the comma; the strict read of Text2 does not.
      {"3,000",
       "3,500",
       {"3,000", "3,500", "3500", "3500", "3500", "3", "3"},
       0,
       {}},
      {"",
       "3500",
       {"", "3500", "700", "4900", "6650", "1750", "8750"},
       3500,
       {}},
      {"abc",
       "3500",
       {"abc", "3500", "700", "4900", "6650", "1750", "8750"},
       3500,
       {}},
      {"1.10",
       "1.35",
       {"1.10", "1.35", "1.35", "1.35", "1.35", "1.225", "1.225"},
       0,
       {}},
      // The mid-point of two huge readings stays finite.
      {"1.7e308",
       "1.7e308",
       {"1.7e308", "1.7e308", "1.7E+308", "1.7E+308", "1.7E+308", "1.7E+308",
        "1.7E+308"},
       0,
       {}},
  };
  for (const CalculateCase& c : cases) {
    wave_test::ExpectCalculate<RisingBoard>(c);
  }
}

TEST(RisingBoardCalculate, StopsAtTheFailingStep) {
  const CalculateCase cases[] = {
      // Lengths that do not fit 16 bits: nothing is written.
      {"40000", "", kDesign, 0, 6},
      {"0", "40000", kDesign, 0, 6},
      {"1e400", "5", kDesign, 0, 6},
      {"-1.7e308", "1.7e308", kDesign, 0, 6},
      {"1", "1e400", kDesign, 0, 6},
      // The strict read of Text2 fails after the copies.
      {"3000", "", {"3000", "", "3", "4", "", "5", "6"}, -3000, 13},
      {"3000", "3500abc", {"3000", "3500abc", "3", "4", "", "5", "6"}, 500, 13},
      {"", "", {"", "", "3", "4", "", "5", "6"}, 0, 13},
      // Blanks are skipped by the lenient reads only.
      {" 3000 ", "3 500", {" 3000 ", "3 500", "3", "4", "", "5", "6"}, 500, 13},
      // Beyond the range only for the strict read, which sees the grouping.
      {"0", "1,000e400", {"0", "1,000e400", "3", "4", "", "5", "6"}, 1, 6},
      // The length fits but its doubling does not: only Label6 is left.
      {"0",
       "20000",
       {"0", "20000", "4000", "28000", "38000", "10000", "6"},
       20000,
       6},
      {"20000",
       "0",
       {"20000", "0", "16000", "-8000", "-18000", "10000", "6"},
       -20000,
       6},
  };
  for (const CalculateCase& c : cases) {
    wave_test::ExpectCalculate<RisingBoard>(c);
  }
}

struct AdjustCase {
  std::string_view start, end;  // calculated first, errors ignored
  std::string_view wave4, wave5;
  std::optional<int> error;
};

TEST(RisingBoardAdjust, ReprojectsFromLabel2) {
  const AdjustCase cases[] = {
      {"3000", "3500", "3691", "4500", {}},
      {"10.5", "12.3", "13.064", "16.3", {}},
      {"3100", "3000", "2961.8", "2800", {}},
      {"0", "20000", "27640", "6", 6},
      {"20000", "0", "-7640", "6", 6},
      {"3000", "3500abc", "5", "6", 13},
  };
  for (const AdjustCase& c : cases) {
    RisingBoard board;
    board.SetText("Text1", std::string(c.start));
    board.SetText("Text2", std::string(c.end));
    RunLikeAWindow(board, &RisingBoard::Calculate);
    EXPECT_EQ(RunLikeAWindow(board, &RisingBoard::Adjust), c.error) << c.end;
    EXPECT_EQ(board.Text("Label5"), c.wave4) << c.end;
    EXPECT_EQ(board.Text("Label6"), c.wave5) << c.end;
  }
}

TEST(RisingBoardAdjust, IgnoresTheInputBoxes) {
  RisingBoard board;
  board.SetText("Text1", "3000");
  board.SetText("Text2", "3500");
  ASSERT_EQ(RunLikeAWindow(board, &RisingBoard::Calculate), std::nullopt);
  board.SetText("Text1", "junk");
  board.SetText("Text2", "junk");
  ASSERT_EQ(RunLikeAWindow(board, &RisingBoard::Adjust), std::nullopt);
  EXPECT_EQ(board.Text("Label5"), "3691");
  EXPECT_EQ(board.Text("Label6"), "4500");
}

TEST(RisingBoardAdjust, OnAFreshBoardUsesLengthZero) {
  RisingBoard board;
  ASSERT_EQ(RunLikeAWindow(board, &RisingBoard::Adjust), std::nullopt);
  EXPECT_EQ(CaptionsInChartOrder(board),
            (std::vector<std::string>{"1", "2", "3", "4", "", "2", "2"}));
}

TEST(RisingBoardClear, RestoresPointNumbersAndKeepsInputsAndLength) {
  RisingBoard board;
  board.SetText("Text1", "3000");
  board.SetText("Text2", "3500");
  ASSERT_EQ(RunLikeAWindow(board, &RisingBoard::Calculate), std::nullopt);
  board.Clear();
  EXPECT_EQ(CaptionsInChartOrder(board), kDesign);
  EXPECT_EQ(board.Text("Text1"), "3000");
  EXPECT_EQ(board.Text("Text2"), "3500");
  EXPECT_EQ(board.FirstWaveLength(), 500);
  ASSERT_EQ(RunLikeAWindow(board, &RisingBoard::Adjust), std::nullopt);
  EXPECT_EQ(board.Text("Label5"), "193");  // 2 + 0.382 × 500
  EXPECT_EQ(board.Text("Label6"), "1002");
}

TEST(RisingBoard, UnknownNamesAreProgrammingErrors) {
  RisingBoard board;
  for (std::string_view name : {"Label7", "label1", "", "Text3", "Label10"}) {
    EXPECT_THROW(board.Text(name), std::invalid_argument) << name;
    EXPECT_THROW(board.SetText(name, "x"), std::invalid_argument) << name;
  }
}

}  // namespace
}  // namespace wave
