// Feeds arbitrary bytes to the Win32 front end's PNG decoder, each chunk's
// checksum made right first so that changes reach past it. What decodes is
// a whole picture: four bytes a pixel, no colour above its alpha.
#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "windows/win32/png_decode.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

std::uint32_t BigEndian32(const std::uint8_t* bytes) {
  return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
         std::uint32_t{bytes[2]} << 8 | bytes[3];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  std::vector<std::uint8_t> bytes(data, data + size);
  for (std::size_t at = 8; bytes.size() >= at + 12;) {
    const std::uint32_t length = BigEndian32(&bytes[at]);
    if (length > bytes.size() - at - 12) break;
    const auto crc = static_cast<std::uint32_t>(
        crc32(0, &bytes[at + 4], static_cast<uInt>(length) + 4));
    for (int i = 0; i < 4; ++i) {
      bytes[at + 8 + length + i] =
          static_cast<std::uint8_t>(crc >> (24 - 8 * i));
    }
    at += 12 + std::size_t{length};
  }
  const std::optional<wave::Picture> picture = wave::DecodePng(bytes);
  if (!picture) return 0;
  Require(picture->width > 0 && picture->height > 0);
  Require(picture->pixels.size() ==
          std::size_t{4} * static_cast<std::size_t>(picture->width) *
              static_cast<std::size_t>(picture->height));
  for (std::size_t i = 0; i < picture->pixels.size(); i += 4) {
    const std::uint8_t alpha = picture->pixels[i + 3];
    Require(picture->pixels[i] <= alpha && picture->pixels[i + 1] <= alpha &&
            picture->pixels[i + 2] <= alpha);
  }
  return 0;
}
