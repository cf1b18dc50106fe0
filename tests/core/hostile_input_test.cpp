// Whatever a user pastes, an operation either completes or stops with a
// RunError, and every caption it computes is a number that reads back.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/falling_board.h"
#include "core/number_text.h"
#include "core/rising_board.h"
#include "core/run_error.h"

namespace wave {
namespace {

constexpr std::size_t kMegabyte = 1 << 20;

std::vector<std::string> HostileTexts() {
  using namespace std::string_literals;
  return {
      "",
      std::string(kMegabyte, '9'),
      "0." + std::string(kMegabyte, '0') + "1",
      "1e" + std::string(kMegabyte, '9'),
      "1e-" + std::string(kMegabyte, '9'),
      std::string(kMegabyte, ' ') + "5",
      std::string(kMegabyte, ','),
      "1" + std::string(kMegabyte / 4, ','),
      "\xff\xfe\xfd",
      "\xc3",
      "\xe4\xb8",
      "35\0"s
      "00",
      "\0"s,
      "３５００",
      "三千五百",
      "1e-99999999999999999999",
      "1e99999999999999999999",
      "-0",
      "1,000,000",
      "+.5e-3",
      "1.79769313486231E+308",
      "-1.79769313486231E+308",
      "4.94065645841247E-324",
  };
}

// A caption the board computed must read back to the text it shows.
void ExpectReadable(const std::string& caption, std::string_view where) {
  if (caption.empty() || caption.size() == 1) return;  // design captions
  double value = 0;
  ASSERT_NO_THROW(value = ParseStrict(caption)) << where << ": " << caption;
  EXPECT_EQ(FormatNumber(value), caption) << where;
}

// Each hostile text as the start, as the end, and as both.
template <typename Board>
void RunWithHostileInputs(void (Board::*operation)(),
                          std::initializer_list<std::string_view> computed) {
  for (const std::string& hostile : HostileTexts()) {
    const std::pair<std::string, std::string> pairs[] = {
        {hostile, "3500"}, {"3000", hostile}, {hostile, hostile}};
    for (const auto& [start, end] : pairs) {
      Board board;
      board.SetText("Text1", start);
      board.SetText("Text2", end);
      try {
        (board.*operation)();
      } catch (const RunError&) {
        // Any numbered error is acceptable; anything else fails the test.
      }
      for (std::string_view name : computed) {
        ExpectReadable(board.Text(name), name);
      }
    }
  }
}

TEST(HostileInput, RisingBoardNeverFailsOtherwise) {
  RunWithHostileInputs<RisingBoard>(
      &RisingBoard::Calculate,
      {"Label3", "Label4", "Label11", "Label5", "Label6"});
}

TEST(HostileInput, FallingBoardNeverFailsOtherwise) {
  RunWithHostileInputs<FallingBoard>(&FallingBoard::Calculate,
                                     {"Label3", "Label4", "Label5"});
}

TEST(HostileInput, HugeNumbersReadCorrectly) {
  const std::string nines(kMegabyte, '9');
  EXPECT_EQ(ParseLenient(nines), std::numeric_limits<double>::infinity());
  EXPECT_THROW(ParseStrict(nines), RunError);
  const std::string one = "1" + std::string(kMegabyte, '0') + "e-1048576";
  EXPECT_EQ(ParseStrict(one), 1.0);
  EXPECT_EQ(ParseLenient(one), 1.0);
  const std::string tiny = "0." + std::string(kMegabyte, '0') + "1";
  EXPECT_EQ(ParseStrict(tiny), 0.0);
  EXPECT_EQ(ParseLenient("1e-" + nines), 0.0);
  EXPECT_EQ(ParseLenient(std::string(kMegabyte, ' ') + "5"), 5.0);
}

TEST(HostileInput, EmbeddedNulEndsALenientNumber) {
  using namespace std::string_literals;
  EXPECT_EQ(ParseLenient("35\0"s
                         "00"),
            35.0);
  EXPECT_THROW(ParseStrict("35\0"s
                           "00"),
               RunError);
}

}  // namespace
}  // namespace wave
