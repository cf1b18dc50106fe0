#include "windows/program.h"

#include <QCoreApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>
#include <memory>

#include "windows/falling_form.h"
#include "windows/rising_form.h"

namespace wave {

namespace {

struct WindowSlots {
  std::unique_ptr<RisingForm> form1;
  std::unique_ptr<FallingForm> form2;
};

WindowSlots& Slots() {
  static WindowSlots window_slots;
  return window_slots;
}

template <typename Form>
void ShowWindow(std::unique_ptr<Form>& slot) {
  if (!slot) slot = std::make_unique<Form>();
  slot->ShowWindow();
}

// Where "宋体" is missing (anywhere but Chinese Windows), a Song-style CJK
// face that Debian ships stands in for it.
void InstallFontSubstitutes() {
  QFont::insertSubstitutions(
      QStringLiteral("宋体"),
      {QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN"),
       QStringLiteral("Noto Serif CJK SC")});
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
    InstallFontSubstitutes();
    InstallQtTranslations();
    // Windows must go before the application object does.
    qAddPostRoutine(EndProgram);
    return true;
  }();
  (void)prepared;
  ShowRisingWindow();
}

void ShowRisingWindow() { ShowWindow(Slots().form1); }

void ShowFallingWindow() { ShowWindow(Slots().form2); }

void EndProgram() {
  Slots().form2.reset();
  Slots().form1.reset();
}

}  // namespace wave
