// The opened help bar on a real window, at each font size, with a few bars defined: pictures
// for a person to judge, and the pixels that say its key column and its bottom line are drawn.
#include <gtest/gtest.h>

#include <string>

#include "EngineOnWindow.h"
#include "model/Bar.h"

namespace {

using kztest::EngineOnWindow;
using kztest::Rgba;

struct Point {
    float x, y;
};

// The light blue of values, in which the keys are written.
bool valueInk(Rgba p) {
    return p.b > 200 && p.b > p.r + 30 && p.g > p.r;
}

// The version line's and the last key's grey.
bool greyInk(Rgba p) {
    return p.r > 100 && p.r == p.g && p.g == p.b;
}

void defineBars() {
    static int speed = 3, level = 1;
    static bool lights = true;
    static Point where{};
    TwBar* scene = TwNewBar("Scene");
    TwDefine(" Scene help='The objects of the scene and how they move.' ");
    TwAddVarRW(scene, "Speed", TW_TYPE_INT32, &speed,
               " key=+ keydecr=- help='How many metres per second the camera moves.' ");
    TwAddVarRW(scene, "Lights", TW_TYPE_BOOLCPP, &lights, " key=l group=Display ");
    TwAddVarRO(scene, "Level", TW_TYPE_INT32, &level, " key=v help='Reached so far.' ");
    TwAddButton(
        scene, "Reset", [](void*) {}, nullptr, " key=F5 help='Back to the start.' ");
    const TwStructMember members[] = {
        {"x", TW_TYPE_FLOAT, offsetof(Point, x), " help='Distance from the left.' "},
        {"y", TW_TYPE_FLOAT, offsetof(Point, y), ""},
    };
    const TwType pointType = TwDefineStruct("Point", members, 2, sizeof(Point), nullptr, nullptr);
    TwAddVarRW(scene, "Where", pointType, &where, " help='Where it starts.' ");
    TwBar* sound = TwNewBar("Sound");
    TwDefine(" Sound label='Sound & Music' ");
    static int volume = 50;
    TwAddVarRW(sound, "Volume", TW_TYPE_INT32, &volume, " keydecr=CTRL+v ");
    TwDefine(" Scene iconified=true\r\nSound iconified=true\r\nGLOBAL iconpos=topright ");
}

TEST(HelpBarPictures, TheOpenedHelpBarAtEachFontSize) {
    for (int size = 1; size <= 3; ++size) {
        EngineOnWindow engine(800, 540);
        ASSERT_TRUE(engine.started()) << TwGetLastError();
        const std::string define =
            "GLOBAL fontsize=" + std::to_string(size) +
            " help='Press F1 to show or hide the bars, F2 to give them the mouse and the "
            "keyboard.'\r\nTW_HELP iconified=false position='16 8' size='560 520' "
            "help='Keys of every bar.'";
        ASSERT_EQ(TwDefine(define.c_str()), 1) << TwGetLastError();
        defineBars();
        ASSERT_TRUE(engine.frame(40, 40, 40));
        TwBar* help = TwGetBarByIndex(0);
        const tw::BarLayout& layout = help->layout;
        ASSERT_FALSE(layout.rows.empty()) << size;

        // The keys column of the heading and of Speed's row in the values' colour; a heading
        // wider than the column moves into the empty label, a short key stays in the column.
        int shortcutsRow = -1, speedRow = -1;
        for (std::size_t i = 0; i < layout.rows.size(); ++i) {
            const std::string& value = layout.rows[i].control->valueText;
            if (value == "SHORTCUTS") shortcutsRow = int(i);
            if (layout.rows[i].control->shownLabel() == "Speed") speedRow = int(i);
        }
        ASSERT_GE(shortcutsRow, 0);
        ASSERT_GE(speedRow, 0);
        for (const int i : {shortcutsRow, speedRow}) {
            const tw::Rect& row = layout.rows[std::size_t(i)].rect;
            const tw::Rect column{layout.valueX, row.y, row.right() - layout.valueX, row.h};
            EXPECT_GT(engine.pixelsIn(column, valueInk), 5) << size << " row " << i;
        }
        const tw::Rect& speed = layout.rows[std::size_t(speedRow)].rect;
        EXPECT_EQ(engine.pixelsIn({speed.x, speed.y, layout.valueX - speed.x, speed.h}, valueInk),
                  0)
            << size;

        // Pressed on, the closed groups open.
        for (const char* title : {"Structure", "RotoSlider"}) {
            const tw::Row* row = nullptr;
            for (const tw::Row& shown : layout.rows) {
                if (shown.control->shownLabel() == title) row = &shown;
            }
            ASSERT_NE(row, nullptr) << title;
            ASSERT_FALSE(row->control->opened) << title;
            engine.click(row->rect.x + 4, row->rect.y + row->rect.h / 2);
            ASSERT_TRUE(engine.frame(40, 40, 40));
        }
        engine.move(700, 500);
        ASSERT_TRUE(engine.frame(40, 40, 40));

        // The version on the bottom line.
        EXPECT_GT(engine.pixelsIn(layout.bottomLine, greyInk), 5) << size;
        EXPECT_TRUE(engine.keep("helpbar-fontsize" + std::to_string(size) + ".png"));
    }
}

}  // namespace
