// The Win32 front end's PNG decoder, checked against Qt's on every picture
// we carry or keep; and a damaged file is refused, never half read.
#include <zlib.h>

#include <QImage>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

#include "gtest/gtest.h"
#include "windows/win32/png_decode.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Read(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::filesystem::path> OurPictures() {
  std::vector<std::filesystem::path> found;
  for (const char* folder : {"assets", "docs"}) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(
             std::filesystem::path(WAVE_SOURCE_DIR) / folder)) {
      if (entry.path().extension() == ".png") found.push_back(entry.path());
    }
  }
  return found;
}

TEST(PngDecodeOracleTest, ReadsEveryPictureAsQtDoes) {
  const std::vector<std::filesystem::path> pictures = OurPictures();
  ASSERT_GE(pictures.size(), 8u);
  for (const auto& path : pictures) {
    SCOPED_TRACE(path.string());
    const std::optional<wave::Picture> decoded = wave::DecodePng(Read(path));
    ASSERT_TRUE(decoded.has_value());
    // Premultiplied ARGB32 lies in memory as the decoder's BGRA does.
    const QImage qt = QImage(QString::fromStdString(path.string()))
                          .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_EQ(decoded->width, qt.width());
    ASSERT_EQ(decoded->height, qt.height());
    Bytes expected;
    for (int y = 0; y < qt.height(); ++y) {
      const auto* row = reinterpret_cast<const std::uint8_t*>(qt.scanLine(y));
      expected.insert(expected.end(), row, row + 4 * qt.width());
    }
    EXPECT_TRUE(decoded->pixels == expected);
  }
}

// Rewrites a byte of the header, its checksum made right again.
std::function<void(Bytes&)> Header(std::size_t at, std::uint8_t value) {
  return [at, value](Bytes& png) {
    png[16 + at] = value;  // the header's fields start at byte 16
    const auto crc = static_cast<std::uint32_t>(crc32(0, &png[12], 17));
    for (int i = 0; i < 4; ++i) {
      png[29 + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
    }
  };
}

void AddChunk(Bytes& png, const char* type, const Bytes& data) {
  const auto length = static_cast<std::uint32_t>(data.size());
  for (int i = 0; i < 4; ++i) png.push_back(length >> (24 - 8 * i) & 0xFF);
  const std::size_t start = png.size();
  png.insert(png.end(), type, type + 4);
  png.insert(png.end(), data.begin(), data.end());
  const auto crc = static_cast<std::uint32_t>(
      crc32(0, &png[start], static_cast<uInt>(png.size() - start)));
  for (int i = 0; i < 4; ++i) png.push_back(crc >> (24 - 8 * i) & 0xFF);
}

// A PNG of one grey pixel, its one row filtered as given.
Bytes OnePixel(std::uint8_t filter) {
  Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  AddChunk(png, "IHDR", {0, 0, 0, 1, 0, 0, 0, 1, 8, 0, 0, 0, 0});
  const Bytes row = {filter, 0x80};
  Bytes packed(compressBound(row.size()));
  uLongf size = packed.size();
  compress(packed.data(), &size, row.data(), row.size());
  packed.resize(size);
  AddChunk(png, "IDAT", packed);
  AddChunk(png, "IEND", {});
  return png;
}

TEST(PngDecodeOracleTest, RefusesADamagedFile) {
  const Bytes whole =
      Read(std::filesystem::path(WAVE_SOURCE_DIR) / "assets/logo.png");
  ASSERT_TRUE(wave::DecodePng(whole).has_value());
  const struct {
    const char* damage;
    std::function<void(Bytes&)> apply;
  } kDamages[] = {
      {"not a PNG", [](Bytes& png) { png[1] = 'J'; }},
      {"cut short", [](Bytes& png) { png.resize(png.size() / 2); }},
      {"a byte changed under its checksum",
       [](Bytes& png) { png[png.size() / 2] ^= 0x10; }},
      {"one row more than the pixels fill", Header(7, whole[23] + 1)},
      {"one row fewer than the pixels fill", Header(7, whole[23] - 1)},
      {"16 bits a sample", Header(8, 16)},
      {"interlaced", Header(12, 1)},
      {"an unknown colour type", Header(9, 5)},
  };
  for (const auto& [damage, apply] : kDamages) {
    SCOPED_TRACE(damage);
    Bytes png = whole;
    apply(png);
    EXPECT_FALSE(wave::DecodePng(png).has_value());
  }
  EXPECT_TRUE(wave::DecodePng(OnePixel(4)).has_value());
  EXPECT_FALSE(wave::DecodePng(OnePixel(5)).has_value()) << "unknown filter";
}

}  // namespace
