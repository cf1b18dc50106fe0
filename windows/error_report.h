// How a window tells the user that an operation stopped with a RunError: a
// modal message box with the error number and its message. The program
// carries on afterwards with the partial captions in place, so the user
// keeps their inputs and results.
#ifndef WAVECALC_WINDOWS_ERROR_REPORT_H_
#define WAVECALC_WINDOWS_ERROR_REPORT_H_

#include <QString>
#include <functional>

#include "core/run_error.h"

class QWidget;

namespace wave {

using ErrorReporter = std::function<void(QWidget* window, const RunError&)>;

// "运行时错误 13：类型不匹配"
QString ErrorText(const RunError& error);

void ReportError(QWidget* window, const RunError& error);

// Replaces the message box, for tests; an empty reporter restores it.
void SetErrorReporter(ErrorReporter reporter);

}  // namespace wave

#endif  // WAVECALC_WINDOWS_ERROR_REPORT_H_
