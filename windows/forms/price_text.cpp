#include "windows/forms/price_text.h"

#include <algorithm>
#include <iterator>

#include "windows/forms/texts.h"

namespace wave {

namespace {

struct Range {
  char32_t first, last;
};

// Unicode's format characters (general category Cf), from its character
// database.
constexpr Range kFormatCharacters[] = {
    {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},
    {0x06DD, 0x06DD},   {0x070F, 0x070F},   {0x0890, 0x0891},
    {0x08E2, 0x08E2},   {0x180E, 0x180E},   {0x200B, 0x200F},
    {0x202A, 0x202E},   {0x2060, 0x2064},   {0x2066, 0x206F},
    {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD},
    {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3},
    {0x1D173, 0x1D17A}, {0xE0001, 0xE0001}, {0xE0020, 0xE007F},
};

// Spaces other than the blank and the tab and line breaks the readers
// know: the space, line and paragraph separators (Zs, Zl, Zp), and the
// other white-space controls.
constexpr Range kOtherSpaces[] = {
    {0x000B, 0x000C}, {0x0085, 0x0085}, {0x00A0, 0x00A0},
    {0x1680, 0x1680}, {0x2000, 0x200A}, {0x2028, 0x2029},
    {0x202F, 0x202F}, {0x205F, 0x205F}, {0x3000, 0x3000},
};

// The full-width forms of printable ASCII, and their offset from it.
constexpr Range kFullWidth = {0xFF01, 0xFF5E};
constexpr char32_t kFullWidthOffset = 0xFEE0;

template <std::size_t kCount>
bool In(const Range (&table)[kCount], char32_t c) {
  const auto* it = std::upper_bound(
      std::begin(table), std::end(table), c,
      [](char32_t value, const Range& range) { return value < range.first; });
  return it != std::begin(table) && c <= std::prev(it)->last;
}

bool IsLineBreakOrTab(char16_t c) {
  return c == u'\t' || c == u'\n' || c == u'\r';
}

bool IsHigh(char16_t c) { return c >= 0xD800 && c < 0xDC00; }
bool IsLow(char16_t c) { return c >= 0xDC00 && c < 0xE000; }

}  // namespace

PriceCharacter ClassifyPriceCharacter(char32_t c) {
  if (In(kFormatCharacters, c)) return PriceCharacter::kDropped;
  if (In(kOtherSpaces, c)) return PriceCharacter::kBlank;
  if (c >= kFullWidth.first && c <= kFullWidth.last) {
    return PriceCharacter::kMapped;
  }
  return PriceCharacter::kKept;
}

CleanedPrice CleanPrice(std::u16string_view text, std::size_t from,
                        std::size_t to, std::size_t cursor) {
  to = std::min(to, text.size());
  from = std::min(from, to);
  std::size_t lead_end = from;
  while (lead_end < to && IsLineBreakOrTab(text[lead_end])) ++lead_end;
  std::size_t trail_start = to;
  while (trail_start > lead_end && IsLineBreakOrTab(text[trail_start - 1])) {
    --trail_start;
  }
  CleanedPrice clean{{}, std::u16string::npos};
  clean.text.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (i >= cursor && clean.cursor == std::u16string::npos) {
      clean.cursor = clean.text.size();
    }
    const bool pair =
        IsHigh(text[i]) && i + 1 < text.size() && IsLow(text[i + 1]);
    const char32_t c = pair ? 0x10000 + ((char32_t{text[i]} - 0xD800) << 10) +
                                  (char32_t{text[i + 1]} - 0xDC00)
                            : char32_t{text[i]};
    const std::size_t width = pair ? 2 : 1;
    const bool trimmed =
        (i >= from && i < lead_end) || (i >= trail_start && i < to);
    if (!trimmed) {
      switch (ClassifyPriceCharacter(c)) {
        case PriceCharacter::kDropped:
          break;
        case PriceCharacter::kBlank:
          clean.text += u' ';
          break;
        case PriceCharacter::kMapped:
          clean.text += static_cast<char16_t>(c - kFullWidthOffset);
          break;
        case PriceCharacter::kKept:
          clean.text.append(text.substr(i, width));
          break;
      }
    }
    i += width;
  }
  if (clean.cursor == std::u16string::npos) clean.cursor = clean.text.size();
  return clean;
}

bool FitsPriceBox(std::size_t length) { return length <= kMaxPriceLength; }

Inserted InsertedPart(std::u16string_view before, std::u16string_view now) {
  const std::size_t shorter = std::min(before.size(), now.size());
  std::size_t head = 0;
  while (head < shorter && before[head] == now[head]) ++head;
  std::size_t tail = 0;
  while (tail < shorter - head &&
         before[before.size() - 1 - tail] == now[now.size() - 1 - tail]) {
    ++tail;
  }
  return {head, now.size() - tail};
}

}  // namespace wave
