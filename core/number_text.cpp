#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "core/run_error.h"

namespace wave {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsExponentLetter(char c) {
  return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

// A scanned number rewritten in the form std::from_chars reads ("-12.5e-3"),
// plus enough about its digits to tell, when from_chars reports it out of
// range, whether it was too large or merely too small for a double.
class ScannedNumber {
 public:
  void Negate() { text_.push_back('-'); }
  void IntegerDigit(char c) {
    text_.push_back(c);
    if (integer_significant_ > 0 || c != '0') ++integer_significant_;
  }
  void DecimalPoint() { text_.push_back('.'); }
  void FractionDigit(char c) {
    text_.push_back(c);
    if (fraction_nonzero_) return;
    if (c == '0') {
      ++fraction_leading_zeros_;
    } else {
      fraction_nonzero_ = true;
    }
  }
  void ExponentSign(bool negative) {
    text_.push_back('e');
    if (negative) text_.push_back('-');
    exponent_negative_ = negative;
  }
  void ExponentDigit(char c) {
    text_.push_back(c);
    // Saturating: any exponent past the cap is out of range either way.
    if (exponent_ < kExponentCap) exponent_ = exponent_ * 10 + (c - '0');
  }

  struct Value {
    double number;  // an infinity when too large
    bool too_large;
  };

  // A number too small for a double is a correctly signed zero.
  Value Convert() const {
    double number = 0;
    const auto [end, error] =
        std::from_chars(text_.data(), text_.data() + text_.size(), number);
    if (error != std::errc::result_out_of_range) return {number, false};
    const bool negative = text_.front() == '-';
    if (!TooLarge()) return {negative ? -0.0 : 0.0, false};
    const double infinity = std::numeric_limits<double>::infinity();
    return {negative ? -infinity : infinity, true};
  }

 private:
  static constexpr long long kExponentCap = 1'000'000'000;

  // The decimal exponent of the leading significant digit is non-negative.
  bool TooLarge() const {
    const long long leading = integer_significant_ > 0
                                  ? integer_significant_ - 1
                                  : -(fraction_leading_zeros_ + 1);
    return leading + (exponent_negative_ ? -exponent_ : exponent_) >= 0;
  }

  std::string text_;
  long long integer_significant_ = 0;
  long long fraction_leading_zeros_ = 0;
  bool fraction_nonzero_ = false;
  long long exponent_ = 0;
  bool exponent_negative_ = false;
};

// Walks the lenient reader's input, stepping over blanks, tabs and line feeds
// wherever they stand.
class LenientCursor {
 public:
  explicit LenientCursor(std::string_view text) : text_(text) {}

  // The next significant character, or '\0' at the end (a NUL in the text
  // ends the number just as well).
  char Peek() {
    while (position_ < text_.size() && IsIgnored(text_[position_])) {
      ++position_;
    }
    return position_ < text_.size() ? text_[position_] : '\0';
  }
  void Advance() { ++position_; }

 private:
  static bool IsIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }

  std::string_view text_;
  std::size_t position_ = 0;
};

// Reads the strict reader's input, which must be one number and nothing else.
class StrictCursor {
 public:
  explicit StrictCursor(std::string_view text) : text_(text) {}

  bool AtEnd() const { return position_ == text_.size(); }
  bool At(char c) const { return !AtEnd() && text_[position_] == c; }
  bool AtDigit() const { return !AtEnd() && IsDigit(text_[position_]); }
  bool AtExponentLetter() const {
    return !AtEnd() && IsExponentLetter(text_[position_]);
  }
  char Take() { return text_[position_++]; }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
};

[[noreturn]] void Fail(ErrorKind kind) { throw RunError(kind); }

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Reads one run of digits into the integer part; returns its length.
std::size_t TakeIntegerDigits(StrictCursor& cursor, ScannedNumber& number) {
  std::size_t count = 0;
  for (; cursor.AtDigit(); ++count) number.IntegerDigit(cursor.Take());
  return count;
}

}  // namespace

double ParseLenient(std::string_view text) {
  LenientCursor cursor(text);
  ScannedNumber number;
  if (cursor.Peek() == '+' || cursor.Peek() == '-') {
    if (cursor.Peek() == '-') number.Negate();
    cursor.Advance();
  }
  bool any_digit = false;
  for (; IsDigit(cursor.Peek()); cursor.Advance()) {
    number.IntegerDigit(cursor.Peek());
    any_digit = true;
  }
  if (cursor.Peek() == '.') {
    cursor.Advance();
    number.DecimalPoint();
    for (; IsDigit(cursor.Peek()); cursor.Advance()) {
      number.FractionDigit(cursor.Peek());
      any_digit = true;
    }
  }
  if (!any_digit) return 0.0;
  // An exponent letter belongs to the number only when digits follow it.
  if (IsExponentLetter(cursor.Peek())) {
    cursor.Advance();
    const char sign = cursor.Peek();
    if (sign == '+' || sign == '-') cursor.Advance();
    if (IsDigit(cursor.Peek())) {
      number.ExponentSign(sign == '-');
      for (; IsDigit(cursor.Peek()); cursor.Advance()) {
        number.ExponentDigit(cursor.Peek());
      }
    }
  }
  return number.Convert().number;
}

