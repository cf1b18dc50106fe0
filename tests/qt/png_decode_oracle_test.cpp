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
#include <string>
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

// Changes the filtered rows themselves: the file is written again around
// them, with the chunks before the pixels kept.
std::function<void(Bytes&)> Rows(std::function<void(Bytes&)> change) {
  return [change](Bytes& png) {
    Bytes kept(png.begin(), png.begin() + 8), compressed;
    for (std::size_t at = 8; at + 12 <= png.size();) {
      const std::uint32_t length =
          png[at] << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3];
      const std::string type(png.begin() + at + 4, png.begin() + at + 8);
      const auto data = png.begin() + at + 8;
      if (type == "IDAT")
        compressed.insert(compressed.end(), data, data + length);
      if (type != "IDAT" && type != "IEND") {
        kept.insert(kept.end(), png.begin() + at, data + length + 4);
      }
      at += 12 + length;
    }
    Bytes rows(1 << 20);
    uLongf size = rows.size();
    ASSERT_EQ(
        uncompress(rows.data(), &size, compressed.data(), compressed.size()),
        Z_OK);
    rows.resize(size);
    change(rows);
    Bytes packed(compressBound(rows.size()));
    uLongf packed_size = packed.size();
    ASSERT_EQ(compress(packed.data(), &packed_size, rows.data(), rows.size()),
              Z_OK);
    packed.resize(packed_size);
    png = kept;
    AddChunk(png, "IDAT", packed);
    AddChunk(png, "IEND", {});
  };
}

TEST(PngDecodeOracleTest, RefusesADamagedFile) {
  const Bytes whole =
      Read(std::filesystem::path(WAVE_SOURCE_DIR) / "assets/logo.png");
  ASSERT_TRUE(wave::DecodePng(whole).has_value());
  Bytes repacked = whole;
  Rows([](Bytes&) {})(repacked);
  ASSERT_TRUE(wave::DecodePng(repacked).has_value());
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
      {"an unknown row filter", Rows([](Bytes& rows) { rows[0] = 5; })},
  };
  for (const auto& [damage, apply] : kDamages) {
    SCOPED_TRACE(damage);
    Bytes png = whole;
    apply(png);
    EXPECT_FALSE(wave::DecodePng(png).has_value());
  }
}

}  // namespace
