// Real window messages through TwEventWin: what the user does with the mouse and the keyboard
// shows in the caller's variables and in the bar's parameters, and the engine tells the game
// which messages were its own.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "EngineOnWindow.h"
#include "model/Bar.h"

namespace {

using kztest::EngineOnWindow;
using kztest::point;

class WindowInput : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(engine.started()) << TwGetLastError();
        bar = TwNewBar("Tools");
        ASSERT_EQ(TwDefine(" Tools position='60 50' size='240 200' "), 1) << TwGetLastError();
    }
    void TearDown() override {
        if (GetCapture() == engine.hwnd()) ReleaseCapture();
    }

    // Draws, so that values are read and rows are where the user sees them.
    EngineOnWindow::RowPoints row(const char* control) {
        EXPECT_TRUE(engine.frame(0, 0, 0));
        const auto points = EngineOnWindow::rowOf(bar, control);
        EXPECT_TRUE(points.found) << control;
        return points;
    }
    std::vector<int> ints(const char* param) {
        int values[2] = {-1, -1};
        const int n = TwGetParam(bar, nullptr, param, TW_PARAM_INT32, 2, values);
        return std::vector<int>(values, values + (n > 0 ? n : 0));
    }

    EngineOnWindow engine{480, 360};
    TwBar* bar = nullptr;
};

int presses = 0;
void TW_CALL press(void*) {
    ++presses;
}

TEST_F(WindowInput, DraggingTheTitleCapturesTheMouseUntilReleaseAndLeavesTheGamesCapture) {
    ASSERT_TRUE(engine.frame(0, 0, 0));
    const tw::Rect title = bar->layout.title;
    const int x = title.x + 30, y = title.y + title.h / 2;
    engine.move(x, y);
    EXPECT_EQ(engine.send(WM_LBUTTONDOWN, MK_LBUTTON, point(x, y)), 1);
    EXPECT_EQ(GetCapture(), engine.hwnd());
    engine.move(x + 40, y + 25, MK_LBUTTON);
    engine.move(x + 70, y + 45, MK_LBUTTON);
    EXPECT_EQ(engine.send(WM_LBUTTONUP, 0, point(x + 70, y + 45)), 1);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(ints("position"), (std::vector<int>{130, 95}));

    // A capture the game holds stays with it.
    SetCapture(engine.hwnd());
    engine.drag(x + 70, y + 45, x + 40, y + 45);
    EXPECT_EQ(GetCapture(), engine.hwnd());
    EXPECT_EQ(ints("position"), (std::vector<int>{100, 95}));
}

