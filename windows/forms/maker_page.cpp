#include "windows/forms/maker_page.h"

namespace wave {

// The project's home page: the build writes the same address into the
// package, its metadata and the manual.
std::string_view MakerPageAddress() { return WAVE_MAKER_PAGE; }

std::string MakerPageCommand() {
  return std::string("explorer.exe ").append(MakerPageAddress());
}

}  // namespace wave
