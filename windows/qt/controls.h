// Layout tables for the two windows.
//
// Each window is described by one FormSpec: its title, client size, back
// colour, background picture and a table with one row per control, in the
// design units (twips) and colour notation (&H00BBGGRR&) it was drawn in.
// BuildControls turns any such table into widgets, so the windows share one
// factory and carry no geometry code of their own.
#ifndef WAVECALC_WINDOWS_CONTROL_TABLE_H_
#define WAVECALC_WINDOWS_CONTROL_TABLE_H_

#include <QHash>
#include <QString>
#include <span>
#include <string_view>

#include "windows/look.h"

class QWidget;

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

inline constexpr std::string_view kOnForm = "";
inline constexpr int kNoTabStop = -1;

struct ControlSpec {
  std::string_view name;
  ControlKind kind;
  std::string_view parent;       // kOnForm or the name of a frame
  int left, top, width, height;  // twips, in the parent's client area
  std::string_view caption;      // UTF-8
  FontSpec font;
  Colour fore, back;
  int tab_index;
  std::string_view picture = {};          // resource path, for images
  std::string_view accessible_name = {};  // when the caption does not say
};

struct FormSpec {
  std::string_view name;
  std::string_view title;
  std::string_view picture_name;  // what a saved picture of it is called
  int width, height;              // client area, twips
  Colour back;                    // the platform's: the button face
  std::string_view background;    // resource path of the chart
  std::span<const ControlSpec> controls;
};

// Creates every control of the table inside form, named as in the table,
// with tab order and stacking as designed. Returns the controls by name.
QHash<QString, QWidget*> BuildControls(QWidget* form, const FormSpec& table);

}  // namespace wave

#endif  // WAVECALC_WINDOWS_CONTROL_TABLE_H_
