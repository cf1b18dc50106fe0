#include "windows/look.h"

#include <QApplication>
#include <QPalette>
#include <QStringList>

namespace wave {

QFont MakeFont(const FontSpec& spec, const QFont& window_font) {
  if (spec.points == 0) return window_font;
  QFont font(QStringLiteral("宋体"));
  font.setPointSizeF(spec.points);
  font.setWeight(spec.bold ? QFont::Bold : QFont::Normal);
  // FreeType's auto-hinter first scans the whole CJK face; unhinted text
  // looks the same at these sizes and the window appears sooner.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

void InstallSongSubstitutes() {
  QFont::insertSubstitutions(
      QStringLiteral("宋体"),
      {QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN"),
       QStringLiteral("Noto Serif CJK SC")});
}

QColor FromBgr(Bgr bgr) {
  return QColor(static_cast<int>(bgr & 0xFF),
                static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

QColor ButtonFace() { return QApplication::palette().color(QPalette::Button); }

}  // namespace wave
