// Placing a window, frame and all, at the centre of its screen's available
// area when it is first shown.
//
// A window manager adds the frame only once the window is on the screen, so
// the window is placed with the frame that the program's windows had
// before, if any, and centred again as soon as its own frame is known.
#ifndef WAVECALC_WINDOWS_QT_CENTRING_H_
#define WAVECALC_WINDOWS_QT_CENTRING_H_

class QWidget;

namespace wave {

// Shows a window that has not been shown before, centred.
void ShowCentred(QWidget* window);

}  // namespace wave

#endif  // WAVECALC_WINDOWS_QT_CENTRING_H_