double ParseStrict(std::string_view text) {
  StrictCursor cursor(TrimBlanks(text));
  ScannedNumber number;
  if (cursor.At('+') || cursor.At('-')) {
    if (cursor.Take() == '-') number.Negate();
  }
  const std::size_t leading_group = TakeIntegerDigits(cursor, number);
  std::size_t digit_count = leading_group;
  if (cursor.At(',')) {
    // Plain grouping only: 1 to 3 digits, then groups of exactly three.
    if (leading_group == 0 || leading_group > 3) Fail(ErrorKind::kTypeMismatch);
    while (cursor.At(',')) {
      cursor.Take();
      if (TakeIntegerDigits(cursor, number) != 3) {
        Fail(ErrorKind::kTypeMismatch);
      }
    }
  }
  if (cursor.At('.')) {
    cursor.Take();
    number.DecimalPoint();
    for (; cursor.AtDigit(); ++digit_count) number.FractionDigit(cursor.Take());
  }
  if (digit_count == 0) Fail(ErrorKind::kTypeMismatch);
  if (cursor.AtExponentLetter()) {
    cursor.Take();
    bool negative = false;
    if (cursor.At('+') || cursor.At('-')) negative = cursor.Take() == '-';
    if (!cursor.AtDigit()) Fail(ErrorKind::kTypeMismatch);
    number.ExponentSign(negative);
    while (cursor.AtDigit()) number.ExponentDigit(cursor.Take());
  }
  if (!cursor.AtEnd()) Fail(ErrorKind::kTypeMismatch);
  const auto [value, too_large] = number.Convert();
  if (too_large) Fail(ErrorKind::kOverflow);
  return value;
}

std::string FormatNumber(double value) {
  CheckFloat(value);
  if (value == 0) return "0";  // also negative zero

  constexpr int kDigits = 15;
  // "-d.dddddddddddddde+ddd": one digit, point, 14 digits, exponent.
  char scientific[32];
  const char* const end =
      std::to_chars(scientific, scientific + sizeof scientific, value,
                    std::chars_format::scientific, kDigits - 1)
          .ptr;
  const bool negative = scientific[0] == '-';
  const char* mantissa = scientific + (negative ? 1 : 0);
  char digits[kDigits];
  digits[0] = mantissa[0];
  for (int i = 1; i < kDigits; ++i) digits[i] = mantissa[i + 1];
  const char* exponent_text = mantissa + kDigits + 2;  // past "e"
  int exponent = 0;
  std::from_chars(exponent_text + (*exponent_text == '+' ? 1 : 0), end,
                  exponent);

  // Rounding the largest doubles to nearest gives 1.79769313486232E+308,
  // which is beyond the double range and would not read back; those few
  // values are rounded toward zero instead.
  constexpr std::string_view kLargestReadable = "179769313486231";
  if (exponent == 308 && std::string_view(digits, kDigits) > kLargestReadable) {
    kLargestReadable.copy(digits, kDigits);
  }

  int digit_count = kDigits;
  while (digits[digit_count - 1] == '0') --digit_count;

  std::string text;
  if (negative) text.push_back('-');
  if (exponent >= kDigits || exponent < -4) {
    text.push_back(digits[0]);
    if (digit_count > 1) {
      text.push_back('.');
      text.append(digits + 1, digit_count - 1);
    }
    text.push_back('E');
    text.push_back(exponent < 0 ? '-' : '+');
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) text.push_back('0');
    char exponent_digits[4];
    text.append(
        exponent_digits,
        std::to_chars(exponent_digits, exponent_digits + 4, magnitude).ptr);
  } else if (exponent >= 0) {
    const int integer_digits = exponent + 1;
    for (int i = 0; i < integer_digits; ++i) {
      text.push_back(i < digit_count ? digits[i] : '0');
    }
    if (digit_count > integer_digits) {
      text.push_back('.');
      text.append(digits + integer_digits, digit_count - integer_digits);
    }
  } else {
    text.append("0.");
    text.append(-exponent - 1, '0');
    text.append(digits, digit_count);
  }
  return text;
}

std::string FormatWhole(long long value) {
  char buffer[24];
  return std::string(buffer,
                     std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

std::int16_t ToWaveLength(double difference) {
  constexpr double kLowest = std::numeric_limits<std::int16_t>::min();
  constexpr double kHighest = std::numeric_limits<std::int16_t>::max();
  // Also rejects NaN, whose comparisons are all false.
  if (!(difference >= kLowest - 0.5 && difference <= kHighest + 0.5)) {
    Fail(ErrorKind::kOverflow);
  }
  // Exact in double at these magnitudes, so the tie test is exact too.
  const double below = std::floor(difference);
  const double fraction = difference - below;
  double rounded = below + 1;
  if (fraction < 0.5 || (fraction == 0.5 && std::fmod(below, 2) == 0)) {
    rounded = below;
  }
  if (rounded < kLowest || rounded > kHighest) Fail(ErrorKind::kOverflow);
  return static_cast<std::int16_t>(rounded);
}

std::int16_t MultiplyWaveLength(std::int16_t length, int factor) {
  const long long product = static_cast<long long>(factor) * length;
  if (product < std::numeric_limits<std::int16_t>::min() ||
      product > std::numeric_limits<std::int16_t>::max()) {
    Fail(ErrorKind::kOverflow);
  }
  return static_cast<std::int16_t>(product);
}

double CheckFloat(double result) {
  if (std::isnan(result)) Fail(ErrorKind::kInvalidOperation);
  if (std::isinf(result)) Fail(ErrorKind::kFloatOverflow);
  return result;
}

}  // namespace wave
