// A bar's furniture on a real window: pictures (kept for a person to judge) show a scrolled bar
// under the pointer with its title buttons, scrollbar and shortcut line, and a set of icons with
// one title shown.
#include <gtest/gtest.h>

#include <string>

#include "EngineOnWindow.h"
#include "model/Bar.h"

namespace {

using kztest::EngineOnWindow;
using kztest::Rgba;

TEST(FurnitureOnWindow, PicturesOfAScrolledBarUnderThePointer) {
    for (int size = 1; size <= 3; ++size) {
        EngineOnWindow engine(380, 300);
        ASSERT_TRUE(engine.started()) << TwGetLastError();
        TwBar* bar = kztest::barAtFontSize(
            size, "Scrolled",
            "position='20 20' size='" + std::to_string(200 + 40 * size) + " 250' refresh=0");
        int values[30] = {};
        for (int i = 0; i < 30; ++i) {
            const std::string name = "Row " + std::to_string(i);
            const std::string keys = i % 2 ? " keyincr=" + std::string(1, char('a' + i % 26)) +
                                                 " keydecr=SHIFT+" +
                                                 std::string(1, char('a' + i % 26))
                                           : " key=F" + std::to_string(1 + i % 12);
            values[i] = i * 7;
            ASSERT_EQ(TwAddVarRW(bar, name.c_str(), TW_TYPE_INT32, &values[i], keys.c_str()), 1);
        }
        ASSERT_TRUE(engine.frame(40, 40, 40));
        ASSERT_TRUE(bar->layout.scrollable);
        // Three presses on the down arrow scroll three rows.
        const tw::Rect down = bar->layout.scrollDown;
        for (int i = 0; i < 3; ++i) {
            engine.click(down.x + down.w / 2, down.y + down.h / 2);
            ASSERT_TRUE(engine.frame(40, 40, 40));
        }
        EXPECT_EQ(bar->layout.firstShown, 3) << size;
        // The pointer on "Row 5", which has two keys.
        const tw::Row& row = bar->layout.rows[5];
        engine.move(row.rect.x + 10, row.rect.y + row.rect.h / 2);
        ASSERT_TRUE(engine.frame(40, 40, 40));

        const tw::BarLayout& layout = bar->layout;
        const auto shortcutInk = [](Rgba p) {
            return kztest::closeTo(p, {0xFF, 0xB0, 0x60, 255}, 40);
        };
        EXPECT_GT(engine.pixelsIn(layout.shortcutLine, shortcutInk), 0)
            << "the keys in the shortcut colour " << size;
        const tw::Rect& b = layout.fontButton;
        EXPECT_TRUE(kztest::closeTo(engine.pixel(b.x + 3, b.y + b.h - 3), {255, 255, 255, 255}, 40))
            << "the font button's F " << size;
        const tw::Rect& up = layout.scrollUp;
        const Rgba tip = engine.pixel(up.x + up.w / 2, up.y + up.h / 2);
        const Rgba side = engine.pixel(up.x, up.bottom() - 1);
        EXPECT_GT(tip.r, side.r + 40) << "the up arrow " << size;
        EXPECT_TRUE(engine.keep("scrolled-bar-fontsize" + std::to_string(size) + ".png"));
    }
}

TEST(FurnitureOnWindow, PicturesOfIconsWrappingIntoASecondColumnWithOneTitleShown) {
    for (int size = 1; size <= 3; ++size) {
        EngineOnWindow engine(360, 150);
        ASSERT_TRUE(engine.started()) << TwGetLastError();
        ASSERT_EQ(TwDefine(("GLOBAL fontsize=" + std::to_string(size)).c_str()), 1);
        TwBar* bars[14] = {};
        for (int i = 0; i < 14; ++i) {
            const std::string name = "Bar" + std::to_string(i);
            bars[i] = TwNewBar(name.c_str());
            ASSERT_EQ(TwDefine((name + " iconified=true").c_str()), 1);
        }
        ASSERT_EQ(TwDefine(" Bar2 label='Lighting and shadows' "), 1);
        ASSERT_TRUE(engine.frame(90, 110, 140));
        const tw::Rect hovered = bars[2]->layout.icon;
        engine.move(hovered.x + hovered.w / 2, hovered.y + hovered.h / 2);
        ASSERT_TRUE(engine.frame(90, 110, 140));

        // Every icon is drawn, the last ones in a second column.
        EXPECT_GT(bars[13]->layout.icon.x, bars[0]->layout.icon.x) << "wrapped " << size;
        for (TwBar* bar : bars) {
            const tw::Rect& icon = bar->layout.icon;
            EXPECT_FALSE(kztest::closeTo(engine.pixel(icon.x + 1, icon.y + icon.h / 2),
                                         {90, 110, 140, 255}, 10))
                << bar->name << " " << size;
        }
        // The title box to the right of the hovered icon: dark, over the blue background.
        const Rgba box = engine.pixel(hovered.right() + 8, hovered.y + hovered.h / 2);
        EXPECT_LT(box.b, 60) << size;
        const tw::Rect& last = bars[13]->layout.icon;
        const Rgba beside = engine.pixel(last.right() + 8, last.y + last.h / 2);
        EXPECT_TRUE(kztest::closeTo(beside, {90, 110, 140, 255}, 4))
            << "no box beside the others " << size;
        EXPECT_TRUE(engine.keep("icons-fontsize" + std::to_string(size) + ".png"));
    }
}

}  // namespace
