// Keys through TwKeyPressed and TwKeyTest: the text of shortcuts and what it matches, which bar
// a key reaches first, and what the arrows and Return do in the bar under the pointer.
#include <string>

#include "EngineFixture.h"
#include "model/Bar.h"

namespace {

constexpr int kNumLock = 0x1000, kCapsLock = 0x2000;

class Keyboard : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        ASSERT_EQ(TwWindowSize(800, 600), 1);
        left = TwNewBar("left");
        right = TwNewBar("right");
        ASSERT_EQ(TwDefine(" left position='10 10' size='200 300'\r\n"
                           " right position='400 10' size='200 300' "),
                  1);
        TwDraw();
    }
    // The pointer over a bar's body, or over empty space.
    static void pointAt(TwBar* bar) {
        TwDraw();
        const tw::Rect& r = bar->layout.frame;
        TwMouseMotion(r.x + r.w / 2, r.bottom() - 20);
    }
    static void pointAway() { TwMouseMotion(300, 500); }
    // Sets a shortcut and reads back its canonical text; "<refused>" when the text is refused.
    std::string keyText(const char* in) {
        if (TwSetParam(left, "n", "key", TW_PARAM_CSTRING, 1, in) != 1) return "<refused>";
        return text(left, "n", "key");
    }

    TwBar* left = nullptr;
    TwBar* right = nullptr;
};

TEST_F(Keyboard, ShortcutTextsReadBackInOneFormAndOnlyBadFunctionKeysAreRefused) {
    int n = 0;
    ASSERT_EQ(TwAddVarRW(left, "n", TW_TYPE_INT32, &n, nullptr), 1);
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"a", "a"},
        {"A", "A"},
        {"ctrl+a", "CTRL+a"},
        {"CTRL++", "CTRL++"},
        {"+", "+"},
        {"meta+alt+ctrl+shift+f12", "SHIFT+CTRL+ALT+META+F12"},
        {"altgr+q", "q"},
        {"Shift+Ctrl+ESCAPE", "SHIFT+CTRL+Esc"},
        {"bs", "BackSpace"},
        {"space", "Space"},
        {"ins", "Insert"},
        {"PGDOWN", "PgDown"},
        {"F15", "F15"},
        // Names this engine does not know mean no key; so does an empty text.
        {"ctrl+nokey", ""},
        {"", ""},
        {"f0", "<refused>"},
        {"F16", "<refused>"},
        {"fx", "<refused>"},
        {"F01", "<refused>"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(TwSetParam(left, "n", "key", TW_PARAM_CSTRING, 1, "z"), 1);
        EXPECT_EQ(keyText(c.in), c.out) << c.in;
    }
    EXPECT_EQ(text(left, "n", "key"), "z") << "a refused text leaves the shortcut as it was";
}

