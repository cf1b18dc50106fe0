#include "windows/win32/png_decode.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace wave {

namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P',  'N',  'G',
                                                    '\r', '\n', 0x1A, '\n'};
// Far beyond any window's picture: a damaged size asks for no more.
constexpr std::uint64_t kMostPixels = std::uint64_t{1} << 26;

std::uint32_t BigEndian32(const std::uint8_t* bytes) {
  return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
         std::uint32_t{bytes[2]} << 8 | bytes[3];
}

int BigEndian16(const std::uint8_t* bytes) { return bytes[0] << 8 | bytes[1]; }

// Samples a pixel, by colour type; 0 for the types PNG does not have.
int Channels(int colour_type) {
  switch (colour_type) {
    case 0:  // grey
    case 3:  // palette
      return 1;
    case 4:  // grey and alpha
      return 2;
    case 2:  // RGB
      return 3;
    case 6:  // RGBA
      return 4;
    default:
      return 0;
  }
}

int Paeth(int left, int up, int up_left) {
  const int estimate = left + up - up_left;
  const int to_left = std::abs(estimate - left);
  const int to_up = std::abs(estimate - up);
  const int to_up_left = std::abs(estimate - up_left);
  if (to_left <= to_up && to_left <= to_up_left) return left;
  return to_up <= to_up_left ? up : up_left;
}

// Undoes each row's filter in place; rows start with their filter byte.
bool Unfilter(std::vector<std::uint8_t>& rows, std::size_t stride,
              std::size_t pixel_bytes) {
  const std::uint8_t* prior = nullptr;
  for (std::size_t start = 0; start < rows.size(); start += stride) {
    const std::uint8_t filter = rows[start];
    if (filter > 4) return false;
    std::uint8_t* line = rows.data() + start + 1;
    for (std::size_t i = 0; i + 1 < stride; ++i) {
      const int left = i >= pixel_bytes ? line[i - pixel_bytes] : 0;
      const int up = prior != nullptr ? prior[i] : 0;
      const int up_left =
          prior != nullptr && i >= pixel_bytes ? prior[i - pixel_bytes] : 0;
      int add = 0;
      switch (filter) {
        case 1:
          add = left;
          break;
        case 2:
          add = up;
          break;
        case 3:
          add = (left + up) / 2;
          break;
        case 4:
          add = Paeth(left, up, up_left);
          break;
        default:
          break;
      }
      line[i] = static_cast<std::uint8_t>(line[i] + add);
    }
    prior = line;
  }
  return true;
}

// Fills rows exactly: a stream that ends short or runs on is damaged.
bool Inflate(const std::vector<std::uint8_t>& compressed,
             std::vector<std::uint8_t>& rows) {
  if (compressed.size() > UINT32_MAX || rows.size() > UINT32_MAX) return false;
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) return false;
  stream.next_in = const_cast<Bytef*>(compressed.data());
  stream.avail_in = static_cast<uInt>(compressed.size());
  stream.next_out = rows.data();
  stream.avail_out = static_cast<uInt>(rows.size());
  const bool whole =
      inflate(&stream, Z_FINISH) == Z_STREAM_END && stream.avail_out == 0;
  inflateEnd(&stream);
  return whole;
}

std::uint8_t Premultiplied(int sample, int alpha) {
  return static_cast<std::uint8_t>(alpha == 255 ? sample
                                                : (sample * alpha + 127) / 255);
}

}  // namespace

std::optional<Picture> DecodePng(std::span<const std::uint8_t> bytes) {
  Picture picture;
  const bool decoded = DecodePngInto(bytes, [&](int width, int height) {
    picture.width = width;
    picture.height = height;
    picture.pixels.resize(std::size_t{4} * static_cast<std::size_t>(width) *
                          static_cast<std::size_t>(height));
    return picture.pixels.data();
  });
  if (!decoded) return std::nullopt;
  return picture;
}

