// Layout tables for the two windows.
//
// Each window is described by one FormSpec: its title, client size, back
// colour, background picture and a table with one row per control, in the
// design units (twips) and colour notation (&H00BBGGRR&) it was drawn in.
// BuildControls turns any such table into widgets, so the windows share one
// factory and carry no geometry code of their own.
#ifndef WAVECALC_WINDOWS_CONTROL_TABLE_H_
#define WAVECALC_WINDOWS_CONTROL_TABLE_H_

#include <QColor>
#include <QFont>
#include <QHash>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <span>
#include <string_view>

namespace wave {

inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) { return twips / kTwipsPerPixel; }

enum class ControlKind {
  kLabel,
  kTextBox,
  kButton,
  kDefaultButton,    // runs when Enter is pressed in a text box
  kGraphicalButton,  // paints its own back colour
  kFrame,
  kImage,
};

// A colour written &H00BBGGRR&, or kDefaultColour for the platform's.
using BgrColour = std::int64_t;
inline constexpr BgrColour kDefaultColour = -1;
inline constexpr BgrColour kWhite = 0x00FFFFFF;

QColor FromBgr(BgrColour bgr);

// The platform's button-face colour, the back colour of anything without
// one of its own.
QColor ButtonFace();

QString FromUtf8(std::string_view text);

// Point size 0 means the window's own font.
struct FontSpec {
  double points = 0;
  bool bold = false;
};

inline constexpr FontSpec kWindowFont{};
inline constexpr FontSpec kRegular10{10.5, false};
inline constexpr FontSpec kRegular12{12, false};
inline constexpr FontSpec kBold12{12, true};
inline constexpr FontSpec kBold14{14.25, true};

inline constexpr std::string_view kOnForm = "";
inline constexpr int kNoTabStop = -1;

struct ControlSpec {
  std::string_view name;
  ControlKind kind;
  std::string_view parent;       // kOnForm or the name of a frame
  int left, top, width, height;  // twips, in the parent's client area
  std::string_view caption;      // UTF-8
  FontSpec font;
  BgrColour fore, back;
  int tab_index;
  std::string_view picture = {};          // resource path, for images
  std::string_view accessible_name = {};  // when the caption does not say
};

struct FormSpec {
  std::string_view name;
  std::string_view title;
  int width, height;            // client area, twips
  BgrColour back;               // kDefaultColour: the button face
  std::string_view background;  // resource path of the chart
  std::span<const ControlSpec> controls;
};

// "宋体" at the given size; the window font when points is 0.
QFont MakeFont(const FontSpec& size, const QFont& window_font);

// Creates every control of the table inside form, named as in the table,
// with tab order and stacking as designed. Returns the controls by name.
QHash<QString, QWidget*> BuildControls(QWidget* form, const FormSpec& table);

}  // namespace wave

#endif  // WAVECALC_WINDOWS_CONTROL_TABLE_H_
