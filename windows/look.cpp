#include "windows/look.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPalette>
#include <QStringList>

namespace wave {

QFont MakeFont(const FontSpec& spec, const QFont& window_font) {
  if (spec.points == 0) return window_font;
  QFont font(QStringLiteral("宋体"));
  font.setPointSizeF(spec.points);
  font.setWeight(spec.bold ? QFont::Bold : QFont::Normal);
  // The designed faces have no kerning; cells of text keep their widths.
  font.setKerning(false);
  // FreeType's auto-hinter first scans the whole CJK face; unhinted text
  // looks the same at these sizes and the window appears sooner.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QFont WithHalfWidthDigits(QFont font) {
  const qreal spacing = QFontInfo(font).pixelSize() / 2.0 -
                        QFontMetricsF(font).horizontalAdvance(QLatin1Char('0'));
  font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
  return font;
}

void InstallSongSubstitutes() {
  QFont::insertSubstitutions(
      QStringLiteral("宋体"),
      {QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
       QStringLiteral("AR PL UMing CN")});
}

QColor FromBgr(Bgr bgr) {
  return QColor(static_cast<int>(bgr & 0xFF),
                static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

QColor ButtonFace() { return QApplication::palette().color(QPalette::Button); }

}  // namespace wave
