// The program's window slots and the moves between them.
//
// The rising window fills its slot at start; the others on their first
// showing. Each window then lives, hidden or visible, until the program
// ends: a switch shows the other window first and hides this one after,
// and closing whichever window is visible ends the program.
#ifndef WAVECALC_WINDOWS_QT_PROGRAM_H_
#define WAVECALC_WINDOWS_QT_PROGRAM_H_

#include "windows/forms/form_spec.h"

class QWidget;

namespace wave {

class WaveForm;

// Fills the rising slot and shows that window centred on the screen.
// Returns without entering the event loop. Needs a QApplication.
void StartProgram();

// Shows the window of a slot, creating it in its design state on first use.
void ShowWindow(WindowSlot which);

// The window of a slot, or null while the slot is empty.
WaveForm* WindowIn(WindowSlot which);

// Destroys every window and empties the slots. Runs by itself when the
// QApplication goes away; tests call it to start afresh.
void EndProgram();

}  // namespace wave

#endif  // WAVECALC_WINDOWS_QT_PROGRAM_H_
