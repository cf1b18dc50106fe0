// Pictures of a window to share: what the window shows, at the screen's
// resolution, without the marks of editing (focus frames, the text cursor,
// selections), copied to the clipboard or saved as a PNG file.
#ifndef WAVECALC_WINDOWS_WINDOW_PICTURE_H_
#define WAVECALC_WINDOWS_WINDOW_PICTURE_H_

#include <QDateTime>
#include <QImage>
#include <QString>

class QWidget;

namespace wave {

// The window's client area at its device pixel ratio.
QImage PictureOf(QWidget* window);

// "<what>-20261208-1530.png" in the user's Pictures folder.
QString SuggestedPicturePath(const QString& what, const QDateTime& when);

// Asks where to save, then writes the picture there whole or not at all; a
// failure is reported with the path and its reason. Cancelling does nothing.
void SavePicture(QWidget* window, const QImage& picture, const QString& what);

}  // namespace wave

#endif  // WAVECALC_WINDOWS_WINDOW_PICTURE_H_
