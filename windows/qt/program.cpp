#include "windows/qt/program.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <array>
#include <memory>

#include "windows/forms/form_spec.h"
#include "windows/qt/accessibility.h"
#include "windows/qt/look.h"
#include "windows/qt/wave_form.h"

namespace wave {

namespace {

std::unique_ptr<WaveForm>& SlotOf(WindowSlot which) {
  static std::array<std::unique_ptr<WaveForm>, std::size(kSlots)> windows;
  return windows[static_cast<std::size_t>(which)];
}

// Qt's own texts (a text box's context menu, for one) in Chinese too, where
// Qt's translations are installed.
void InstallQtTranslations() {
  static QTranslator translator;
  if (translator.load(QLocale(QLocale::Chinese, QLocale::China),
                      QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&translator);
  }
}

}  // namespace

void StartProgram() {
  static const bool prepared = [] {
    QApplication::setFont(MakeFont(kProgramFont, QApplication::font()));
    InstallAccessibility();
    InstallQtTranslations();
    // Windows must go before the application object does.
    qAddPostRoutine(EndProgram);
    return true;
  }();
  (void)prepared;
  ShowWindow(WindowSlot::kRising);
}

void ShowWindow(WindowSlot which) {
  std::unique_ptr<WaveForm>& slot = SlotOf(which);
  if (!slot) slot = std::make_unique<WaveForm>(FormOf(which));
  slot->MakeVisible();
}

WaveForm* WindowIn(WindowSlot which) { return SlotOf(which).get(); }

void EndProgram() {
  for (WindowSlot which : kSlots) SlotOf(which).reset();
}

}  // namespace wave
