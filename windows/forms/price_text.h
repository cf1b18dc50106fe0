// What enters a price box, typed, pasted, dropped or committed by an input
// method alike, is cleaned so that the box shows what is computed from:
// - full-width forms (an input method in full-width mode) become ASCII:
//   "３５００．５" becomes "3500.5";
// - invisible format characters (zero-width spaces and joiners, direction
//   marks and overrides, the byte-order mark, the soft hyphen, tags) go;
// - every other Unicode space becomes a plain blank;
// - what was inserted loses the tabs and line breaks around it, which cells
//   pasted from a spreadsheet bring along; inner ones stay.
// Every character is kept or mapped as a whole, also beyond the BMP.
#ifndef WAVECALC_WINDOWS_FORMS_PRICE_TEXT_H_
#define WAVECALC_WINDOWS_FORMS_PRICE_TEXT_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace wave {

struct CleanedPrice {
  std::u16string text;
  std::size_t cursor;  // moved along with what was removed before it
};

// text after an edit that inserted text[from, to), with the cursor at
// cursor; offsets in UTF-16 units.
CleanedPrice CleanPrice(std::u16string_view text, std::size_t from,
                        std::size_t to, std::size_t cursor);

// What becomes of one character inserted alone: dropped, made a blank,
// mapped to ASCII or kept.
enum class PriceCharacter { kDropped, kBlank, kMapped, kKept };
PriceCharacter ClassifyPriceCharacter(char32_t c);

// Whether a box may hold text of this many UTF-16 units.
bool FitsPriceBox(std::size_t length);

// The part of now that an edit of before inserted, as [from, to).
struct Inserted {
  std::size_t from, to;
};
Inserted InsertedPart(std::u16string_view before, std::u16string_view now);

}  // namespace wave

#endif  // WAVECALC_WINDOWS_FORMS_PRICE_TEXT_H_
