#include "windows/maker_page.h"

#include <QDesktopServices>
#include <QString>

#include "core/run_error.h"
#include "windows/dialogs.h"

namespace wave {

QUrl MakerPageAddress() {
  // The project's home page, which the build also writes into the package
  // and its metadata.
  return QUrl(QStringLiteral(WAVE_MAKER_PAGE));
}

void OpenMakerPage(QWidget* window) {
  if (!QDesktopServices::openUrl(MakerPageAddress())) {
    ReportError(window, RunError(ErrorKind::kLaunchFailure));
  }
}

}  // namespace wave
