#include "windows/qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>

#include "windows/qt/picture_box.h"
#include "windows/qt/wave_form.h"

namespace wave {

namespace {

// The logo opens the maker's page: a link, activated with "press".
class AccessibleLogo : public QAccessibleWidget {
 public:
  explicit AccessibleLogo(PictureBox* logo)
      : QAccessibleWidget(logo, QAccessible::Link) {}

  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action == pressAction()) static_cast<PictureBox*>(widget())->Click();
  }
};

QAccessibleInterface* Interfaces(const QString& class_name, QObject* object) {
  if (class_name == QLatin1String(WaveForm::staticMetaObject.className())) {
    return new QAccessibleWidget(static_cast<QWidget*>(object),
                                 QAccessible::Window);
  }
  if (class_name == QLatin1String(PictureBox::staticMetaObject.className())) {
    return new AccessibleLogo(static_cast<PictureBox*>(object));
  }
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  QAccessible::removeFactory(Interfaces);
  QAccessible::installFactory(Interfaces);
}

}  // namespace wave
