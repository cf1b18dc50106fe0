// The program's window slots on Win32 and its message loop.
//
// The rising window fills its slot at start; the falling one on the first
// switch. Each then lives, hidden or visible, until the program ends:
// a switch shows the other window first and hides this one after, and
// closing either window ends the program.
#ifndef WAVECALC_WINDOWS_WIN32_PROGRAM_H_
#define WAVECALC_WINDOWS_WIN32_PROGRAM_H_

#include <windows.h>

#include "windows/forms/form_spec.h"

namespace wave {

class FormWindow;

// Fills the rising slot and shows that window. Returns without entering
// the message loop.
void StartProgram();

// Shows the window of a slot, creating it in its design state on first use.
void ShowFormWindow(WindowSlot which);

// The window of a slot, or null while the slot is empty.
FormWindow* FormIn(WindowSlot which);

// What the loop does with each message before dispatching it: the keys of
// the window it is for. True when it was taken.
bool TranslateForForms(MSG* msg);

// Runs until a window is closed; returns the exit code.
int RunMessageLoop();

// Destroys every window and empties the slots.
void EndProgram();

}  // namespace wave

#endif  // WAVECALC_WINDOWS_WIN32_PROGRAM_H_