TEST_F(Keyboard, PrintableKeysIgnoreShiftAndCtrlLettersTakeTheirCaseFromShiftAndCapsLock) {
    int upper = 0, ctrlX = 0, ctrlShiftX = 0, keypad = 0, home = 0;
    ASSERT_EQ(TwAddVarRW(left, "upper", TW_TYPE_INT32, &upper, " key=A "), 1);
    ASSERT_EQ(TwAddVarRW(left, "ctrlX", TW_TYPE_INT32, &ctrlX, " key=CTRL+X "), 1);
    ASSERT_EQ(TwAddVarRW(left, "ctrlShiftX", TW_TYPE_INT32, &ctrlShiftX, " key=CTRL+SHIFT+x "), 1);
    ASSERT_EQ(TwAddVarRW(left, "keypad", TW_TYPE_INT32, &keypad, " key=5 keydecr=+ "), 1);
    ASSERT_EQ(TwAddVarRW(left, "home", TW_TYPE_INT32, &home, " key=HOME keydecr=SHIFT+HOME "), 1);
    pointAway();

    EXPECT_EQ(TwKeyPressed('A', TW_KMOD_SHIFT), 1);
    EXPECT_EQ(TwKeyPressed('A', 0x0001), 1) << "either Shift key";
    EXPECT_EQ(TwKeyPressed('a', 0), 0);
    EXPECT_EQ(upper, 2);

    // Ctrl+Shift+x arrives as X: it fires CTRL+X, never CTRL+SHIFT+x.
    EXPECT_EQ(TwKeyPressed('x', TW_KMOD_CTRL | TW_KMOD_SHIFT), 1);
    EXPECT_EQ(TwKeyPressed('x', 0x0040 | kCapsLock), 1) << "Caps Lock does what Shift does";
    EXPECT_EQ(ctrlX, 2);
    EXPECT_EQ(ctrlShiftX, 0);
    // Shift and Caps Lock cancel: the key arrives as x, Shift held.
    EXPECT_EQ(TwKeyPressed('X', TW_KMOD_CTRL | TW_KMOD_SHIFT | kCapsLock), 1);
    EXPECT_EQ(ctrlX, 2);
    EXPECT_EQ(ctrlShiftX, 1);

    // Keypad codes: digits with Num Lock, navigation without; the operators always.
    EXPECT_EQ(TwKeyPressed(261, kNumLock), 1);
    EXPECT_EQ(TwKeyPressed(261, kNumLock | TW_KMOD_SHIFT), 0) << "Shift undoes Num Lock";
    EXPECT_EQ(TwKeyPressed(270, 0), 1);
    EXPECT_EQ(keypad, 0);
    EXPECT_EQ(TwKeyPressed(263, 0), 1);
    EXPECT_EQ(TwKeyPressed(263, TW_KMOD_SHIFT), 1) << "Shift counts for keys that are not text";
    EXPECT_EQ(home, 0);
    EXPECT_EQ(TwKeyPressed(263, kNumLock), 0) << "7 is no shortcut here";

    // A test answers as the press would, and changes nothing.
    EXPECT_EQ(TwKeyTest('A', TW_KMOD_SHIFT), 1);
    EXPECT_EQ(TwKeyTest('b', 0), 0);
    EXPECT_EQ(upper, 2);
    for (int outside : {0, -1, TW_KEY_F15 + 1, 1000}) {
        EXPECT_EQ(TwKeyPressed(outside, 0), 0) << outside;
        EXPECT_EQ(TwKeyTest(outside, 0), 0) << outside;
    }
    EXPECT_EQ(lastError(), "") << "keys that are no keys are no errors either";
}

TEST_F(Keyboard, AShortcutReachesTheBarUnderThePointerFirstThenTheOthersFromTheTop) {
    int inLeft = 0, inRight = 0;
    ASSERT_EQ(TwAddVarRW(left, "n", TW_TYPE_INT32, &inLeft, " key=k "), 1);
    ASSERT_EQ(TwAddVarRW(right, "n", TW_TYPE_INT32, &inRight, " key=k "), 1);
    pointAt(left);
    EXPECT_EQ(TwKeyPressed('k', 0), 1);
    EXPECT_EQ(inLeft, 1);
    EXPECT_EQ(TwGetTopBar(), left) << "a consumed key brings its bar to the top";

    pointAway();
    ASSERT_EQ(TwSetTopBar(right), 1);
    EXPECT_EQ(TwKeyPressed('k', 0), 1);
    EXPECT_EQ(inRight, 1);
    ASSERT_EQ(TwSetTopBar(left), 1);
    EXPECT_EQ(TwKeyPressed('k', 0), 1);
    EXPECT_EQ(inLeft, 2);

    // Open bars come before iconified ones, which still take their shortcuts; hidden bars and
    // hidden rows take nothing.
    ASSERT_EQ(TwDefine(" left iconified=true "), 1);
    ASSERT_EQ(TwSetTopBar(left), 1);
    EXPECT_EQ(TwKeyPressed('k', 0), 1);
    EXPECT_EQ(inRight, 2);
    ASSERT_EQ(TwDefine(" right visible=false "), 1);
    EXPECT_EQ(TwKeyPressed('k', 0), 1);
    EXPECT_EQ(inLeft, 3);
    ASSERT_EQ(TwDefine(" left/n visible=false "), 1);
    EXPECT_EQ(TwKeyPressed('k', 0), 0);
    EXPECT_EQ(inLeft + inRight, 5);
}

