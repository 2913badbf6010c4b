// Editing in an open field through the generic key and mouse input: the selection and the
// caret, typing over a selection, erasing, copy and paste through an installed clipboard,
// read-only texts, and the field scrolling to keep the caret in view.
#include <algorithm>
#include <cstring>
#include <string>

#include "edit/Clipboard.h"
#include "EngineFixture.h"
#include "look/Metrics.h"
#include "model/Bar.h"
#include "model/Engine.h"

namespace {

class RecordingClipboard final : public tw::Clipboard {
  public:
    std::string text() override { return held; }
    void setText(std::string_view text) override {
        held = text;
        ++sets;
    }
    std::string held;
    int sets = 0;
};

class TextEdit : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        tw::installClipboard(&clipboard);
        ASSERT_EQ(TwWindowSize(800, 600), 1);
        bar = TwNewBar("bar");
        ASSERT_EQ(TwDefine(" bar position='20 20' size='300 300' valueswidth=120 "), 1);
        ASSERT_EQ(TwAddVarRW(bar, "text", TW_TYPE_CSSTRING(sizeof text), text, nullptr), 1);
        ASSERT_EQ(TwAddVarRW(bar, "number", TW_TYPE_INT32, &number, nullptr), 1);
        ASSERT_EQ(TwAddVarRO(bar, "fixed", TW_TYPE_CSSTRING(sizeof fixed), fixed, nullptr), 1);
    }
    void TearDown() override {
        tw::installClipboard(nullptr);
        EngineTest::TearDown();
    }

    static tw::TextEdit& edit() { return tw::engine().context->input.edit; }
    static std::string selected() {
        const tw::TextEdit& e = edit();
        const std::size_t from = std::min(e.anchor, e.caret), to = std::max(e.anchor, e.caret);
        return e.text.substr(from, to - from);
    }
    int rowY(std::size_t row) {
        EXPECT_EQ(TwDraw(), 1);
        const tw::Rect& r = bar->layout.rows.at(row).rect;
        return r.y + r.h / 2;
    }
    // Where the text of a field starts, unscrolled, and how wide a text is.
    int textX() const { return bar->layout.valueX + tw::kValuePadding; }
    int width(const char* what) const { return tw::engine().context->face(*bar).measure(what); }
    void open(std::size_t row) {
        const int y = rowY(row);  // drawn first: the layout is known from then on
        EXPECT_TRUE(click(bar->layout.valueX + 10, y));
    }
    static void key(int code, int modifiers = 0) { EXPECT_TRUE(TwKeyPressed(code, modifiers)); }

    RecordingClipboard clipboard;
    TwBar* bar = nullptr;
    char text[24] = "hello world";
    int number = 7;
    char fixed[16] = "read me";
};

TEST_F(TextEdit, AFieldOpensAllSelectedAndShiftWithArrowsOrHomeEndSelectsWhatTypingReplaces) {
    open(0);
    EXPECT_EQ(selected(), "hello world");
    EXPECT_EQ(edit().caret, 11u);

    key(TW_KEY_END);
    EXPECT_EQ(selected(), "") << "an arrow or End without Shift drops the selection";
    key(TW_KEY_LEFT, TW_KMOD_SHIFT);
    key(TW_KEY_LEFT, TW_KMOD_SHIFT);
    EXPECT_EQ(selected(), "ld");
    key(TW_KEY_RIGHT, TW_KMOD_SHIFT);
    EXPECT_EQ(selected(), "d") << "the selection shrinks back toward its anchor";
    key(TW_KEY_HOME, TW_KMOD_SHIFT);
    EXPECT_EQ(selected(), "hello world") << "the anchor stays where the selection began";
    key(TW_KEY_LEFT);
    key(TW_KEY_RIGHT, TW_KMOD_SHIFT);
    key(TW_KEY_RIGHT);
    EXPECT_EQ(edit().caret, 1u) << "Right without Shift goes to the selection's end";
    key(TW_KEY_HOME);
    key(TW_KEY_RIGHT, TW_KMOD_SHIFT);
    key(TW_KEY_RIGHT, TW_KMOD_SHIFT);
    type("J");
    EXPECT_EQ(edit().text, "Jllo world");
    key(TW_KEY_END, TW_KMOD_SHIFT);
    key(TW_KEY_LEFT, TW_KMOD_SHIFT);
    EXPECT_EQ(selected(), "llo worl");
    key(TW_KEY_BACKSPACE);
    EXPECT_EQ(edit().text, "Jd") << "Backspace erases the selection, not one more character";
    key(TW_KEY_HOME);
    key(TW_KEY_DELETE);
    EXPECT_EQ(edit().text, "d");
    key(TW_KEY_RETURN);
    EXPECT_STREQ(text, "d");

    open(0);
    type("new");
    key(TW_KEY_ESCAPE);
    EXPECT_STREQ(text, "d") << "Escape leaves the value as it was";
    open(1);
    type("42");
    EXPECT_EQ(number, 7);
    TwMouseWheel(3);
    EXPECT_EQ(number, 42) << "the wheel commits";
    open(1);
    type("5");
    click(700, 500);
    EXPECT_EQ(number, 5) << "so does a press elsewhere";
}

