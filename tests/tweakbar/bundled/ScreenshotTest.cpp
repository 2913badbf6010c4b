// Pictures for a person to judge, written into the build tree: a bar with every kind of control
// at each font size, and the feedback of the mouse and of a text field on it. The look is judged
// by eye; the tests check that something was drawn, and that feedback shows on its row alone.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "EngineOnWindow.h"
#include "model/Bar.h"

namespace {

// A bar with everything it can show, bound to values that live as long as it.
struct EveryControl {
    bool on = true;
    char bool8 = 0, letter = 'K', name[32] = "K\xE9vin's \x80 rig";
    short bool16 = 1, int16 = -1234;
    int bool32 = 0, int32 = -123456, quality = 2, frames = 4711;
    signed char int8 = -12;
    unsigned char uint8 = 200;
    unsigned short uint16 = 65000;
    unsigned int uint32 = 4000000000u, tint = 0xC02080FFu;  // 0xAABBGGRR
    float speed = 3.25f, rgb[3] = {0.2f, 0.6f, 1.0f}, rgba[4] = {1.0f, 0.85f, 0.1f, 0.5f};
    float orientation[4] = {0.0f, 0.0f, 0.38268f, 0.92388f}, direction[3] = {0.0f, -1.0f, 0.0f};
    double ratio = 0.618034;
    struct Spawn {
        int count;
        float delay;
        bool loop;
    } spawn{12, 0.75f, true};
    const TwStructMember spawnMembers[3] = {{"count", TW_TYPE_INT32, offsetof(Spawn, count), ""},
                                            {"delay", TW_TYPE_FLOAT, offsetof(Spawn, delay), ""},
                                            {"loop", TW_TYPE_BOOLCPP, offsetof(Spawn, loop), ""}};
    const TwType spawnType =
        TwDefineStruct("Spawn", spawnMembers, 3, sizeof(Spawn), nullptr, nullptr);
    std::string title = "Night run";
    TwBar* bar = TwNewBar("Controls");

    EveryControl() {
        const TwType qualities = TwDefineEnumFromString("Quality", "Low, Medium, High, Ultra");
        TwAddVarRW(bar, "Enabled", TW_TYPE_BOOLCPP, &on, nullptr);
        TwAddVarRW(bar, "Bool8", TW_TYPE_BOOL8, &bool8, nullptr);
        TwAddVarRW(bar, "Vsync", TW_TYPE_BOOL16, &bool16, "true=On false=Off");
        TwAddVarRW(bar, "Bool32", TW_TYPE_BOOL32, &bool32, nullptr);
        TwAddSeparator(bar, nullptr, nullptr);
        TwAddVarRW(bar, "Char", TW_TYPE_CHAR, &letter, "group=Integers");
        TwAddVarRW(bar, "Int8", TW_TYPE_INT8, &int8, "group=Integers");
        TwAddVarRW(bar, "UInt8", TW_TYPE_UINT8, &uint8, "group=Integers");
        TwAddVarRW(bar, "Int16", TW_TYPE_INT16, &int16, "group=Integers");
        TwAddVarRW(bar, "UInt16", TW_TYPE_UINT16, &uint16, "group=Integers");
        TwAddVarRW(bar, "Int32", TW_TYPE_INT32, &int32, "group=Integers");
        TwAddVarRW(bar, "UInt32", TW_TYPE_UINT32, &uint32, "group=Integers");
        TwAddVarRW(bar, "Speed", TW_TYPE_FLOAT, &speed, "step=0.05");
        TwAddVarRW(bar, "Ratio", TW_TYPE_DOUBLE, &ratio, "precision=4");
        TwAddVarRW(bar, "Tint", TW_TYPE_COLOR32, &tint, "group=Colours");
        TwAddVarRW(bar, "Sky", TW_TYPE_COLOR3F, rgb, "group=Colours opened=true");
        TwAddVarRW(bar, "Sun", TW_TYPE_COLOR4F, rgba, "group=Colours");
        TwAddVarRW(bar, "Name", TW_TYPE_CSSTRING(sizeof name), name, nullptr);
        TwAddVarRW(bar, "Quality", qualities, &quality, nullptr);
        TwAddVarRW(bar, "Rotation", TW_TYPE_QUAT4F, orientation, nullptr);
        TwAddVarRW(bar, "Gravity", TW_TYPE_DIR3F, direction, nullptr);
        TwAddVarRW(bar, "Spawn", spawnType, &spawn, "opened=true");
        TwAddVarRW(bar, "Title", TW_TYPE_STDSTRING, &title, nullptr);
        TwAddVarRO(bar, "Frames", TW_TYPE_INT32, &frames, nullptr);
        TwAddSeparator(bar, "line", nullptr);
        TwAddButton(
            bar, "Reset", [](void*) {}, nullptr, nullptr);
        TwAddButton(bar, "A line of text", nullptr, nullptr, nullptr);
    }
};

TEST(Screenshots, EveryControlAtEachFontSize) {
    kztest::EngineOnWindow engine(520, 720);
    ASSERT_TRUE(engine.started()) << TwGetLastError();
    EveryControl controls;

    for (int size = 1; size <= 3; ++size) {
        const std::string define = "GLOBAL fontsize=" + std::to_string(size) +
                                   "\r\nControls position='10 10' size='" +
                                   std::to_string(180 + 100 * size) + " " +
                                   std::to_string(240 + 140 * size) + "' label='Every control'";
        ASSERT_EQ(TwDefine(define.c_str()), 1) << TwGetLastError();
        ASSERT_TRUE(engine.frame(62, 74, 88));
        const auto drawn = [](kztest::Rgba p) { return p.r != 62 || p.g != 74 || p.b != 88; };
        EXPECT_GT(engine.pixelsIn({0, 0, engine.width(), engine.height()}, drawn), 0)
            << "fontsize " << size;
        const std::string file = "controls-fontsize" + std::to_string(size) + ".png";
        EXPECT_TRUE(engine.keep(file));
    }
}

}  // namespace