TEST_F(Keyboard, AShortcutOpensItsGroupsScrollsItsRowIntoViewAndReadOnlyRowsKeepTheirValue) {
    int values[30] = {};
    for (int i = 0; i < 30; ++i) {
        ASSERT_EQ(TwAddVarRW(left, ("v" + std::to_string(i)).c_str(), TW_TYPE_INT32, &values[i],
                             " group=many "),
                  1);
    }
    ASSERT_EQ(TwDefine(" left/v25 key=j \r\n left/many opened=false "), 1);
    int fixed = 4;
    ASSERT_EQ(TwAddVarRO(right, "fixed", TW_TYPE_INT32, &fixed, " key=r "), 1);
    pointAway();
    TwDraw();
    ASSERT_EQ(left->layout.rows.size(), 1u) << "the group starts closed";

    EXPECT_EQ(TwKeyPressed('j', 0), 1);
    EXPECT_EQ(values[25], 1);
    EXPECT_EQ(intParam(left, "many", "opened"), 1);
    TwDraw();
    const tw::BarLayout& layout = left->layout;
    int row = -1;
    for (std::size_t i = 0; i < layout.rows.size(); ++i) {
        if (layout.rows[i].control->name == "v25") row = int(i);
    }
    EXPECT_GE(row, layout.firstShown);
    EXPECT_LT(row, layout.firstShown + layout.shownCount);

    EXPECT_EQ(TwKeyPressed('r', 0), 1) << "consumed";
    EXPECT_EQ(fixed, 4);

    // Stepping above the first row shown with Up scrolls by that one row.
    const tw::Rect top = layout.rows[std::size_t(layout.firstShown)].rect;
    const int firstBefore = layout.firstShown;
    ASSERT_GT(firstBefore, 1);
    TwMouseMotion(top.x + 2, top.y + 2);
    EXPECT_EQ(TwKeyPressed(TW_KEY_UP, 0), 1);
    TwDraw();
    EXPECT_EQ(layout.firstShown, firstBefore - 1);
}

