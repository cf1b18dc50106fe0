// Pictures of a window to share: what the window shows, at the screen's
// resolution, without the marks of editing (focus frames, the text cursor,
// selections), copied to the clipboard or saved as a PNG file.
#ifndef WAVECALC_WINDOWS_QT_WINDOW_PICTURE_H_
#define WAVECALC_WINDOWS_QT_WINDOW_PICTURE_H_

#include <QImage>
#include <QString>
#include <string_view>

class QWidget;

namespace wave {

// The window's client area at its device pixel ratio.
QImage PictureOf(QWidget* window);

// The picture's file name for this moment, in the user's Pictures folder.
QString SuggestedPicturePath(std::string_view stem);

// Asks where to save, then writes the picture there whole or not at all; a
// failure is reported with the path and its reason. Cancelling does nothing.
void SavePicture(QWidget* window, const QImage& picture, std::string_view stem);

}  // namespace wave

#endif  // WAVECALC_WINDOWS_QT_WINDOW_PICTURE_H_
