// The rule a caption's tooltip shows, evaluated on the board's own inputs and
// captions, gives the caption: the hint never disagrees with the arithmetic.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/falling_board.h"
#include "core/number_text.h"
#include "core/rising_board.h"
#include "tests/core/core_expectations.h"

namespace wave {
namespace {

constexpr std::string_view kAdjusted = "；调整后 = ";

// Evaluates a rule written with + − × ÷ and parentheses, once every name in
// it has been replaced by "#n", the n-th value.
class RuleEvaluator {
 public:
  RuleEvaluator(std::string_view formula, std::vector<double> values)
      : text_(formula), values_(std::move(values)) {}

  double Evaluate() {
    const double result = Sum();
    Skip();
    EXPECT_TRUE(text_.empty()) << "left over: " << text_;
    return result;
  }

 private:
  double Sum() {
    double result = Product();
    for (;;) {
      if (Take("+")) {
        result += Product();
      } else if (Take("−")) {
        result -= Product();
      } else {
        return result;
      }
    }
  }
  double Product() {
    double result = Operand();
    for (;;) {
      if (Take("×")) {
        result *= Operand();
      } else if (Take("÷")) {
        result /= Operand();
      } else {
        return result;
      }
    }
  }
  double Operand() {
    if (Take("(")) {
      const double inner = Sum();
      EXPECT_TRUE(Take(")")) << text_;
      return inner;
    }
    if (Take("#")) return values_.at(Digits());
    const std::size_t end = text_.find_first_not_of("0123456789.");
    const double number = std::stod(std::string(text_.substr(0, end)));
    text_.remove_prefix(end == std::string_view::npos ? text_.size() : end);
    return number;
  }
  std::size_t Digits() {
    std::size_t value = 0;
    while (!text_.empty() && text_.front() >= '0' && text_.front() <= '9') {
      value = value * 10 + static_cast<std::size_t>(text_.front() - '0');
      text_.remove_prefix(1);
    }
    return value;
  }
  void Skip() {
    while (!text_.empty() && text_.front() == ' ') text_.remove_prefix(1);
  }
  bool Take(std::string_view token) {
    Skip();
    if (text_.substr(0, token.size()) != token) return false;
    text_.remove_prefix(token.size());
    return true;
  }

  std::string_view text_;
  std::vector<double> values_;
};

// The names a rule may use, with their values on this board: the inputs,
// the length of the first leg, and every chart point's caption.
template <typename Board>
std::vector<std::pair<std::string, double>> NamedValues(const Board& board) {
  std::vector<std::pair<std::string, double>> named = {
      {"起点1", ParseStrict(board.Text("Text1"))},
      {"终点2", ParseStrict(board.Text("Text2"))},
      {"浪(1)长度", board.FirstWaveLength()},
      {"a 浪长度", board.FirstWaveLength()},
  };
  for (const CaptionInfo& caption : Board::Captions()) {
    const std::string& text = board.Text(caption.name);
    if (!text.empty()) {
      named.emplace_back(std::string(caption.point), ParseStrict(text));
    }
  }
  // Longest first, so no name is replaced inside a longer one.
  std::sort(named.begin(), named.end(), [](const auto& a, const auto& b) {
    return a.first.size() > b.first.size();
  });
  return named;
}

template <typename Board>
double Evaluate(const Board& board, std::string formula) {
  std::vector<double> values;
  for (const auto& [name, value] : NamedValues(board)) {
    std::string token = "#";
    token.append(std::to_string(values.size()));
    for (std::size_t at; (at = formula.find(name)) != std::string::npos;) {
      formula.replace(at, name.size(), token);
    }
    values.push_back(value);
  }
  return RuleEvaluator(formula, values).Evaluate();
}

// Each caption's rule, or with adjusted set the part after "调整后", where
// the rule has one.
template <typename Board>
void ExpectRulesHold(const Board& board, bool adjusted,
                     std::string_view context) {
  for (const CaptionInfo& caption : Board::Captions()) {
    std::string_view formula = caption.rule;
    const std::string prefix = std::string(caption.point) + " = ";
    ASSERT_EQ(formula.substr(0, prefix.size()), prefix) << caption.rule;
    formula.remove_prefix(prefix.size());
    const std::size_t split = formula.find(kAdjusted);
    if (split != std::string_view::npos) {
      formula = adjusted ? formula.substr(split + kAdjusted.size())
                         : formula.substr(0, split);
    }
    EXPECT_EQ(FormatNumber(Evaluate(board, std::string(formula))),
              board.Text(caption.name))
        << context << ": " << caption.rule;
  }
}

const std::pair<std::string_view, std::string_view> kLegs[] = {
    {"3000", "3500"}, {"10.5", "12.3"}, {"3100", "3000"},
    {"0.1", "2.6"},   {"20", "30"},     {"3500", "3000"},
};

TEST(Rules, RisingHintsDescribeTheirArithmetic) {
  for (const auto& [start, end] : kLegs) {
    RisingBoard board;
    board.SetText("Text1", std::string(start));
    board.SetText("Text2", std::string(end));
    board.Calculate();
    ExpectRulesHold(board, false, start);
    board.Adjust();
    ExpectRulesHold(board, true, end);
  }
}

TEST(Rules, FallingHintsDescribeTheirArithmetic) {
  for (const auto& [start, end] : kLegs) {
    FallingBoard board;
    board.SetText("Text1", std::string(start));
    board.SetText("Text2", std::string(end));
    board.Calculate();
    ExpectRulesHold(board, false, start);
  }
}

}  // namespace
}  // namespace wave
