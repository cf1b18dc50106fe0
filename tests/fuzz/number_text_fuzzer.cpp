// Properties of the readers and the writer on arbitrary bytes: only RunError
// may escape, and every written text reads back to itself.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/number_text.h"
#include "core/run_error.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// Formats a finite value and checks the text reads back to the same text.
void CheckWriter(double value) {
  if (!std::isfinite(value)) return;
  const std::string text = wave::FormatNumber(value);
  Require(text.find_first_of("infa") == std::string::npos);
  const double read = wave::ParseStrict(text);  // must not throw
  Require(wave::FormatNumber(read) == text);
  // Half a unit in the 15th digit, plus the rounding of the read.
  Require(std::fabs(read - value) <= std::fabs(value) * 5.2e-15);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckWriter(wave::ParseLenient(text));
  try {
    const double strict = wave::ParseStrict(text);
    Require(std::isfinite(strict));
    CheckWriter(strict);
  } catch (const wave::RunError& error) {
    Require(error.number() == 13 || error.number() == 6);
  }
  if (size >= sizeof(double)) {
    double raw;
    std::memcpy(&raw, data, sizeof raw);
    CheckWriter(raw);
  }
  return 0;
}
