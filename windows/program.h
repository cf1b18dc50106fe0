// The program's two window slots and the moves between them.
//
// Form1 (rising) is created at start; Form2 (falling) on the first switch.
// Each window then lives, hidden or visible, until the program ends: a
// switch shows the other window first and hides this one after, and closing
// whichever window is visible ends the program.
#ifndef WAVECALC_WINDOWS_PROGRAM_H_
#define WAVECALC_WINDOWS_PROGRAM_H_

namespace wave {

// Fills the Form1 slot and shows the window centred on the screen. Returns
// without entering the event loop. Needs a QApplication.
void StartProgram();

// Show the window of a slot, creating it on first use.
void ShowRisingWindow();
void ShowFallingWindow();

// Destroys both windows and empties their slots. Runs by itself when the
// QApplication goes away; tests call it to start afresh.
void EndProgram();

}  // namespace wave

#endif  // WAVECALC_WINDOWS_PROGRAM_H_