TEST_F(Keyboard, ArrowsAndReturnActOnlyInTheBarUnderThePointer) {
    int count = 5;
    bool on = false;
    ASSERT_EQ(TwAddVarRW(left, "count", TW_TYPE_INT32, &count, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(left, "on", TW_TYPE_BOOLCPP, &on, nullptr), 1);
    int choice = 0;
    ASSERT_EQ(TwAddVarRW(left, "choice", TwDefineEnumFromString("Abc", "a,b,c"), &choice, nullptr),
              1);
    TwDraw();
    pointAway();
    for (int key : {TW_KEY_UP, TW_KEY_DOWN, TW_KEY_LEFT, TW_KEY_RIGHT, TW_KEY_RETURN})
        EXPECT_EQ(TwKeyPressed(key, 0), 0) << key;

    // The pointer over the bar's empty lower part: Down highlights the first row.
    pointAt(left);
    EXPECT_EQ(TwKeyPressed(TW_KEY_DOWN, 0), 1);
    EXPECT_EQ(TwKeyPressed(TW_KEY_RIGHT, 0), 1);
    EXPECT_EQ(TwKeyPressed(TW_KEY_RIGHT, 0), 1);
    EXPECT_EQ(count, 7);
    EXPECT_EQ(TwKeyPressed(TW_KEY_LEFT, 0), 1);
    EXPECT_EQ(count, 6);
    EXPECT_EQ(TwKeyPressed(TW_KEY_DOWN, 0), 1);
    EXPECT_EQ(TwKeyPressed(TW_KEY_RETURN, 0), 1);
    EXPECT_TRUE(on);
    // Return on an enum opens its list.
    EXPECT_EQ(TwKeyPressed(TW_KEY_DOWN, 0), 1);
    EXPECT_EQ(TwKeyPressed(TW_KEY_RETURN, 0), 1);
    EXPECT_NE(TwGetBarByName("~ Enum Popup ~"), nullptr);
    ASSERT_EQ(TwDefine(" left/count key=c "), 1);
    EXPECT_EQ(TwKeyPressed('c', 0), 1) << "the list takes its own keys, shortcuts still work";
    EXPECT_EQ(count, 7);
    EXPECT_EQ(TwKeyPressed(TW_KEY_ESCAPE, 0), 1);
    EXPECT_EQ(TwKeyPressed(TW_KEY_UP, 0), 1);

    // Return on a number opens its field; then every key is the field's.
    EXPECT_EQ(TwKeyPressed(TW_KEY_UP, 0), 1);
    EXPECT_EQ(TwKeyPressed(TW_KEY_RETURN, 0), 1);
    for (int key : {int(TW_KEY_BACKSPACE), int('4'), int(TW_KEY_F3), int('2')})
        EXPECT_EQ(TwKeyPressed(key, 0), 1) << key;
    EXPECT_EQ(TwKeyPressed(TW_KEY_RETURN, 0), 1);
    EXPECT_EQ(count, 42);
}

TEST_F(Keyboard, AnOpenFieldTakesTheKeysThatReachItsBar) {
    char name[16] = "";
    int other = 0;
    ASSERT_EQ(TwAddVarRW(left, "name", TW_TYPE_CSSTRING(sizeof name), name, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(right, "other", TW_TYPE_INT32, &other, " key=k "), 1);
    TwDraw();
    const tw::Rect row = left->layout.rows.at(0).rect;
    click(left->layout.valueX + 5, row.y + row.h / 2);
    EXPECT_EQ(TwKeyTest('k', 0), 1);
    type("ok");
    EXPECT_EQ(other, 0) << "the bar under the pointer comes first";
    // Away from the field's bar, the top bar's shortcut is asked before the field.
    pointAway();
    ASSERT_EQ(TwSetTopBar(right), 1);
    EXPECT_EQ(TwKeyPressed('k', 0), 1);
    EXPECT_EQ(other, 1);
    EXPECT_EQ(TwKeyPressed('!', 0), 1);
    EXPECT_EQ(TwKeyPressed(TW_KEY_RETURN, 0), 1);
    EXPECT_STREQ(name, "ok!");
}

TEST_F(Keyboard, WithoutAnEngineOrADrawingAreaKeysAndTheMouseAreNobodysAndNoError) {
    int n = 0;
    ASSERT_EQ(TwAddVarRW(left, "n", TW_TYPE_INT32, &n, " key=k "), 1);
    ASSERT_EQ(TwWindowSize(0, 0), 1);
    EXPECT_EQ(TwKeyPressed('k', 0), 0);
    EXPECT_EQ(TwKeyTest('k', 0), 0);
    EXPECT_EQ(TwMouseMotion(50, 50), 0);
    EXPECT_EQ(TwMouseButton(TW_MOUSE_PRESSED, TW_MOUSE_LEFT), 0);
    EXPECT_EQ(TwMouseWheel(3), 0);
    EXPECT_EQ(n, 0);
    ASSERT_EQ(TwWindowSize(800, 600), 1);
    EXPECT_EQ(TwKeyPressed('k', 0), 1);
    TwTerminate();
    EXPECT_EQ(TwKeyPressed('k', 0), 0);
    EXPECT_EQ(TwMouseMotion(50, 50), 0);
    EXPECT_EQ(lastError(), "");
    ASSERT_EQ(TwInit(TW_DIRECT3D11, tw::headlessDevice()), 1);
}

}  // namespace
