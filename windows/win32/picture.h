// A picture as the Win32 front end holds it, in plain C++.
#ifndef WAVECALC_WINDOWS_WIN32_PICTURE_H_
#define WAVECALC_WINDOWS_WIN32_PICTURE_H_

#include <vector>

namespace wave {

// A 32-bit top-down picture, alpha premultiplied.
struct Picture {
  int width = 0, height = 0;
  std::vector<unsigned char> pixels;  // BGRA rows
};

}  // namespace wave

#endif  // WAVECALC_WINDOWS_WIN32_PICTURE_H_
