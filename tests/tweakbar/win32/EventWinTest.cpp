// TwEventWin on a real window: messages sent or posted to it reach the engine's input in the
// right order and form, the engine's answer comes back, and the mouse is captured during drags.
#include <gtest/gtest.h>

#include <windows.h>

#include "AntTweakBar.h"
#include "RecordingInput.h"

namespace {

using Calls = std::vector<std::string>;

int lastAnswer = -1;

LRESULT CALLBACK forwardToEngine(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    lastAnswer = TwEventWin(window, message, wParam, lParam);
    return IsWindowUnicode(window) ? DefWindowProcW(window, message, wParam, lParam)
                                   : DefWindowProcA(window, message, wParam, lParam);
}

// A visible window whose procedure hands every message to TwEventWin.
class EngineWindow {
  public:
    explicit EngineWindow(bool unicode = false) {
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        if (unicode) {
            WNDCLASSW wc{};
            wc.lpfnWndProc = forwardToEngine;
            wc.hInstance = instance;
            wc.lpszClassName = L"EventWinTestW";
            RegisterClassW(&wc);
            window_ = CreateWindowW(wc.lpszClassName, L"test", WS_OVERLAPPEDWINDOW, 50, 50, 400,
                                    300, nullptr, nullptr, instance, nullptr);
        } else {
            WNDCLASSA wc{};
            wc.lpfnWndProc = forwardToEngine;
            wc.hInstance = instance;
            wc.lpszClassName = "EventWinTestA";
            RegisterClassA(&wc);
            window_ = CreateWindowA(wc.lpszClassName, "test", WS_OVERLAPPEDWINDOW, 50, 50, 400, 300,
                                    nullptr, nullptr, instance, nullptr);
        }
        ShowWindow(window_, SW_SHOW);
        pump();
        recording::reset();
        lastAnswer = -1;
    }
    ~EngineWindow() {
        if (GetCapture() == window_) ReleaseCapture();
        DestroyWindow(window_);
    }

    HWND get() const { return window_; }

    int send(UINT message, WPARAM wParam, LPARAM lParam) {
        lastAnswer = -1;
        SendMessageA(window_, message, wParam, lParam);
        return lastAnswer;
    }

    // Posts through the queue with TranslateMessage, the way a game's message loop runs.
    void post(UINT message, WPARAM wParam, LPARAM lParam) {
        PostMessageA(window_, message, wParam, lParam);
        pump();
    }

    static void pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

  private:
    HWND window_ = nullptr;
};

LPARAM point(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

TEST(EventWin, PressMovesTheEngineToItsPositionAndReportsTheEnginesAnswer) {
    EngineWindow window;
    recording::handled = true;
    EXPECT_EQ(window.send(WM_LBUTTONDOWN, MK_LBUTTON, point(30, 40)), 1);
    EXPECT_EQ(recording::calls, (Calls{"move 30,40", "button left down"}));

    recording::reset();
    EXPECT_EQ(window.send(WM_RBUTTONUP, 0, point(31, 41)), 0);
    EXPECT_EQ(recording::calls, (Calls{"move 31,41", "button right up"}));
}

TEST(EventWin, SizeReachesTheEngineAndIsNeverReportedHandled) {
    EngineWindow window;
    recording::handled = true;
    EXPECT_EQ(window.send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(200, 100)), 0);
    EXPECT_EQ(recording::calls, (Calls{"resize 200,100"}));
}

TEST(EventWin, MessagesTheEngineDoesNotTakeReachNothing) {
    EngineWindow window;
    recording::handled = true;
    for (UINT message : {UINT(WM_KEYUP), UINT(WM_USER + 1), UINT(WM_MOUSEHWHEEL)})
        EXPECT_EQ(window.send(message, 0, 0), 0) << message;
    EXPECT_TRUE(recording::calls.empty());
}

TEST(EventWin, WheelPositionIsTurnedIntoClientCoordinates) {
    EngineWindow window;
    POINT onScreen{30, 40};
    ClientToScreen(window.get(), &onScreen);
    recording::handled = true;
    EXPECT_EQ(window.send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)),
                          point(onScreen.x, onScreen.y)),
              1);
    EXPECT_EQ(recording::calls, (Calls{"move 30,40", "wheel -120"}));
}

TEST(EventWin, MouseIsCapturedForTheLengthOfADrag) {
    EngineWindow window;
    ASSERT_EQ(GetCapture(), nullptr);
    recording::handled = true;
    recording::wantsCapture = true;
    window.send(WM_LBUTTONDOWN, MK_LBUTTON, point(10, 10));
    EXPECT_EQ(GetCapture(), window.get());
    window.send(WM_MOUSEMOVE, MK_LBUTTON, point(-20, 500));
    EXPECT_EQ(GetCapture(), window.get());
    EXPECT_EQ(recording::calls.back(), "move -20,500");

    recording::wantsCapture = false;
    window.send(WM_LBUTTONUP, 0, point(-20, 500));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST(EventWin, ACaptureTheGameSetIsLeftToTheGame) {
    EngineWindow window;
    SetCapture(window.get());
    recording::wantsCapture = true;
    window.send(WM_LBUTTONDOWN, MK_LBUTTON, point(10, 10));
    recording::wantsCapture = false;
    window.send(WM_LBUTTONUP, 0, point(10, 10));
    EXPECT_EQ(GetCapture(), window.get());
}

TEST(EventWin, ControlCharacterOfAKeyGetsTheAnswerOfItsKeyDown) {
    EngineWindow window;
    // TranslateMessage turns the posted key down into WM_CHAR '\r'; the engine hears the key
    // once, and the game sees neither message.
    recording::handled = true;
    window.post(WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(lastAnswer, 1) << "answer to the WM_CHAR that followed";
    EXPECT_EQ(recording::calls, (Calls{"key 1 mods 0"}));

    recording::reset();
    window.post(WM_KEYDOWN, VK_BACK, 1);
    EXPECT_EQ(lastAnswer, 0);
    EXPECT_EQ(recording::calls, (Calls{"key 3 mods 0"}));
}

TEST(EventWin, ModifiersComeFromTheKeyboardState) {
    EngineWindow window;
    BYTE keys[256] = {};
    ASSERT_TRUE(GetKeyboardState(keys));
    BYTE held[256];
    std::copy(std::begin(keys), std::end(keys), held);
    held[VK_SHIFT] = held[VK_CONTROL] = 0x80;
    ASSERT_TRUE(SetKeyboardState(held));
    window.send(WM_KEYDOWN, VK_LEFT, 1);
    SetKeyboardState(keys);
    EXPECT_EQ(recording::calls, (Calls{"key 6 mods 3"}));
}

TEST(EventWin, UnicodeWindowsTypeIntoTheEnginesCodePage) {
    EngineWindow window(true);
    SendMessageW(window.get(), WM_CHAR, 0x20AC, 1);
    SendMessageW(window.get(), WM_CHAR, 0x00E9, 1);
    EXPECT_EQ(recording::calls, (Calls{"char 128 mods 0", "char 233 mods 0"}));
}

}  // namespace
