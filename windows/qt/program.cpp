#include "windows/program.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <array>
#include <memory>

#include "windows/accessibility.h"
#include "windows/falling_form.h"
#include "windows/look.h"
#include "windows/rising_form.h"

namespace wave {

namespace {

template <typename Form>
std::unique_ptr<WaveForm> Create() {
  return std::make_unique<Form>();
}

struct SlotRow {
  WindowSlot which;
  std::unique_ptr<WaveForm> (*create)();
};

constexpr SlotRow kSlots[] = {
    {WindowSlot::kRising, &Create<RisingForm>},
    {WindowSlot::kFalling, &Create<FallingForm>},
};

constexpr std::size_t IndexOf(WindowSlot which) {
  return static_cast<std::size_t>(which);
}

constexpr bool OneRowPerSlotInOrder() {
  for (std::size_t i = 0; i < std::size(kSlots); ++i) {
    if (IndexOf(kSlots[i].which) != i) return false;
  }
  return true;
}
static_assert(OneRowPerSlotInOrder(), "kSlots follows WindowSlot");

std::unique_ptr<WaveForm>& SlotOf(WindowSlot which) {
  static std::array<std::unique_ptr<WaveForm>, std::size(kSlots)> windows;
  return windows[IndexOf(which)];
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
  if (!slot) slot = kSlots[IndexOf(which)].create();
  slot->MakeVisible();
}

QWidget* WindowIn(WindowSlot which) { return SlotOf(which).get(); }

void EndProgram() {
  for (const SlotRow& row : kSlots) SlotOf(row.which).reset();
}

}  // namespace wave
