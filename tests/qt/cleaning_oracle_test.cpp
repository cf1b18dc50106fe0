// The price cleaning against Qt's own Unicode tables, for every code point
// of the Basic Multilingual Plane inserted alone.
#include <gtest/gtest.h>

#include <QChar>
#include <string>

#include "windows/forms/price_text.h"

namespace {

// What the rule says, read from Qt's character categories.
std::u16string Expected(char16_t c) {
  switch (QChar::category(char32_t{c})) {
    case QChar::Other_Format:
      return u"";
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
      return u" ";
    default:
      break;
  }
  if (c == u'\v' || c == u'\f' || c == u'\x85') return u" ";
  if (c >= 0xFF01 && c <= 0xFF5E) return std::u16string(1, c - 0xFEE0);
  return std::u16string(1, c);
}

TEST(CleaningOracle, EveryCharacterOfTheBmpAgreesWithQt) {
  int disagreements = 0;
  for (char32_t code = 0; code <= 0xFFFF; ++code) {
    const char16_t c = static_cast<char16_t>(code);
    // Tabs and line breaks around an insert are trimmed, not mapped; an
    // inner one stays.
    const std::u16string text = {u'1', c, u'2'};
    const std::u16string shown =
        wave::CleanPrice(text, 0, text.size(), text.size()).text;
    const std::u16string expected = c == u'\t' || c == u'\n' || c == u'\r'
                                        ? text
                                        : u'1' + Expected(c) + u'2';
    if (shown != expected && ++disagreements <= 20) {
      ADD_FAILURE() << "U+" << std::hex << static_cast<unsigned>(code);
    }
  }
  EXPECT_EQ(disagreements, 0);
}

}  // namespace
