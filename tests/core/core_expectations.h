// Assertions and a runner shared by the core's tests.
#ifndef WAVECALC_TESTS_CORE_EXPECTATIONS_H_
#define WAVECALC_TESTS_CORE_EXPECTATIONS_H_

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/run_error.h"

// Expects statement to raise the RunError with the given number; more
// context may be streamed in, as with EXPECT_EQ.
#define EXPECT_RUN_ERROR(expected_number, statement)                         \
  switch (0)                                                                 \
  case 0:                                                                    \
  default:                                                                   \
    if (const ::testing::AssertionResult wave_raised =                       \
            ::wave_test::RaisesRunError([&] { statement; }, expected_number, \
                                        #statement))                         \
      ;                                                                      \
    else                                                                     \
      ADD_FAILURE() << wave_raised.message()

namespace wave_test {

inline testing::AssertionResult RaisesRunError(
    const std::function<void()>& statement, int expected, const char* text) {
  try {
    statement();
  } catch (const wave::RunError& error) {
    if (error.number() == expected) return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << text << " raised RunError " << error.number() << ", not "
           << expected;
  }
  return testing::AssertionFailure() << text << " raised no RunError";
}

// Runs an operation as a window does: a RunError stops it, and its number
// is the result; the captions stay as the operation left them.
template <typename Board>
std::optional<int> RunLikeAWindow(Board& board, void (Board::*operation)()) {
  try {
    (board.*operation)();
  } catch (const wave::RunError& error) {
    return error.number();
  }
  return std::nullopt;
}

template <typename Board>
std::vector<std::string> CaptionsInChartOrder(const Board& board) {
  std::vector<std::string> captions;
  for (const auto& caption : Board::Captions()) {
    captions.push_back(board.Text(caption.name));
  }
  return captions;
}

// One Calculate from two inputs, and all it leaves behind.
struct CalculateCase {
  std::string_view start, end;
  std::vector<std::string> captions;  // in chart order
  int length;
  std::optional<int> error;
};

template <typename Board>
void ExpectCalculate(const CalculateCase& c) {
  Board board;
  board.SetText("Text1", std::string(c.start));
  board.SetText("Text2", std::string(c.end));
  const std::string context =
      '"' + std::string(c.start) + "\" / \"" + std::string(c.end) + '"';
  EXPECT_EQ(RunLikeAWindow(board, &Board::Calculate), c.error) << context;
  EXPECT_EQ(CaptionsInChartOrder(board), c.captions) << context;
  EXPECT_EQ(board.FirstWaveLength(), c.length) << context;
  EXPECT_EQ(board.Text("Text1"), c.start) << context;
  EXPECT_EQ(board.Text("Text2"), c.end) << context;
}

}  // namespace wave_test

#endif  // WAVECALC_TESTS_CORE_EXPECTATIONS_H_
