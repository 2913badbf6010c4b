// Number rows on a real window: the rotoslider's twelve system cursors, and pictures of the
// rotoslider turned by a hand's window messages and of a hovered row's buttons, at the three
// font sizes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "EngineOnWindow.h"
#include "model/Bar.h"
#include "model/Engine.h"
#include "widgets/RotoSlider.h"
#include "widgets/RowButtons.h"
#include "Win32Cursors.h"

namespace {

using kztest::EngineOnWindow;
using kztest::Rgba;

constexpr double kPi = 3.14159265358979323846;

bool reddish(Rgba p) {
    return p.r > 180 && p.g < 120 && p.b < 120;
}

// A row's button as the last frame laid it out: its middle.
struct Point {
    int x = 0, y = 0;
};
Point buttonOf(TwBar* bar, const char* name, tw::RowButton kind) {
    const tw::Control* control = bar->find(name);
    const tw::Row* row = control ? tw::shownRow(*bar, control, -1) : nullptr;
    if (!row) return {};
    const tw::RowButtonSet set = tw::rowButtonsOf(*tw::engine().context, *bar, *row);
    const tw::Rect* r = tw::rowButtonRect(set, kind);
    return r ? Point{r->x + r->w / 2, r->y + r->h / 2} : Point{};
}

// Presses at (x, y) and moves the held mouse around that point at a radius through an angle
// (degrees, counter-clockwise), 5 degrees a message; the button stays down.
Point pressAndTurn(EngineOnWindow& engine, int x, int y, int radius, double degrees) {
    engine.move(x, y);
    engine.send(WM_LBUTTONDOWN, MK_LBUTTON, kztest::point(x, y));
    const int moves = int(std::ceil(std::fabs(degrees) / 5));
    Point at{x, y};
    for (int k = 0; k <= moves; ++k) {
        const double a = degrees * k / moves * kPi / 180;
        at = {x + int(std::lround(radius * std::cos(a))),
              y - int(std::lround(radius * std::sin(a)))};
        engine.move(at.x, at.y, MK_LBUTTON);
    }
    return at;
}

void releaseAt(EngineOnWindow& engine, Point at) {
    engine.send(WM_LBUTTONUP, 0, kztest::point(at.x, at.y));
}

// The twelve rotating cursors as the system draws them, side by side over mid-grey: white
// arrows outlined in black, each turned 30° further counter-clockwise.
TEST(NumberRowPictures, TheTwelveRotoCursorsAreDistinctOutlinedArrows) {
    constexpr int kTile = 40, kCount = tw::kRotoCursorCount;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kTile * kCount;
    info.bmiHeader.biHeight = -kTile;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT all{0, 0, kTile * kCount, kTile};
    HBRUSH grey = CreateSolidBrush(RGB(128, 128, 128));
    FillRect(dc, &all, grey);
    DeleteObject(grey);
    for (int n = 0; n < kCount; ++n) {
        const HCURSOR cursor = tw::systemCursor({tw::CursorShape::Roto, n});
        ASSERT_NE(cursor, nullptr) << n;
        EXPECT_EQ(cursor, tw::systemCursor({tw::CursorShape::Roto, n})) << "made once " << n;
        ASSERT_TRUE(DrawIconEx(dc, n * kTile + 4, 4, cursor, 32, 32, 0, nullptr, DI_NORMAL));
    }
    GdiFlush();
    const auto* bgra = static_cast<const std::uint8_t*>(bits);
    std::vector<std::uint8_t> rgba(std::size_t(kTile * kCount * kTile * 4));
    for (std::size_t i = 0; i < rgba.size(); i += 4) {
        rgba[i] = bgra[i + 2], rgba[i + 1] = bgra[i + 1], rgba[i + 2] = bgra[i];
        rgba[i + 3] = 255;
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    std::vector<std::vector<std::uint8_t>> tiles;
    for (int n = 0; n < kCount; ++n) {
        int white = 0, black = 0;
        std::vector<std::uint8_t> tile;
        for (int y = 0; y < kTile; ++y) {
            for (int x = n * kTile; x < (n + 1) * kTile; ++x) {
                const std::uint8_t r = rgba[std::size_t((y * kTile * kCount + x) * 4)];
                white += r == 255;
                black += r == 0;
                tile.push_back(r);
            }
        }
        EXPECT_GT(white, 40) << n;
        EXPECT_GT(black, white) << "an outline around the ink " << n;
        for (const auto& earlier : tiles)
            EXPECT_NE(tile, earlier) << n;
        tiles.push_back(tile);
    }
    EXPECT_TRUE(kztest::writePng("roto-cursors.png", rgba, kTile * kCount, kTile));
}

// The rotoslider of a number with bounds that fit in one turn, turned an eighth of a turn up
// from the label: the circle, the red line and arc, the grey bound marks.
TEST(NumberRowPictures, TheRotoSliderWhileTurningAndAHoveredRowWithItsButtons) {
    for (int size = 1; size <= 3; ++size) {
        EngineOnWindow engine(480, 300);
        ASSERT_TRUE(engine.started()) << TwGetLastError();
        TwBar* bar = kztest::barAtFontSize(
            size, "Numbers",
            "position='150 40' size='" + std::to_string(200 + 40 * size) + " 200' refresh=0");
        std::int32_t volume = 8, steps = 3;
        ASSERT_EQ(TwAddVarRW(bar, "Volume", TW_TYPE_INT32, &volume, " min=0 max=20 "), 1);
        ASSERT_EQ(TwAddVarRW(bar, "Steps", TW_TYPE_INT32, &steps, " min=0 max=10 "), 1);
        ASSERT_TRUE(engine.frame(30, 30, 30));
        const std::string suffix = "-fontsize" + std::to_string(size);

        // Hovered: [-][+][o] at the right end of the value field; at the minimum [-] greys.
        steps = 0;
        TwRefreshBar(bar);
        const auto row = EngineOnWindow::rowOf(bar, "Steps");
        engine.move(row.labelX + 20, row.y);
        ASSERT_TRUE(engine.frame(30, 30, 30));
        const Point minus = buttonOf(bar, "Steps", tw::RowButton::Decrement);
        const Point plus = buttonOf(bar, "Steps", tw::RowButton::Increment);
        ASSERT_GT(plus.x, 0);
        const Rgba plusCentre = engine.pixel(plus.x, plus.y);
        const Rgba minusCentre = engine.pixel(minus.x, minus.y);
        EXPECT_GT(kztest::lightness(plusCentre), kztest::lightness(minusCentre) + 150)
            << "a bright + mark, a greyed - mark " << size;
        EXPECT_TRUE(engine.keep("row-buttons" + suffix + ".png"));
        engine.move(460, 280);
        ASSERT_TRUE(engine.frame(30, 30, 30));
        const Rgba unhovered = engine.pixel(plus.x, plus.y);
        EXPECT_LT(kztest::lightness(unhovered), kztest::lightness(plusCentre) - 150)
            << "no buttons once the pointer left " << size;

        // Turning: 60 steps a turn, so an eighth of a turn is 7 or 8 steps up from 8.
        const auto turned = EngineOnWindow::rowOf(bar, "Volume");
        const Point at = pressAndTurn(engine, turned.labelX, turned.y, 70, 45);
        ASSERT_TRUE(engine.frame(30, 30, 30));
        EXPECT_GE(volume, 15);
        EXPECT_LE(volume, 16);
        // The red line halfway from the centre to the pointer.
        const int midX = (turned.labelX + at.x) / 2, midY = (turned.y + at.y) / 2;
        bool redNearMiddle = false;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                redNearMiddle = redNearMiddle || reddish(engine.pixel(midX + dx, midY + dy));
        EXPECT_TRUE(redNearMiddle) << size;
        EXPECT_TRUE(engine.keep("rotoslider" + suffix + ".png"));
        releaseAt(engine, at);
        ASSERT_TRUE(engine.frame(30, 30, 30));
        EXPECT_FALSE(reddish(engine.pixel(midX, midY))) << "gone after the release " << size;
    }
}

}  // namespace
