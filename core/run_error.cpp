#include "core/run_error.h"

namespace wave {

namespace {

struct ErrorRow {
  ErrorKind kind;
  int number;
  const char* message;
};

constexpr ErrorRow kErrors[] = {
    {ErrorKind::kTypeMismatch, 13, "类型不匹配"},
    {ErrorKind::kOverflow, 6, "溢出"},
    {ErrorKind::kInvalidOperation, 16, "无效的浮点运算"},
    {ErrorKind::kFloatOverflow, 17, "浮点溢出"},
    {ErrorKind::kLaunchFailure, 53, "无法打开网页"},
};

const ErrorRow& RowOf(ErrorKind kind) {
  for (const ErrorRow& row : kErrors) {
    if (row.kind == kind) return row;
  }
  return kErrors[0];  // unreachable: every enumerator has a row
}

}  // namespace

RunError::RunError(ErrorKind kind)
    : std::runtime_error(MessageOf(kind)),
      kind_(kind),
      number_(NumberOf(kind)) {}

std::vector<ErrorKind> RunError::AllKinds() {
  std::vector<ErrorKind> kinds;
  for (const ErrorRow& row : kErrors) kinds.push_back(row.kind);
  return kinds;
}

int RunError::NumberOf(ErrorKind kind) { return RowOf(kind).number; }

const char* RunError::MessageOf(ErrorKind kind) { return RowOf(kind).message; }

}  // namespace wave
