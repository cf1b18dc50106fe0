// The program's dialogs: the message box that tells the user of a problem,
// and the dialog that asks where to save a file. Each can be replaced, so
// tests and benchmarks run without a user to answer them.
//
// A problem never ends the program: the window carries on afterwards with
// its inputs and results in place.
#ifndef WAVECALC_WINDOWS_QT_DIALOGS_H_
#define WAVECALC_WINDOWS_QT_DIALOGS_H_

#include <QString>
#include <functional>

#include "core/run_error.h"

class QWidget;

namespace wave {

// A modal message box over window, titled by the title rule.
void ShowMessage(QWidget* window, const QString& text);
void ReportError(QWidget* window, const RunError& error);

// Asks for the path of a PNG file to write, starting from suggested; empty
// when the user cancels.
QString AskSavePath(QWidget* window, const QString& suggested);

using MessagePresenter =
    std::function<void(QWidget* window, const QString& text)>;
using SavePathAsker =
    std::function<QString(QWidget* window, const QString& suggested)>;

// Replace the real dialogs; an empty function restores them.
void SetMessagePresenter(MessagePresenter presenter);
void SetSavePathAsker(SavePathAsker asker);

}  // namespace wave

#endif  // WAVECALC_WINDOWS_QT_DIALOGS_H_
