#include "windows/maker_page.h"

#include <QDesktopServices>
#include <QString>

#include "core/run_error.h"
#include "windows/error_report.h"

namespace wave {

QUrl MakerPageAddress() {
  return QUrl(QStringLiteral("http://") +
              QString::fromLatin1(kMakerHost.data(),
                                  static_cast<qsizetype>(kMakerHost.size())) +
              QStringLiteral("/tolm-233-1.html"));
}

void OpenMakerPage(QWidget* window) {
  if (!QDesktopServices::openUrl(MakerPageAddress())) {
    ReportError(window, RunError(ErrorKind::kLaunchFailure));
  }
}

}  // namespace wave
