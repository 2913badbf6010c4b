#include "TinyFont.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

using kzdemo::appendText;
using kzdemo::glyphRows;
using kzdemo::SolidRect;

namespace {

std::string picture(char c) {
    const std::uint8_t* rows = glyphRows(c);
    return rows ? std::string(reinterpret_cast<const char*>(rows), kzdemo::kGlyphRows) : "";
}

int litPixels(char c) {
    int n = 0;
    for (std::uint8_t row : picture(c))
        n += __builtin_popcount(row);
    return n;
}

}  // namespace

TEST(TinyFont, EveryCharacterOfTheDemosLabelsHasADistinctGlyph) {
    const char* characters = "0123456789MOUSEKYNLFRAIZXP";
    std::set<std::string> pictures;
    for (const char* c = characters; *c; ++c) {
        ASSERT_NE(glyphRows(*c), nullptr) << *c;
        EXPECT_GT(litPixels(*c), 0) << *c;
        pictures.insert(picture(*c));
    }
    // A glyph copied into the wrong entry shows up as two equal pictures.
    EXPECT_EQ(pictures.size(), std::strlen(characters));
    EXPECT_EQ(litPixels(' '), 0);
    EXPECT_EQ(glyphRows('a'), nullptr);
    EXPECT_EQ(glyphRows('\0'), nullptr);
}

TEST(TinyFont, TextBecomesOneSquarePerLitPixelInsideItsCells) {
    std::vector<SolidRect> rects;
    const float width = appendText("K1", 10, 20, 3, 0x11223344, &rects);
    EXPECT_FLOAT_EQ(width, 2 * 6 * 3);
    ASSERT_EQ(static_cast<int>(rects.size()), litPixels('K') + litPixels('1'));
    for (const SolidRect& r : rects) {
        EXPECT_FLOAT_EQ(r.width, 3);
        EXPECT_FLOAT_EQ(r.height, 3);
        EXPECT_EQ(r.rgba, 0x11223344u);
        EXPECT_GE(r.x, 10);
        EXPECT_LE(r.x + r.width, 10 + width);
        EXPECT_GE(r.y, 20);
        EXPECT_LE(r.y + r.height, 20 + 7 * 3);
    }
    // 'K' has its left column lit in every row: seven squares at x = 10.
    int leftColumn = 0;
    for (const SolidRect& r : rects)
        leftColumn += r.x == 10 ? 1 : 0;
    EXPECT_EQ(leftColumn, 7);
}

TEST(TinyFont, UnknownCharactersAdvanceLikeABlank) {
    std::vector<SolidRect> rects;
    EXPECT_FLOAT_EQ(appendText("a?1", 0, 0, 1, 0, &rects), 18);
    ASSERT_EQ(static_cast<int>(rects.size()), litPixels('1'));
    for (const SolidRect& r : rects)
        EXPECT_GE(r.x, 12);
}
