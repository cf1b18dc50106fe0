// What screen readers are told beyond what Qt tells them by itself: each
// window is a frame named by its title, and the logo is a link that can be
// activated.
#ifndef WAVECALC_WINDOWS_QT_ACCESSIBILITY_H_
#define WAVECALC_WINDOWS_QT_ACCESSIBILITY_H_

namespace wave {

// Needs a QGuiApplication; installing twice does no harm.
void InstallAccessibility();

}  // namespace wave

#endif  // WAVECALC_WINDOWS_QT_ACCESSIBILITY_H_
