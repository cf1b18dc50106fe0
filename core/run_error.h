// Run-time errors of the projection core.
//
// Every failure of a conversion or an arithmetic step is a numbered RunError.
// Board operations never catch it: it stops the operation at the failing step
// and travels up to the window layer, which reports number and message.
//
// Numbers:
//   13  type mismatch      text that is not a number where one is required
//    6  overflow           a whole number out of range, or a reading beyond
//                          the double range
//   16  invalid operation  a double step whose result is not a number
//   17  float overflow     a double step whose result is infinite
//   53  launch failure     the maker's page could not be handed to a browser
#ifndef WAVECALC_CORE_RUN_ERROR_H_
#define WAVECALC_CORE_RUN_ERROR_H_

#include <stdexcept>
#include <vector>

namespace wave {

enum class ErrorKind {
  kTypeMismatch,
  kOverflow,
  kInvalidOperation,
  kFloatOverflow,
  kLaunchFailure,
};

class RunError : public std::runtime_error {
 public:
  explicit RunError(ErrorKind kind);

  int number() const { return number_; }
  ErrorKind kind() const { return kind_; }

  // Every kind, in the order the user's guides list them.
  static std::vector<ErrorKind> AllKinds();
  static int NumberOf(ErrorKind kind);
  // The Chinese message shown to the user; what() returns the same text.
  static const char* MessageOf(ErrorKind kind);

 private:
  ErrorKind kind_;
  int number_;
};

}  // namespace wave

#endif  // WAVECALC_CORE_RUN_ERROR_H_
