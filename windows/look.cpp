#include "windows/look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPalette>
#include <QString>

namespace wave {

namespace {

// "宋体" itself where it is installed (Chinese Windows), else the first
// Song-style face that is: Noto Serif CJK SC for its true bold, then AR PL
// UMing, both in Debian. Asking for the face by name spares Qt the search
// for fallbacks that a substituted family costs on every font it loads.
const QString& SongFamily() {
  static const QString family = [] {
    const QString candidates[] = {
        QStringLiteral("宋体"), QStringLiteral("SimSun"),
        QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN")};
    for (const QString& candidate : candidates) {
      if (QFontDatabase::hasFamily(candidate)) return candidate;
    }
    return candidates[0];
  }();
  return family;
}

}  // namespace

QFont MakeFont(const FontSpec& design, const QFont& window_font) {
  if (design.points == 0) return window_font;
  QFont font(SongFamily());
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

QFont WithHalfWidthDigits(QFont font) {
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
