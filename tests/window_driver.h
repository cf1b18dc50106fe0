// Helpers for tests that drive the real windows as a user would.
#ifndef WAVECALC_TESTS_WINDOW_DRIVER_H_
#define WAVECALC_TESTS_WINDOW_DRIVER_H_

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QtTest>

namespace wave_test {

inline QWidget* Form(const char* name) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == QLatin1String(name)) return widget;
  }
  return nullptr;
}

template <typename T>
T* Find(QWidget* form, const char* name) {
  T* control = form ? form->findChild<T*>(QLatin1String(name)) : nullptr;
  if (control == nullptr) qFatal("no %s in the window", name);
  return control;
}

inline QString Caption(QWidget* form, const char* label) {
  return Find<QLabel>(form, label)->text();
}

inline void TypeInto(QWidget* form, const char* box, const QString& text) {
  auto* edit = Find<QLineEdit>(form, box);
  edit->clear();
  QTest::keyClicks(edit, text);
}

inline void Click(QWidget* form, const char* button) {
  QTest::mouseClick(Find<QPushButton>(form, button), Qt::LeftButton);
}

}  // namespace wave_test

#endif  // WAVECALC_TESTS_WINDOW_DRIVER_H_
