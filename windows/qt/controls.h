// Turns any form table into widgets, so the windows share one factory and
// carry no geometry, text or order of their own.
#ifndef WAVECALC_WINDOWS_QT_CONTROLS_H_
#define WAVECALC_WINDOWS_QT_CONTROLS_H_

#include <QHash>
#include <QString>

#include "windows/forms/form_spec.h"

class QWidget;

namespace wave {

// Creates every control of the table inside form, named as in the table,
// with tab order, first focus and stacking as designed. Returns the
// controls by name.
QHash<QString, QWidget*> BuildControls(QWidget* form, const FormSpec& table);

}  // namespace wave

#endif  // WAVECALC_WINDOWS_QT_CONTROLS_H_
