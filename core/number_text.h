// The conversions between text and numbers that every projection is built
// from. Values live as caption text: a board reads a caption back with
// ParseStrict, computes in double, and writes the result with FormatNumber,
// so these rules decide every digit the user sees.
//
// All conversions use std::from_chars / std::to_chars: correctly rounded and
// independent of the user's locale ("." is always the decimal separator).
#ifndef WAVECALC_CORE_NUMBER_TEXT_H_
#define WAVECALC_CORE_NUMBER_TEXT_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace wave {

// Reads the longest leading number, ignoring every blank, tab and line feed;
// 0 when there is none. Never throws: a number beyond the double range reads
// as an infinity, which the first step that uses it rejects with overflow.
double ParseLenient(std::string_view text);

// Reads text that is exactly one number apart from leading and trailing
// blanks. Accepts "+", ".5", "5." and plain thousands grouping ("1,234.5").
// Throws RunError 13 for anything else and 6 for a number beyond the double
// range; a number too small for a double reads as zero.
double ParseStrict(std::string_view text);

// At most 15 significant digits, positional for magnitudes in [1E-4, 1E+15),
// otherwise "1.5E+20" / "1E-05". Always reads back through ParseStrict.
// A value that is not finite has no text and throws the floating-point
// RunError (16 or 17).
std::string FormatNumber(double value);

std::string FormatWhole(long long value);

// Rounds half to even into the 16-bit first-leg length, or throws RunError 6
// (also for an infinite or NaN difference).
std::int16_t ToWaveLength(double difference);

// factor × length as a 16-bit whole number, or throws RunError 6: doubling
// fits only for lengths -16384..16383.
std::int16_t MultiplyWaveLength(std::int16_t length, int factor);

// The check after each double step: a NaN throws RunError 16 and an infinity
// RunError 17. Returns the value unchanged when it is finite.
double CheckFloat(double result);

}  // namespace wave

#endif  // WAVECALC_CORE_NUMBER_TEXT_H_