// Where two pictures differ: the rows of pixels from the first to the last that changed.
struct ChangedRows {
    int first = -1, last = -1;
};
ChangedRows changedRows(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b,
                        int width) {
    ChangedRows rows;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i] == b[i]) continue;
        const int y = int(i / 4) / width;
        if (rows.first < 0) rows.first = y;
        rows.last = y;
    }
    return rows;
}

// The hover highlight, a pressed button, a caret moved by a key and a selection made with Shift:
// each shows on its own row and nowhere else. Their pictures are kept for a person to judge too.
TEST(Screenshots, FeedbackShowsOnItsRowAlone) {
    kztest::EngineOnWindow engine(520, 720);
    ASSERT_TRUE(engine.started()) << TwGetLastError();
    EveryControl controls;
    ASSERT_EQ(TwDefine("GLOBAL fontsize=2\r\nControls position='10 10' size='380 680' "
                       "label='Every control'"),
              1)
        << TwGetLastError();
    ASSERT_TRUE(engine.frame(62, 74, 88));
    // Takes a step and expects the next frame to differ from the last on the control's row alone;
    // returns the picture before the step.
    auto expectOnRowOf = [&](const char* control, const char* what, const auto& step) {
        const std::vector<std::uint8_t> before = engine.pixels();
        step();
        EXPECT_TRUE(engine.frame(62, 74, 88)) << what;
        const auto row = kztest::EngineOnWindow::rowOf(controls.bar, control);
        EXPECT_TRUE(row.found) << control;
        const ChangedRows changed = changedRows(before, engine.pixels(), engine.width());
        EXPECT_GE(changed.first, row.y - 10) << what;
        EXPECT_LE(changed.last, row.y + 10) << what;
        EXPECT_GE(changed.last, 0) << what << " shows nothing";
        EXPECT_TRUE(engine.keep(std::string("feedback-") + what + ".png"));
        return before;
    };

    // The pointer over the bar already (on the line under its rows), so that its title buttons
    // show in both pictures.
    const tw::Rect& line = controls.bar->layout.shortcutLine;
    engine.move(line.x + 20, line.y + line.h / 2);
    ASSERT_TRUE(engine.frame(62, 74, 88));
    const auto speed = kztest::EngineOnWindow::rowOf(controls.bar, "Speed");
    expectOnRowOf("Speed", "hover", [&] { engine.move(speed.labelX, speed.y); });

    const auto reset = kztest::EngineOnWindow::rowOf(controls.bar, "Reset");
    const LPARAM onReset = kztest::point(reset.labelX, reset.y);
    engine.move(reset.labelX, reset.y);
    ASSERT_TRUE(engine.frame(62, 74, 88));
    expectOnRowOf("Reset", "pressed", [&] { engine.send(WM_LBUTTONDOWN, MK_LBUTTON, onReset); });
    engine.send(WM_LBUTTONUP, 0, onReset);

    const auto name = kztest::EngineOnWindow::rowOf(controls.bar, "Name");
    engine.click(name.valueX, name.y);
    engine.move(500, 700);
    ASSERT_TRUE(engine.frame(62, 74, 88));
    expectOnRowOf("Name", "caret", [&] { engine.key(VK_END); });

    // The selection's band covers the end of the text (the last five characters), not its
    // start.
    const std::vector<std::uint8_t> before = expectOnRowOf("Name", "selection", [&] {
        for (int i = 0; i < 5; ++i)
            engine.keyDownHolding({VK_SHIFT}, VK_LEFT);
    });
    const int startX = controls.bar->layout.valueX + 6;
    const kztest::Rgba start = engine.pixel(startX, name.y);
    const kztest::Rgba startBefore = kztest::pixelAt(before, engine.width(), startX, name.y);
    EXPECT_EQ(start.r, startBefore.r);
    EXPECT_EQ(start.b, startBefore.b);
    engine.key(VK_ESCAPE);
}
