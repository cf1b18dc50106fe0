// Gives a cut face a family name of its own, so that the glyphs the
// program carries are never taken for the installed face they came from.
// Usage: rename_face <in.otf> <family> <style> <out.otf>
// Rewrites the names of the family, style, full name and PostScript name
// in every record of the name table, and the file's checksums; every other
// table is copied as it is. The output depends on the input alone.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Read(const Bytes& data, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = 0; i < size; ++i) value = value << 8 | data.at(at + i);
  return value;
}

// A part of data; throws where the part runs past its end.
Bytes Slice(const Bytes& data, std::size_t from, std::size_t length) {
  if (from > data.size() || length > data.size() - from) {
    throw std::out_of_range("past the end");
  }
  return Bytes(data.begin() + from, data.begin() + from + length);
}

void Write(Bytes& data, std::uint32_t value, int size) {
  for (int i = size - 1; i >= 0; --i) data.push_back(value >> (8 * i) & 0xFF);
}

void Put(Bytes& data, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) data[at + i] = value >> (8 * (3 - i)) & 0xFF;
}

std::uint32_t Checksum(const Bytes& data) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < data.size(); i += 4) {
    std::uint32_t word = 0;
    for (std::size_t j = 0; j < 4; ++j) {
      word = word << 8 | (i + j < data.size() ? data[i + j] : 0);
    }
    sum += word;
  }
  return sum;
}

// A name record's text: UTF-16BE for Unicode and Windows, else one byte a
// character (our names are ASCII).
Bytes Encode(const std::string& text, std::uint32_t platform) {
  Bytes encoded;
  for (const char c : text) {
    if (platform == 0 || platform == 3) encoded.push_back(0);
    encoded.push_back(static_cast<std::uint8_t>(c));
  }
  return encoded;
}

Bytes Renamed(const Bytes& table,
              const std::map<std::uint32_t, std::string>& names) {
  const std::uint32_t count = Read(table, 2, 2);
  const std::uint32_t storage = Read(table, 4, 2);
  Bytes records, strings;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t at = 6 + 12 * i;
    const std::uint32_t platform = Read(table, at, 2);
    const std::uint32_t name_id = Read(table, at + 6, 2);
    Bytes text;
    if (auto it = names.find(name_id); it != names.end()) {
      text = Encode(it->second, platform);
    } else {
      text = Slice(table, storage + Read(table, at + 10, 2),
                   Read(table, at + 8, 2));
    }
    const Bytes kept = Slice(table, at, 8);  // platform, encoding, language, id
    records.insert(records.end(), kept.begin(), kept.end());
    Write(records, text.size(), 2);
    Write(records, strings.size(), 2);
    strings.insert(strings.end(), text.begin(), text.end());
  }
  Bytes out;
  Write(out, 0, 2);
  Write(out, count, 2);
  Write(out, 6 + records.size(), 2);
  out.insert(out.end(), records.begin(), records.end());
  out.insert(out.end(), strings.begin(), strings.end());
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr,
                 "usage: rename_face <in.otf> <family> <style> <out.otf>\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const Bytes font((std::istreambuf_iterator<char>(in)), {});
  const std::string family = argv[2], style = argv[3];
  std::string postscript = family + "-" + style;
  std::erase(postscript, ' ');
  const std::map<std::uint32_t, std::string> names = {{1, family},
                                                      {2, style},
                                                      {3, family + " " + style},
                                                      {4, family + " " + style},
                                                      {6, postscript}};
  try {
    const std::uint32_t count = Read(font, 4, 2);
    std::map<std::uint32_t, Bytes> tables;  // by tag, as the directory sorts
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::size_t at = 12 + 16 * i;
      tables[Read(font, at, 4)] =
          Slice(font, Read(font, at + 8, 4), Read(font, at + 12, 4));
    }
    constexpr std::uint32_t kName = 0x6E616D65, kHead = 0x68656164;
    tables.at(kName) = Renamed(tables.at(kName), names);
    if (tables.at(kHead).size() < 12) throw std::out_of_range("short head");
    Put(tables.at(kHead), 8, 0);  // checkSumAdjustment, set below
    Bytes out = Slice(font, 0, 12);
    std::size_t offset = 12 + 16 * tables.size();
    for (const auto& [tag, data] : tables) {
      Write(out, tag, 4);
      Write(out, Checksum(data), 4);
      Write(out, offset, 4);
      Write(out, data.size(), 4);
      offset += (data.size() + 3) / 4 * 4;
    }
    std::size_t head_at = 0;
    for (const auto& [tag, data] : tables) {
      if (tag == kHead) head_at = out.size();
      out.insert(out.end(), data.begin(), data.end());
      out.resize((out.size() + 3) / 4 * 4, 0);
    }
    Put(out, head_at + 8, 0xB1B0AFBA - Checksum(out));
    std::ofstream(argv[4], std::ios::binary)
        .write(reinterpret_cast<const char*>(out.data()), out.size());
  } catch (const std::out_of_range&) {
    std::fprintf(stderr, "rename_face: %s is not a whole font\n", argv[1]);
    return 1;
  }
  return 0;
}
