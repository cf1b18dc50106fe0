// Fonts and colours of the windows, in the notation they were designed in:
// point sizes of "宋体" and colours written &H00BBGGRR&.
#ifndef WAVECALC_WINDOWS_QT_LOOK_H_
#define WAVECALC_WINDOWS_QT_LOOK_H_

#include <QColor>
#include <QFont>
#include <QString>
#include <string>
#include <string_view>

#include "windows/forms/form_spec.h"

namespace wave {

// "宋体" at the designed size and weight, or the Song-style face that stands
// in for it where it is missing; the window font when design.points is 0.
// Needs a QGuiApplication.
QFont MakeFont(const FontSpec& design, const QFont& window_font);

// The first of SongFaces() that is installed: "宋体" itself on Chinese
// Windows, else a Song-style face that stands in for it. Needs a
// QGuiApplication.
const QString& SongFamily();

// The family of the Song-face glyphs that the program carries and draws
// its own texts with, or empty where it draws them from an installed face.
QString EmbeddedSongFamily();

// The designed faces give every ASCII character a cell half an em wide; the
// letter spacing that brings c to that width in font.
qreal HalfEmSpacing(const QFont& font, QChar c);

// font with every character spaced by what brings a digit to half an em,
// for text that Qt lays out (the input boxes): a four-digit price fits its
// box.
QFont SpacedLikeDigits(QFont font);

QColor FromBgr(Bgr bgr);

// The platform's button-face colour, the back colour of anything without
// one of its own.
QColor ButtonFace();

inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToUtf8(const QString& text) { return text.toStdString(); }

// The resource path of a picture of ours, by asset name.
inline QString AssetPath(std::string_view asset) {
  return QStringLiteral(":/assets/") + FromUtf8(asset) + QStringLiteral(".png");
}

}  // namespace wave

#endif  // WAVECALC_WINDOWS_QT_LOOK_H_
