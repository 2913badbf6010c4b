// The window hook: the F1/F2 state table with the real cursor display count, and what is given
// to the engine and withheld from the game in each state.
#include "OverlayTestSupport.h"

using kztest::cursorDisplayCount;
using kztest::HookRecord;
using kztest::OverlayTest;

namespace {

class WindowHook : public OverlayTest {
  protected:
    int startCount = 0;
    void SetUp() override {
        present();
        startCount = cursorDisplayCount();
        twdouble::clearCalls();
    }
    // A record as the host sends it for this window.
    HookRecord sent(std::uint32_t message, std::uint64_t wParam = 0) {
        return HookRecord(message, wParam, 0x00200010,
                          reinterpret_cast<std::uint64_t>(window.window()));
    }
    // Sends a record through the hook; returns it as the game would see it.
    HookRecord through(std::uint32_t message, std::uint64_t wParam = 0) {
        HookRecord record = sent(message, wParam);
        dbefore_WindowProc(nullptr, record);
        return record;
    }
    static bool swallowed(HookRecord& record) {
        return record->message == 0 && record->result == 0;
    }
};

struct Step {
    WPARAM key;
    bool visible, interactive;
};

TEST_F(WindowHook, KeysWalkTheFourStatesAndTheCursorFollowsShownAndInteractive) {
    const Step walk[] = {
        {VK_F1, true, true},   {VK_F2, true, false}, {VK_F2, true, true},   {VK_F1, false, true},
        {VK_F2, false, false}, {VK_F1, true, false}, {VK_F1, false, false}, {VK_F2, false, true},
        {VK_F1, true, true},   {VK_F2, true, false}, {VK_F1, false, false}, {VK_F2, false, true},
    };
    for (const Step& step : walk) {
        keyUp(step.key);
        const Console& c = console();
        SCOPED_TRACE(testing::Message() << "after " << (step.key == VK_F1 ? "F1" : "F2"));
        EXPECT_EQ(c.visible, step.visible);
        EXPECT_EQ(c.interactive, step.interactive);
        EXPECT_EQ(c.cursorShown, step.visible && step.interactive);
        EXPECT_EQ(cursorDisplayCount(), startCount + (step.visible && step.interactive ? 1 : 0));
    }
    EXPECT_EQ(cursorDisplayCount(), startCount);
}

TEST_F(WindowHook, OnlyTheKeyUpOfF1AndF2Toggles) {
    for (std::uint32_t message :
         {UINT(WM_KEYDOWN), UINT(WM_SYSKEYUP), UINT(WM_SYSKEYDOWN), UINT(WM_CHAR)})
        for (WPARAM key : {WPARAM(VK_F1), WPARAM(VK_F2)})
            through(message, key);
    keyUp(VK_F3);
    keyUp(0x70 + 0x100000000ull);  // compared as a whole 64-bit value
    EXPECT_FALSE(console().visible);
    EXPECT_TRUE(console().interactive);
}

// The key-up that gives the overlay the input is swallowed; the one that hands it back to the
// game reaches it.
TEST_F(WindowHook, TheF1ThatShowsAndTheF2ThatMakesInteractiveAreSwallowedTheOthersReachTheGame) {
    HookRecord shows = through(WM_KEYUP, VK_F1);
    EXPECT_TRUE(swallowed(shows));
    EXPECT_EQ(twdouble::count("TwEventWin"), 1);
    HookRecord passive = through(WM_KEYUP, VK_F2);
    EXPECT_EQ(passive->message, UINT(WM_KEYUP));
    HookRecord interactive = through(WM_KEYUP, VK_F2);
    EXPECT_TRUE(swallowed(interactive));
    const int seen = twdouble::count("TwEventWin");
    HookRecord hides = through(WM_KEYUP, VK_F1);
    EXPECT_EQ(hides.bytes, sent(WM_KEYUP, VK_F1).bytes);
    EXPECT_EQ(twdouble::count("TwEventWin"), seen) << "nor does the engine see it";
}

TEST_F(WindowHook, TheEngineGetsTheRecordsFieldsAndSwallowingChangesOnlyMessageAndResult) {
    keyUp(VK_F1);
    twdouble::clearCalls();
    HookRecord record = through(WM_LBUTTONDOWN, MK_LBUTTON);
    ASSERT_EQ(twdouble::callNames(), std::vector<std::string>{"TwEventWin"});
    EXPECT_EQ(twdouble::calls()[0].args,
              (std::vector<std::string>{"<ptr>", std::to_string(WM_LBUTTONDOWN),
                                        std::to_string(MK_LBUTTON), std::to_string(0x00200010)}));
    const HookRecord original = sent(WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_TRUE(swallowed(record));
    for (std::size_t i = 0; i < record.bytes.size(); ++i) {
        const bool messageOrResult = (i >= 96 && i < 100) || (i >= 112 && i < 120);
        if (!messageOrResult) {
            EXPECT_EQ(record.bytes[i], original.bytes[i]) << "byte " << i;
        }
    }
}

TEST_F(WindowHook, MouseAndKeyboardRangesAreSwallowedWhateverTheEngineSays) {
    keyUp(VK_F1);
    twdouble::setEventResult(0);
    for (std::uint32_t message : {0x00FFu, 0x0100u, 0x010Fu, 0x0200u, 0x020Fu}) {
        HookRecord record = through(message);
        EXPECT_TRUE(swallowed(record)) << std::hex << message;
    }
    for (std::uint32_t message : {0x00FEu, 0x0110u, 0x0210u, 0x000Fu}) {
        HookRecord record = through(message);
        EXPECT_EQ(record->message, message) << std::hex << message;
    }
    twdouble::setEventResult(1);
    for (std::uint32_t message : {0x00FEu, 0x0110u, 0x0210u}) {
        HookRecord record = through(message);
        EXPECT_TRUE(swallowed(record)) << std::hex << message;
    }
}

TEST_F(WindowHook, HiddenOrPassiveTheEngineSeesNothingAndOnlyResizesActShownItSeesThemToo) {
    twdouble::setEventResult(1);
    for (bool passiveShown : {false, true}) {
        if (passiveShown) {
            keyUp(VK_F2);
            keyUp(VK_F1);
        }
        twdouble::clearCalls();
        for (std::uint32_t message :
             {UINT(WM_MOUSEMOVE), UINT(WM_KEYDOWN), UINT(WM_CHAR), 0x0210u}) {
            HookRecord record = through(message, 'A');
            EXPECT_EQ(record->message, message);
            EXPECT_EQ(record->result, 0x1122334455667788);
        }
        HookRecord resize = through(WM_SIZE);
        EXPECT_EQ(resize->message, UINT(WM_SIZE));
        EXPECT_TRUE(console().resizePending);
        EXPECT_EQ(console().renderTargetView, nullptr);
        EXPECT_EQ(twdouble::count("TwEventWin"), 0);
    }
    // Shown and interactive, the engine gets the size too.
    keyUp(VK_F2);
    HookRecord resize = through(WM_SIZE);
    EXPECT_TRUE(swallowed(resize));
    EXPECT_TRUE(console().resizePending);
}

}  // namespace
