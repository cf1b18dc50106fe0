#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "core/run_error.h"
#include "tests/core/core_expectations.h"

namespace wave {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct ReadCase {
  std::string_view text;
  double expected;
};

TEST(ParseLenient, ReadsTheLongestLeadingNumber) {
  const ReadCase cases[] = {
      {"", 0},
      {" 3500 ", 3500},
      {"3,500", 3},
      {"1.2.3", 1.2},
      {".5", 0.5},
      {"3 500", 3500},
      {"\t3\n5 0 0", 3500},
      {"12abc", 12},
      {"abc", 0},
      {"-2.5", -2.5},
      {"+7", 7},
      {"-", 0},
      {".", 0},
      {"-.", 0},
      {"1e3", 1000},
      {"1D3", 1000},
      {"2d-1", 0.2},
      {"1 e 3", 1000},
      {"1e", 1},
      {"1e+", 1},
      {"1ex", 1},
      {"5.", 5},
      {"&H10", 0},
      {"&O17", 0},
      {"$5", 0},
      {"0.1", 0.1},
      {"1e-400", 0},
      {"3\r500", 3},
      {"--5", 0},
      {"+-5", 0},
  };
  for (const ReadCase& c : cases) {
    EXPECT_EQ(ParseLenient(c.text), c.expected) << '"' << c.text << '"';
  }
}

TEST(ParseLenient, BeyondTheDoubleRangeIsInfinite) {
  EXPECT_EQ(ParseLenient("1e400"), kInfinity);
  EXPECT_EQ(ParseLenient("-1e400"), -kInfinity);
  EXPECT_EQ(ParseLenient(std::string(400, '9')), kInfinity);
  EXPECT_TRUE(std::signbit(ParseLenient("-1e-400")));
}

TEST(ParseStrict, ReadsOneWholeNumber) {
  const ReadCase cases[] = {
      {" 3500 ", 3500},
      {"3,500", 3500},
      {"1,234,567.5", 1234567.5},
      {"+3", 3},
      {"-3", -3},
      {".5", 0.5},
      {"5.", 5},
      {"1E+15", 1e15},
      {"1E-05", 1e-5},
      {"1.5e3", 1500},
      {"2D2", 200},
      {"0", 0},
      {"007", 7},
      {"12,345e1", 123450},
      {"1e-400", 0},
      {"1.79769313486231E+308", 1.79769313486231e308},
  };
  for (const ReadCase& c : cases) {
    EXPECT_EQ(ParseStrict(c.text), c.expected) << '"' << c.text << '"';
  }
}

TEST(ParseStrict, RejectsAnythingElseAsTypeMismatch) {
  const std::string_view cases[] = {
      "",       "   ",    "3500abc", "12abc",    "abc",    ".",
      "-",      "+",      "1.2.3",   "1e",       "1e+",    "e5",
      ",500",   "3,50",   "35,00",   "3500,",    "1,2345", "1234,567",
      "3,,500", "1.5,00", "1.234,5", "3 500",    "\t3500", "3500\n",
      "--3",    "+-3",    "(3)",     "$3",       "&H10",   "inf",
      "nan",    "0x10",   "1e5.5",   "3500 abc", "三千",   "３５００",
  };
  for (std::string_view text : cases) {
    EXPECT_RUN_ERROR(13, ParseStrict(text)) << '"' << text << '"';
  }
}

TEST(ParseStrict, BeyondTheDoubleRangeIsOverflow) {
  for (std::string_view text : {"1e400", "-1e400", "1.79769313486232E+308"}) {
    EXPECT_RUN_ERROR(6, ParseStrict(text)) << text;
  }
}

struct FormatCase {
  double value;
  std::string_view expected;
};

TEST(FormatNumber, WritesAtMostFifteenDigits) {
  const FormatCase cases[] = {
      {3950, "3950"},
      {13.064, "13.064"},
      {12.3 - 1.6, "10.7"},
      {3100, "3100"},
      {11.4, "11.4"},
      {-2.5, "-2.5"},
      {0.5, "0.5"},
      {-0.5, "-0.5"},
      {0.0, "0"},
      {-0.0, "0"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {123456789012345, "123456789012345"},
      {999999999999999, "999999999999999"},
      {999999999999999.9, "1E+15"},
      {1e15, "1E+15"},
      {1.5e20, "1.5E+20"},
      {1e100, "1E+100"},
      {0.0001, "0.0001"},
      {0.00012345, "0.00012345"},
      {0.00001, "1E-05"},
      {-0.00001, "-1E-05"},
      {0.000099999999999999999, "0.0001"},
      {1.7e308, "1.7E+308"},
      {5e-324, "4.94065645841247E-324"},
      {std::numeric_limits<double>::max(), "1.79769313486231E+308"},
      {-std::numeric_limits<double>::max(), "-1.79769313486231E+308"},
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(FormatNumber(c.value), c.expected) << c.value;
  }
}

TEST(FormatNumber, NonFiniteValuesRaiseTheFloatingPointErrors) {
  EXPECT_RUN_ERROR(17, FormatNumber(kInfinity));
  EXPECT_RUN_ERROR(17, FormatNumber(-kInfinity));
  EXPECT_RUN_ERROR(16, FormatNumber(std::nan("")));
}

// The value rounded to 15 digits by an independent writer, the C library's
// in the "C" locale: its significant digits and the double it denotes.
struct Oracle {
  std::string digits;
  double value;
};

Oracle FifteenDigits(double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.14e", value);
  const char* mantissa = buffer + (value < 0 ? 1 : 0);
  std::string digits =
      std::string(1, mantissa[0]) + std::string(mantissa + 2, 14);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  return {digits, std::strtod(buffer, nullptr)};
}

// The boards read their own captions back, so every written text must parse
// strictly to the number it shows and show that number again.
TEST(FormatNumber, EveryTextReadsBackStrictly) {
  std::mt19937_64 random(20261208);
  std::uniform_real_distribution<double> everyday(-1e6, 1e6);
  std::uniform_int_distribution<int> exponent(-20, 20);
  for (int i = 0; i < 200000; ++i) {
    double value;
    if (i % 2 == 0) {
      std::uint64_t bits = random();
      std::memcpy(&value, &bits, sizeof value);
      if (!std::isfinite(value) || std::fabs(value) > 1.797693134862315e308) {
        continue;  // rounded toward zero instead, tested above
      }
    } else {
      value = everyday(random) * std::pow(10.0, exponent(random));
    }
    const std::string text = FormatNumber(value);
    const double read = ParseStrict(text);
    ASSERT_EQ(FormatNumber(read), text) << value;

    const Oracle oracle = FifteenDigits(value);
    ASSERT_EQ(read, oracle.value) << value << " written " << text;
    std::string shown;
    for (char c : text) {
      if (c == 'E') break;
      if (c >= '0' && c <= '9') shown.push_back(c);
    }
    shown.erase(0, shown.find_first_not_of('0'));
    while (shown.size() > 1 && shown.back() == '0') shown.pop_back();
    ASSERT_EQ(shown, oracle.digits) << value << " written " << text;
    ASSERT_EQ(text.front() == '-', value < 0) << text;
  }
}

TEST(FormatNumber, FifteenDigitNumbersSurviveExactly) {
  std::mt19937_64 random(7);
  std::uniform_int_distribution<long long> mantissa(-999999999999999,
                                                    999999999999999);
  std::uniform_int_distribution<int> exponent(-300, 290);
  for (int i = 0; i < 100000; ++i) {
    const std::string typed =
        FormatWhole(mantissa(random)) + "E" + FormatWhole(exponent(random));
    const double value = ParseStrict(typed);
    ASSERT_EQ(ParseStrict(FormatNumber(value)), value) << typed;
  }
}

struct LengthCase {
  double difference;
  std::optional<int> expected;  // none: overflow
};

TEST(ToWaveLength, RoundsHalfToEvenWithinSixteenBits) {
  const LengthCase cases[] = {
      {2.5, 2},
      {3.5, 4},
      {-2.5, -2},
      {-3.5, -4},
      {1.8, 2},
      {-0.4, 0},
      {0.5, 0},
      {1.5, 2},
      {0.49999999999999994, 0},
      {2.5000000000000004, 3},
      {2.6 - 0.1, 2},
      {32767, 32767},
      {32767.4, 32767},
      {32767.5, {}},
      {-32768, -32768},
      {-32768.5, -32768},
      {-32768.6, {}},
      {40000, {}},
      {kInfinity, {}},
      {-kInfinity, {}},
      {std::nan(""), {}},
  };
  for (const LengthCase& c : cases) {
    if (c.expected) {
      EXPECT_EQ(ToWaveLength(c.difference), *c.expected) << c.difference;
    } else {
      EXPECT_RUN_ERROR(6, ToWaveLength(c.difference)) << c.difference;
    }
  }
}

struct MultipleCase {
  std::int16_t length;
  int factor;
  std::optional<int> expected;  // none: overflow
};

TEST(MultiplyWaveLength, FitsOnlyWithinSixteenBits) {
  const MultipleCase cases[] = {
      {16383, 2, 32766}, {-16384, 2, -32768}, {0, 2, 0},
      {-1, 2, -2},       {16384, 2, {}},      {-16385, 2, {}},
      {20000, 2, {}},    {32767, 2, {}},      {-32768, 2, {}},
      {10922, 3, 32766}, {10923, 3, {}},      {-32768, 1, -32768},
      {-32768, -1, {}},  {32767, -1, -32767},
  };
  for (const MultipleCase& c : cases) {
    if (c.expected) {
      EXPECT_EQ(MultiplyWaveLength(c.length, c.factor), *c.expected)
          << c.factor << " x " << c.length;
    } else {
      EXPECT_RUN_ERROR(6, MultiplyWaveLength(c.length, c.factor))
          << c.factor << " x " << c.length;
    }
  }
}

}  // namespace
}  // namespace wave