// What a game reads from TwEventWin's answers: a button acts, inside the release's message,
// where the last move left the pointer, whatever the button message's own position says; a
// letter's key down is the engine's when the letter is a shortcut (which acts with its
// character), and its key up follows; a character acts whether it came as WM_CHAR or
// WM_SYSCHAR; the right button is the engine's over a bar without acting on a row, and a
// double-click is a press.
TEST_F(WindowInput, ButtonsKeysAndCharactersAnswerAsAGameExpects) {
    presses = 0;
    int level = 0;
    bool on = false;
    ASSERT_EQ(TwAddButton(bar, "Rebuild", press, nullptr, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(bar, "Level", TW_TYPE_INT32, &level, " keyincr=k keydecr=K "), 1);
    ASSERT_EQ(TwAddVarRW(bar, "On", TW_TYPE_BOOLCPP, &on, nullptr), 1);
    const auto rebuild = row("Rebuild"), toggle = row("On");
    EXPECT_EQ(engine.move(420, 320), 0);
    EXPECT_EQ(engine.send(WM_LBUTTONDOWN, MK_LBUTTON, point(rebuild.labelX, rebuild.y)), 0);
    EXPECT_EQ(engine.send(WM_LBUTTONUP, 0, point(rebuild.labelX, rebuild.y)), 0);
    EXPECT_EQ(engine.move(rebuild.labelX, rebuild.y), 1);
    EXPECT_EQ(engine.send(WM_LBUTTONDOWN, MK_LBUTTON, 0), 1);
    EXPECT_EQ(presses, 0);
    EXPECT_EQ(engine.send(WM_LBUTTONUP, 0, 0), 1);
    EXPECT_EQ(presses, 1);
    engine.move(420, 320);

    EXPECT_EQ(engine.send(WM_KEYDOWN, 'K', 1), 1);
    EXPECT_EQ(level, 0) << "the character acts, not the key";
    EXPECT_EQ(engine.send(WM_KEYUP, 'K', 1), 1);
    EXPECT_EQ(engine.send(WM_KEYDOWN, 'Q', 1), 0);
    EXPECT_EQ(engine.send(WM_KEYUP, 'Q', 1), 0);
    EXPECT_EQ(engine.send(WM_SYSCHAR, 'k', 1), 1);
    EXPECT_EQ(engine.send(WM_CHAR, 0x100 + 'k', 1), 1);
    EXPECT_EQ(level, 2);
    EXPECT_EQ(engine.send(WM_CHAR, 0, 1), 0);
    EXPECT_EQ(engine.send(WM_KEYDOWN, VK_NUMPAD5, 1), 0);
    EXPECT_EQ(engine.send(WM_KEYDOWN, VK_ESCAPE, 1), 0);

    engine.move(toggle.valueX, toggle.y);
    for (UINT message :
         {UINT(WM_RBUTTONDOWN), UINT(WM_RBUTTONUP), UINT(WM_RBUTTONDBLCLK), UINT(WM_RBUTTONUP)})
        EXPECT_EQ(engine.send(message, 0, 0), 1) << message;
    EXPECT_FALSE(on);
    EXPECT_EQ(engine.send(WM_LBUTTONDBLCLK, MK_LBUTTON, point(toggle.valueX, toggle.y)), 1);
    EXPECT_EQ(engine.send(WM_LBUTTONUP, 0, point(toggle.valueX, toggle.y)), 1);
    EXPECT_TRUE(on);

    // The middle button drags the bar from anywhere on it.
    engine.move(toggle.labelX, toggle.y);
    EXPECT_EQ(engine.send(WM_MBUTTONDOWN, MK_MBUTTON, 0), 1);
    engine.move(toggle.labelX + 10, toggle.y + 10, MK_MBUTTON);
    EXPECT_EQ(engine.send(WM_MBUTTONUP, 0, 0), 1);
    EXPECT_EQ(ints("position"), (std::vector<int>{70, 60}));
}

LRESULT CALLBACK forwardWide(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TwEventWin(window, message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(WindowInput, ATypedValueIsWrittenOnEnterAndEachKeyOfTheEditIsTheEngines) {
    float speed = 1.5f;
    char name[16] = "ab";
    ASSERT_EQ(TwAddVarRW(bar, "Speed", TW_TYPE_FLOAT, &speed, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(bar, "Name", TW_TYPE_CSSTRING(sizeof name), name, nullptr), 1);
    const auto field = row("Speed");
    engine.click(field.valueX, field.y);
    // Over the open field, the messages the engine does not take stay the game's.
    for (UINT message : {UINT(WM_KEYUP), UINT(WM_MOUSEHWHEEL), UINT(WM_XBUTTONDOWN), UINT(WM_PAINT),
                         UINT(WM_USER + 1)})
        EXPECT_EQ(engine.send(message, 0, point(field.valueX, field.y)), 0) << message;
    // Select what is there and type over it; the posted key goes through TranslateMessage,
    // and the control character it makes is the engine's as well.
    engine.key(VK_END);
    for (int i = 0; i < 8; ++i)
        engine.key(VK_BACK);
    engine.type("42.25");
    EXPECT_EQ(speed, 1.5f) << "nothing is written while typing";
    EXPECT_EQ(engine.post(WM_KEYDOWN, VK_RETURN, 1), 1);
    EXPECT_EQ(speed, 42.25f);
    engine.move(420, 320);
    EXPECT_EQ(engine.post(WM_KEYDOWN, VK_RETURN, 1), 0)
        << "with no field open and no bar under the pointer, keys are the game's";

    // A window of a Unicode class types into the engine's code page.
    WNDCLASSW wc{};
    wc.lpfnWndProc = forwardWide;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"WideGameWindow";
    ASSERT_NE(RegisterClassW(&wc), 0);
    HWND wide = CreateWindowW(wc.lpszClassName, L"game", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                              nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(wide, nullptr);
    const auto text = row("Name");
    engine.click(text.valueX, text.y);
    engine.key(VK_END);
    for (WPARAM c : {WPARAM(0x20AC), WPARAM(0x00E9), WPARAM(0x4E2D)})
        SendMessageW(wide, WM_CHAR, c, 1);
    engine.key(VK_RETURN);
    DestroyWindow(wide);
    // The euro sign and e acute have bytes in the code page; a character beyond it types its
    // low byte, as for the original library.
    EXPECT_STREQ(name, "ab\x80\xE9-");
}

std::string systemClipboardText(UINT format) {
    std::string text;
    if (!OpenClipboard(nullptr)) return "<not opened>";
    if (HANDLE data = GetClipboardData(format)) {
        if (format == CF_UNICODETEXT) {
            const auto* wide = static_cast<const wchar_t*>(GlobalLock(data));
            for (const wchar_t* c = wide; c && *c; ++c)
                text += char(*c < 128 ? *c : '?');
        } else {
            text = static_cast<const char*>(GlobalLock(data));
        }
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// Puts text on the clipboard as another program would, in the narrow format.
bool putOnSystemClipboard(const char* text) {
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, std::strlen(text) + 1);
    std::strcpy(static_cast<char*>(GlobalLock(memory)), text);
    GlobalUnlock(memory);
    const bool set = SetClipboardData(CF_TEXT, memory) != nullptr;
    CloseClipboard();
    return set;
}

TEST_F(WindowInput, CtrlCInOneFieldAndCtrlVInAnotherCopyAValueThroughTheSystemClipboard) {
    char source[32] = "copied value 12", target[32] = "old";
    float speed = 1;
    ASSERT_EQ(TwAddVarRW(bar, "Source", TW_TYPE_CSSTRING(sizeof source), source, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(bar, "Target", TW_TYPE_CSSTRING(sizeof target), target, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(bar, "Speed", TW_TYPE_FLOAT, &speed, nullptr), 1);
    ASSERT_TRUE(putOnSystemClipboard("before"));

    const auto from = row("Source");
    engine.click(from.valueX, from.y);  // opens with everything selected
    EXPECT_EQ(engine.keyDownHolding({VK_CONTROL}, 'C'), 1);
    engine.key(VK_ESCAPE);
    EXPECT_EQ(systemClipboardText(CF_UNICODETEXT), "copied value 12");
    EXPECT_EQ(systemClipboardText(CF_TEXT), "copied value 12") << "narrow readers see it too";

    const auto to = row("Target");
    engine.click(to.valueX, to.y);
    EXPECT_EQ(engine.keyDownHolding({VK_CONTROL}, 'V'), 1);
    engine.key(VK_RETURN);
    EXPECT_STREQ(target, "copied value 12");
    EXPECT_STREQ(source, "copied value 12");

    // Text another program put there in the narrow format pastes with Shift+Insert.
    ASSERT_TRUE(putOnSystemClipboard("2.5"));
    const auto number = row("Speed");
    engine.click(number.valueX, number.y);
    EXPECT_EQ(engine.keyDownHolding({VK_SHIFT}, VK_INSERT), 1);
    engine.key(VK_RETURN);
    EXPECT_EQ(speed, 2.5f);
}

// Which shape each place calls for is the core's, and the rotoslider's arrows are checked with
// the number rows' pictures; here, that each shape reaches the window as its system cursor
// through WM_SETCURSOR, and that away from the bars the game keeps its own.
TEST_F(WindowInput, EachPlaceOfABarShowsItsSystemCursor) {
    int count = 3, fixed = 4;
    char name[8] = "n";
    ASSERT_EQ(TwAddVarRW(bar, "Count", TW_TYPE_INT32, &count, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(bar, "Name", TW_TYPE_CSSTRING(sizeof name), name, nullptr), 1);
    ASSERT_EQ(TwAddVarRO(bar, "Fixed", TW_TYPE_INT32, &fixed, nullptr), 1);
    const HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW), ibeam = LoadCursor(nullptr, IDC_IBEAM);
    // The cursor the engine set at a point, or null when it left the cursor to the game.
    auto cursorAt = [&](int x, int y) -> HCURSOR {
        engine.move(x, y);
        SetCursor(arrow);
        const int answer =
            engine.send(WM_SETCURSOR, WPARAM(engine.hwnd()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return answer == 1 ? GetCursor() : nullptr;
    };
    const auto counter = row("Count"), text = row("Name"), readOnly = row("Fixed");
    const tw::Rect& frame = bar->layout.frame;
    const struct {
        int x, y;
        HCURSOR expected;
        const char* where;
    } places[] = {
        {counter.valueX, counter.y, ibeam, "a number's value"},
        {text.valueX, text.y, ibeam, "a string's value"},
        {readOnly.labelX, readOnly.y, LoadCursor(nullptr, IDC_NO), "a read-only row"},
        {frame.x + 150, frame.y + 4, LoadCursor(nullptr, IDC_SIZEALL), "the title"},
        {frame.right() - 2, frame.bottom() - 2, LoadCursor(nullptr, IDC_SIZENWSE), "a corner"},
        {420, 320, nullptr, "away from the bar"},
    };
    for (const auto& place : places)
        EXPECT_EQ(cursorAt(place.x, place.y), place.expected) << place.where;

    // Over a number's label, the rotoslider's arrow, which the engine draws.
    const HCURSOR roto = cursorAt(counter.labelX, counter.y);
    EXPECT_NE(roto, nullptr);
    EXPECT_NE(roto, arrow);
    EXPECT_NE(roto, ibeam);
}

TEST_F(WindowInput, ModifiersAndWheelPositionsAreReadFromTheWindowSystem) {
    presses = 0;
    ASSERT_EQ(TwAddButton(bar, "Save", press, nullptr, "key=CTRL+SHIFT+HOME"), 1);
    ASSERT_TRUE(engine.frame(0, 0, 0));
    EXPECT_EQ(engine.send(WM_KEYDOWN, VK_HOME, 1), 0) << "without modifiers";
    EXPECT_EQ(engine.keyDownHolding({VK_SHIFT, VK_CONTROL}, VK_HOME), 1);
    EXPECT_EQ(presses, 1);

    // The wheel message gives screen coordinates. (70, 52) on the screen is above the bar in the
    // window's client area, which starts below the window's caption.
    POINT inside{70, 60};
    ClientToScreen(engine.hwnd(), &inside);
    ASSERT_LT(inside.y - 60, 50 - 8) << "the client area lies well below the screen's top";
    EXPECT_EQ(engine.send(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-120)), point(70, 52)), 0);
    EXPECT_EQ(engine.send(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-120)), point(inside.x, inside.y)), 1);
    // Half a notch is no turn yet; the next half makes one.
    EXPECT_EQ(engine.send(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(60)), point(inside.x, inside.y)), 0);
    EXPECT_EQ(engine.send(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(60)), point(inside.x, inside.y)), 1);
}

TEST_F(WindowInput, WindowSizeMessagesResizeTheDrawingAreaAndAreNotTheEngines) {
    ASSERT_EQ(TwDefine("Tools contained=true"), 1);
    ASSERT_TRUE(engine.frame(0, 0, 0));
    EXPECT_EQ(engine.send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(200, 150)), 0);
    ASSERT_TRUE(engine.frame(0, 0, 0));
    EXPECT_EQ(ints("position"), (std::vector<int>{0, 0}));
    EXPECT_EQ(ints("size"), (std::vector<int>{200, 150}));

    // Minimised, the window has no area: nothing is hit or drawn until it has one again.
    EXPECT_EQ(engine.move(20, 20), 1);
    EXPECT_EQ(engine.send(WM_SIZE, SIZE_MINIMIZED, 0), 0);
    EXPECT_EQ(engine.move(20, 22), 0);
    EXPECT_EQ(engine.send(WM_LBUTTONDOWN, MK_LBUTTON, point(20, 22)), 0);
    EXPECT_EQ(engine.send(WM_LBUTTONUP, 0, point(20, 22)), 0);
    EXPECT_TRUE(engine.frame(0, 0, 0)) << "drawing succeeds, with nothing to draw";
    EXPECT_EQ(engine.send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(200, 150)), 0);
    EXPECT_EQ(engine.move(20, 24), 1);
    EXPECT_EQ(ints("position"), (std::vector<int>{0, 0})) << "the bar kept its place";
}

}  // namespace
