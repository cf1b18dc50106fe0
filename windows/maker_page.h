// The maker's page link behind the logo of both windows. The address goes
// to the platform's URL handler (the shell on Windows, xdg-open on Linux),
// never through a shell command line.
#ifndef WAVECALC_WINDOWS_MAKER_PAGE_H_
#define WAVECALC_WINDOWS_MAKER_PAGE_H_

#include <QUrl>

class QWidget;

namespace wave {

// "http://", the maker's host and "/tolm-233-1.html".
QUrl MakerPageAddress();

// Returns at once; a launch that fails is reported like a board error.
void OpenMakerPage(QWidget* window);

}  // namespace wave

#endif  // WAVECALC_WINDOWS_MAKER_PAGE_H_
