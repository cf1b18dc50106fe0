// The toolkit-free rules of the windows that neither the scenarios nor the
// check of every character against Qt's tables reach whole: characters
// beyond the BMP, the breaks around an insert, the cursor, and sizes and
// places at other densities than the design's.
#include <gtest/gtest.h>

#include <string>

#include "windows/forms/price_text.h"
#include "windows/forms/rules.h"

namespace {

struct CleaningRow {
  const char* name;
  std::u16string text;
  std::size_t from, to, cursor;
  std::u16string clean;
  std::size_t moved_cursor;
};

class Cleaning : public testing::TestWithParam<CleaningRow> {};

TEST_P(Cleaning, MapsEachCharacterAndMovesTheCursor) {
  const CleaningRow& row = GetParam();
  const wave::CleanedPrice clean =
      wave::CleanPrice(row.text, row.from, row.to, row.cursor);
  EXPECT_EQ(clean.text, row.clean);
  EXPECT_EQ(clean.cursor, row.moved_cursor);
}

INSTANTIATE_TEST_SUITE_P(
    , Cleaning,
    testing::Values(CleaningRow{"tag_beyond_the_bmp", u"1\U000E00412", 0, 4, 4,
                                u"12", 2},
                    CleaningRow{"emoji_stays", u"1\U0001F6002", 0, 4, 4,
                                u"1\U0001F6002", 4},
                    CleaningRow{"breaks_kept_outside_the_insert", u"\n1\t2\n",
                                1, 4, 5, u"\n1\t2\n", 5},
                    CleaningRow{"breaks_around_the_insert_go", u"1\t\n2\r\n3",
                                1, 6, 6, u"123", 2},
                    CleaningRow{"cursor_before_a_dropped_mark", u"30\u200B00",
                                2, 3, 3, u"3000", 2},
                    CleaningRow{"cursor_after_a_pasted_cell", u"30\t12\r\n00",
                                2, 7, 7, u"301200", 4},
                    CleaningRow{"a_lone_surrogate_stays",
                                u"1\xD800"
                                u"2",
                                0, 3, 3,
                                u"1\xD800"
                                u"2",
                                3}),
    [](const auto& info) { return std::string(info.param.name); });

struct DensityRow {
  int dpi;
  int twips;
  int pixels;
};

class Density : public testing::TestWithParam<DensityRow> {};

// A twip is 1/1440 inch at every density; parts of a pixel are dropped.
TEST_P(Density, TwipsBecomeWholePixels) {
  EXPECT_EQ(wave::TwipsToPixels(GetParam().twips, GetParam().dpi),
            GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(
    , Density,
    testing::Values(DensityRow{96, 10485, 699}, DensityRow{96, 4365, 291},
                    DensityRow{144, 10485, 1048}, DensityRow{144, 105, 10},
                    DensityRow{120, 240, 20}, DensityRow{192, 3495, 466}));

struct CentringRow {
  int width, height;
  wave::Rect area;
  wave::Rect placed;
};

class Centring : public testing::TestWithParam<CentringRow> {};

TEST_P(Centring, PutsTheFrameAtTheCentreOfTheWorkArea) {
  const CentringRow& row = GetParam();
  EXPECT_EQ(wave::CentredFrame(row.width, row.height, row.area), row.placed);
}

INSTANTIATE_TEST_SUITE_P(
    , Centring,
    testing::Values(
        CentringRow{701, 320, {0, 0, 1280, 1024}, {289, 352, 701, 320}},
        CentringRow{700, 321, {0, 0, 1280, 1024}, {290, 351, 700, 321}},
        // A task bar at the top or left moves the area, not the rule.
        CentringRow{701, 320, {0, 40, 1280, 984}, {289, 372, 701, 320}},
        CentringRow{1050, 470, {1920, 0, 2880, 1620}, {2835, 575, 1050, 470}}));

}  // namespace
