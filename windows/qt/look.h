// Fonts and colours of the windows, in the notation they were designed in:
// point sizes of "宋体" and colours written &H00BBGGRR&.
#ifndef WAVECALC_WINDOWS_LOOK_H_
#define WAVECALC_WINDOWS_LOOK_H_

#include <QColor>
#include <QFont>
#include <QString>
#include <cstdint>
#include <optional>
#include <string_view>

namespace wave {

// Points 0 means the window's own font.
struct FontSpec {
  double points = 0;
  bool bold = false;
};

inline constexpr FontSpec kWindowFont{};
// The windows' own font, which Qt's menus, tips and boxes use as well.
inline constexpr FontSpec kProgramFont{9, false};
inline constexpr FontSpec kRegular10_5{10.5, false};
inline constexpr FontSpec kRegular12{12, false};
inline constexpr FontSpec kBold12{12, true};
inline constexpr FontSpec kBold14_25{14.25, true};

// "宋体" at the designed size and weight, or the Song-style face that stands
// in for it where it is missing; the window font when design.points is 0.
// Needs a QGuiApplication.
QFont MakeFont(const FontSpec& design, const QFont& window_font);

// "宋体" itself where it is installed (Chinese Windows), else the first
// Song-style face that is: Noto Serif CJK SC for its true bold, then AR PL
// UMing, both in Debian. Needs a QGuiApplication.
const QString& SongFamily();

// The family of the Song-face glyphs that the program carries and draws
// its own texts with, or empty where it draws them from an installed face.
QString EmbeddedSongFamily();

// The designed faces give every ASCII character a cell half an em wide; the
// letter spacing that brings c to that width in font.
qreal HalfEmSpacing(const QFont& font, QChar c);

// font with its digits spaced to half an em, for text that Qt lays out (the
// input boxes): a four-digit price fits its box.
QFont WithHalfWidthDigits(QFont font);

// A colour written &H00BBGGRR&.
using Bgr = std::uint32_t;
// No value: the platform's colour for that part.
using Colour = std::optional<Bgr>;

inline constexpr Colour kPlatformColour = std::nullopt;
inline constexpr Bgr kWhite = 0x00FFFFFF;

QColor FromBgr(Bgr bgr);

// The platform's button-face colour, the back colour of anything without
// one of its own.
QColor ButtonFace();

inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace wave

#endif  // WAVECALC_WINDOWS_LOOK_H_
