// PNG decoding without WIC, whose libraries would otherwise load before the
// first window is painted. Plain C++ over zlib, so it is fuzzed on Linux.
#ifndef WAVECALC_WINDOWS_WIN32_PNG_DECODE_H_
#define WAVECALC_WINDOWS_WIN32_PNG_DECODE_H_

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "windows/win32/picture.h"

namespace wave {

// The pixels of a PNG of 8 bits a sample, not interlaced, in any colour
// type: the kinds our pictures are drawn in and WIC saves. Nothing for any
// other kind, or for a damaged file.
std::optional<Picture> DecodePng(std::span<const std::uint8_t> bytes);

// The same pixels, 32-bit top-down BGRA premultiplied, written where
// place(width, height) says, or nowhere if it gives null: a bitmap needs no
// copy. False for what DecodePng refuses; the place may then hold part.
using PixelPlace = std::function<std::uint8_t*(int width, int height)>;
bool DecodePngInto(std::span<const std::uint8_t> bytes,
                   const PixelPlace& place);

}  // namespace wave

#endif  // WAVECALC_WINDOWS_WIN32_PNG_DECODE_H_