bool DecodePngInto(std::span<const std::uint8_t> bytes,
                   const PixelPlace& place) {
  if (bytes.size() < kSignature.size() ||
      !std::equal(kSignature.begin(), kSignature.end(), bytes.begin())) {
    return false;
  }
  std::uint32_t width = 0, height = 0;
  int colour_type = -1;
  std::array<std::array<std::uint8_t, 4>, 256> palette{};  // RGBA
  std::size_t palette_size = 0;
  std::optional<std::array<int, 3>> transparent;  // grey or RGB
  std::vector<std::uint8_t> compressed;
  bool header = false;
  for (std::size_t at = kSignature.size();;) {
    if (bytes.size() - at < 12) return false;
    const std::uint32_t length = BigEndian32(&bytes[at]);
    if (length > bytes.size() - at - 12) return false;
    const std::uint8_t* type = &bytes[at + 4];
    const std::uint8_t* data = type + 4;
    if (crc32(0, type, length + 4) != BigEndian32(data + length)) {
      return false;
    }
    at += 12 + std::size_t{length};
    const std::string_view name(reinterpret_cast<const char*>(type), 4);
    if (name == "IHDR") {
      if (header || length != 13) return false;
      width = BigEndian32(data);
      height = BigEndian32(data + 4);
      colour_type = data[9];
      // 8 bits a sample, deflate, the one filter method, not interlaced.
      if (width == 0 || height == 0 ||
          std::uint64_t{width} * height > kMostPixels || data[8] != 8 ||
          Channels(colour_type) == 0 || data[10] != 0 || data[11] != 0 ||
          data[12] != 0) {
        return false;
      }
      header = true;
    } else if (!header) {
      return false;
    } else if (name == "PLTE") {
      if (length == 0 || length % 3 != 0 || length / 3 > 256) {
        return false;
      }
      palette_size = length / 3;
      for (std::size_t i = 0; i < palette_size; ++i) {
        palette[i] = {data[3 * i], data[3 * i + 1], data[3 * i + 2], 255};
      }
    } else if (name == "tRNS") {
      if (colour_type == 3 && length <= palette_size) {
        for (std::size_t i = 0; i < length; ++i) palette[i][3] = data[i];
      } else if (colour_type == 0 && length == 2) {
        const int grey = BigEndian16(data);
        transparent = std::array<int, 3>{grey, grey, grey};
      } else if (colour_type == 2 && length == 6) {
        transparent = std::array<int, 3>{
            BigEndian16(data), BigEndian16(data + 2), BigEndian16(data + 4)};
      } else {
        return false;
      }
    } else if (name == "IDAT") {
      compressed.insert(compressed.end(), data, data + length);
    } else if (name == "IEND") {
      break;
    } else if ((type[0] & 0x20) == 0) {
      return false;  // a chunk the picture cannot be drawn without
    }
  }
  if (colour_type == 3 && palette_size == 0) return false;
  const std::size_t channels = static_cast<std::size_t>(Channels(colour_type));
  const std::size_t stride = 1 + channels * width;
  std::vector<std::uint8_t> rows(stride * height);
  if (!Inflate(compressed, rows) || !Unfilter(rows, stride, channels)) {
    return false;
  }
  std::uint8_t* out = place(static_cast<int>(width), static_cast<int>(height));
  if (out == nullptr) return false;
  for (std::size_t y = 0; y < height; ++y) {
    const std::uint8_t* sample = rows.data() + y * stride + 1;
    for (std::size_t x = 0; x < width; ++x, sample += channels) {
      std::array<std::uint8_t, 4> rgba{};
      switch (colour_type) {
        case 0:
        case 4:
          rgba = {sample[0], sample[0], sample[0],
                  colour_type == 4 ? sample[1] : std::uint8_t{255}};
          break;
        case 2:
          rgba = {sample[0], sample[1], sample[2], 255};
          break;
        case 3:
          if (sample[0] >= palette_size) return false;
          rgba = palette[sample[0]];
          break;
        default:
          rgba = {sample[0], sample[1], sample[2], sample[3]};
          break;
      }
      if (transparent && rgba[0] == (*transparent)[0] &&
          rgba[1] == (*transparent)[1] && rgba[2] == (*transparent)[2]) {
        rgba[3] = 0;
      }
      *out++ = Premultiplied(rgba[2], rgba[3]);
      *out++ = Premultiplied(rgba[1], rgba[3]);
      *out++ = Premultiplied(rgba[0], rgba[3]);
      *out++ = rgba[3];
    }
  }
  return true;
}

}  // namespace wave
