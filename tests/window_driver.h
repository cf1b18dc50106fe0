// Helpers for tests that drive the real windows as a user would.
#ifndef WAVECALC_TESTS_WINDOW_DRIVER_H_
#define WAVECALC_TESTS_WINDOW_DRIVER_H_

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QtTest>

#include "windows/program.h"

namespace wave_test {

inline QWidget* Rising() { return wave::WindowIn(wave::WindowSlot::kRising); }
inline QWidget* Falling() { return wave::WindowIn(wave::WindowSlot::kFalling); }

template <typename T>
T* Find(QWidget* form, const char* name) {
  T* control = form ? form->findChild<T*>(QLatin1String(name)) : nullptr;
  if (control == nullptr) qFatal("no %s in the window", name);
  return control;
}

inline QString Caption(QWidget* form, const char* label) {
  return Find<QLabel>(form, label)->text();
}

inline QStringList Captions(QWidget* form, const QStringList& labels) {
  QStringList captions;
  for (const QString& label : labels) {
    captions << Caption(form, label.toLatin1().constData());
  }
  return captions;
}

inline void TypeInto(QWidget* form, const char* box, const QString& text) {
  auto* edit = Find<QLineEdit>(form, box);
  edit->clear();
  QTest::keyClicks(edit, text);
}

inline void Click(QWidget* form, const char* button) {
  QTest::mouseClick(Find<QPushButton>(form, button), Qt::LeftButton);
}

// The falling window, reached as a user does: "切换下跌浪" on the rising one.
inline QWidget* SwitchToFalling() {
  Click(Rising(), "Command4");
  return Falling();
}

}  // namespace wave_test

#endif  // WAVECALC_TESTS_WINDOW_DRIVER_H_