TEST_F(TextEdit, CopyTakesTheSelectionAndPasteReplacesItWithTheClipboardsFirstLine) {
    open(0);
    key(TW_KEY_HOME);
    for (int i = 0; i < 5; ++i)
        key(TW_KEY_RIGHT, TW_KMOD_SHIFT);
    key('c', TW_KMOD_CTRL);
    EXPECT_EQ(clipboard.held, "hello");
    key(TW_KEY_END);
    key('C', TW_KMOD_CTRL | TW_KMOD_SHIFT);
    EXPECT_EQ(clipboard.sets, 1) << "with nothing selected there is nothing to copy";
    key(TW_KEY_LEFT, TW_KMOD_SHIFT);
    key(TW_KEY_INSERT, TW_KMOD_CTRL);
    EXPECT_EQ(clipboard.held, "d");

    clipboard.held = "big\tbright\r\nsecond line";
    key(TW_KEY_LEFT);
    key(TW_KEY_HOME, TW_KMOD_SHIFT);
    key('v', TW_KMOD_CTRL);
    EXPECT_EQ(edit().text, "bigbrightd") << "one line, no control characters";
    EXPECT_EQ(edit().caret, 9u);
    clipboard.held = "0123456789ABCDEF";
    key(TW_KEY_INSERT, TW_KMOD_SHIFT);
    EXPECT_EQ(edit().text, "bigbright0123456789ABCd")
        << "cut to the 23 characters the buffer holds";
    key('x', TW_KMOD_CTRL);
    key('z', TW_KMOD_CTRL);
    EXPECT_EQ(edit().text, "bigbright0123456789ABCd") << "no cut, no undo";
    key(TW_KEY_RETURN);
    EXPECT_STREQ(text, "bigbright0123456789ABCd");

    clipboard.held = "-25";
    open(1);
    key('V', TW_KMOD_CTRL | TW_KMOD_SHIFT);
    key(TW_KEY_RETURN);
    EXPECT_EQ(number, -25) << "numbers paste too";
}

TEST_F(TextEdit, AReadOnlyTextOpensUnselectedAndCanBeCopiedButNotChanged) {
    int sets = 0;
    ASSERT_EQ(TwAddVarCB(
                  bar, "callback", TW_TYPE_CSSTRING(16),
                  [](const void*, void* calls) { ++*static_cast<int*>(calls); },
                  [](void* value, void*) { std::strcpy(static_cast<char*>(value), "from get"); },
                  &sets, " readonly=true "),
              1);
    open(2);
    ASSERT_EQ(edit().control, bar->layout.rows[2].control);
    EXPECT_TRUE(edit().readOnly);
    EXPECT_EQ(selected(), "");
    key(TW_KEY_HOME, TW_KMOD_SHIFT);
    key('c', TW_KMOD_CTRL);
    EXPECT_EQ(clipboard.held, "read me");
    clipboard.held = "other";
    for (int k : {int(TW_KEY_BACKSPACE), int(TW_KEY_DELETE), int('x')})
        key(k);
    key('v', TW_KMOD_CTRL);
    EXPECT_EQ(edit().text, "read me");
    key(TW_KEY_RETURN);
    EXPECT_STREQ(fixed, "read me");

    open(3);
    key(TW_KEY_END, TW_KMOD_SHIFT);
    key(TW_KEY_HOME, TW_KMOD_SHIFT);
    key('v', TW_KMOD_CTRL);
    click(700, 500);
    EXPECT_EQ(sets, 0) << "a press elsewhere closes a read-only field without a write";
    EXPECT_EQ(edit().bar, nullptr);
}

TEST_F(TextEdit, APressPlacesTheCaretAndADragSelects) {
    open(0);
    const int y = rowY(0);
    press(textX() + width("he"), y);
    EXPECT_EQ(edit().caret, 2u);
    EXPECT_EQ(selected(), "") << "a press drops the selection";
    TwMouseMotion(textX() + width("hello w"), y);
    release(textX() + width("hello w"), y);
    EXPECT_EQ(selected(), "llo w");
    TwMouseMotion(textX(), y);
    EXPECT_EQ(selected(), "llo w") << "after the release the pointer selects nothing";
    key('c', TW_KMOD_CTRL);
    EXPECT_EQ(clipboard.held, "llo w");
}

TEST_F(TextEdit, TheFieldScrollsToKeepTheCaretInViewAndBackAtHome) {
    ASSERT_EQ(TwDefine(" bar valueswidth=40 "), 1);
    open(0);
    const int visible = bar->layout.valueWidth, whole = width("hello world");
    ASSERT_LT(visible, whole) << "the text must be wider than its field";
    EXPECT_EQ(edit().scrollX, whole - visible) << "opened with the caret at the end";
    key(TW_KEY_HOME);
    EXPECT_EQ(edit().scrollX, 0);
    for (int i = 0; i < 11; ++i)
        key(TW_KEY_RIGHT);
    EXPECT_EQ(edit().scrollX, whole - visible);
    key(TW_KEY_HOME, TW_KMOD_SHIFT);
    EXPECT_EQ(edit().scrollX, 0) << "the caret end of a selection is kept in view";
    type("x");
    EXPECT_EQ(edit().text, "x");
    EXPECT_EQ(edit().scrollX, 0);
}

}  // namespace
