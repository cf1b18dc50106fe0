#include "windows/qt/look.h"

#include <QApplication>
#include <QByteArray>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPalette>
#include <QString>
#include <QStringList>

#ifdef WAVE_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace wave {

namespace {

#ifdef WAVE_EMBEDDED_FAMILY
// Whatever the carried glyphs lack, text typed or pasted for one, is drawn
// from the installed face they were cut from, not from fontconfig's other
// choices. Told to fontconfig rather than to Qt, so the fallbacks are looked
// up when a missing glyph is first met, not for every font at start.
void FallBackToTheSongFace() {
#ifdef WAVE_HAVE_FONTCONFIG
  const QByteArray rule =
      QStringLiteral(
          "<?xml version=\"1.0\"?>"
          "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">"
          "<fontconfig><alias binding=\"same\"><family>%1</family>"
          "<accept><family>%2</family></accept></alias></fontconfig>")
          .arg(QStringLiteral(WAVE_EMBEDDED_FAMILY),
               QStringLiteral(WAVE_SONG_FACE))
          .toUtf8();
  FcConfigParseAndLoadFromMemory(
      FcConfigGetCurrent(), reinterpret_cast<const FcChar8*>(rule.constData()),
      FcFalse);
#else  // Qt then looks the fallbacks up for every font at start.
  QFont::insertSubstitution(QStringLiteral(WAVE_EMBEDDED_FAMILY),
                            QStringLiteral(WAVE_SONG_FACE));
#endif
}

bool LoadCarriedFaces() {
  for (const char* file :
       {":/faces/song-regular.otf", ":/faces/song-bold.otf"}) {
    if (QFontDatabase::addApplicationFont(QString::fromLatin1(file)) < 0) {
      return false;
    }
  }
  FallBackToTheSongFace();
  return true;
}
#endif

}  // namespace

// Asking for the face by name spares Qt the search for fallbacks that a
// substituted family costs on every font it loads.
const QString& SongFamily() {
  static const QString family = [] {
    // Not hasFamily(): it runs each name through fontconfig's aliases.
    const QStringList installed = QFontDatabase::families();
    for (std::string_view face : SongFaces()) {
      const QString candidate = FromUtf8(face);
      if (installed.contains(candidate, Qt::CaseInsensitive)) return candidate;
    }
    return FromUtf8(kDesignedFace);
  }();
  return family;
}

QString EmbeddedSongFamily() {
#ifdef WAVE_EMBEDDED_FAMILY
  // The glyphs were cut from this face; where another is used, so is it.
  static const bool carried =
      SongFamily() == QStringLiteral(WAVE_SONG_FACE) && LoadCarriedFaces();
  if (carried) return QStringLiteral(WAVE_EMBEDDED_FAMILY);
#endif
  return {};
}

QFont MakeFont(const FontSpec& design, const QFont& window_font) {
  if (design.points == 0) return window_font;
  const QString embedded = EmbeddedSongFamily();
  QFont font(embedded.isEmpty() ? SongFamily() : embedded);
  font.setPointSizeF(design.points);
  font.setWeight(design.bold ? QFont::Bold : QFont::Normal);
  // The designed faces have no kerning; cells of text keep their widths.
  font.setKerning(false);
  // Unhinted text looks the same at these sizes and costs less to draw.
  font.setHintingPreference(QFont::PreferNoHinting);
  // Chinese and Latin text need no OpenType shaping; without it, a face is
  // ready without its large layout tables.
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

qreal HalfEmSpacing(const QFont& font, QChar c) {
  return QFontInfo(font).pixelSize() / 2.0 -
         QFontMetricsF(font).horizontalAdvance(c);
}

QFont SpacedLikeDigits(QFont font) {
  font.setLetterSpacing(QFont::AbsoluteSpacing,
                        HalfEmSpacing(font, QLatin1Char('0')));
  return font;
}

QColor FromBgr(Bgr bgr) {
  return QColor(static_cast<int>(bgr & 0xFF),
                static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

QColor ButtonFace() { return QApplication::palette().color(QPalette::Button); }

}  // namespace wave
