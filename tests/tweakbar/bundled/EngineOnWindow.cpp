#include "EngineOnWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "model/Bar.h"

namespace kztest {

namespace {

// The message send() or post() waits for the answer to: the window also handles messages of
// the window system meanwhile (focus, activation, the characters TranslateMessage makes, the
// WM_CONTEXTMENU that the default procedure sends inside a right button's release), whose
// answers are not it.
struct Awaited {
    bool pending = false;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    int answer = -1;
} awaited;

LRESULT CALLBACK forwardToEngine(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const int answer = TwEventWin(window, message, wParam, lParam);
    if (awaited.pending && message == awaited.message && wParam == awaited.wParam &&
        lParam == awaited.lParam) {
        awaited.pending = false;
        awaited.answer = answer;
    }
    // A cursor the engine set stays: the default procedure would put the class's back.
    if (message == WM_SETCURSOR && answer == 1) return TRUE;
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

EngineOnWindow::EngineOnWindow(int width, int height, BackBufferShape backBuffer)
    : window_(width, height, forwardToEngine, backBuffer) {
    started_ = TwInit(TW_DIRECT3D11, window_.device()) == 1 && TwWindowSize(width, height) == 1;
}

bool EngineOnWindow::frame(int r, int g, int b) {
    window_.clearBackBuffer(float(r) / 255.0f, float(g) / 255.0f, float(b) / 255.0f);
    const bool drawn = TwDraw() == 1;
    pixels_ = window_.readBackBuffer(&width_, &height_);
    return drawn;
}

int EngineOnWindow::send(UINT message, WPARAM wParam, LPARAM lParam) {
    awaited = Awaited{true, message, wParam, lParam, -1};
    SendMessageA(hwnd(), message, wParam, lParam);
    awaited.pending = false;
    return awaited.answer;
}

int EngineOnWindow::post(UINT message, WPARAM wParam, LPARAM lParam) {
    awaited = Awaited{true, message, wParam, lParam, -1};
    PostMessageA(hwnd(), message, wParam, lParam);
    window_.pumpMessages();
    awaited.pending = false;
    return awaited.answer;
}

int EngineOnWindow::move(int x, int y, WPARAM buttons) {
    return send(WM_MOUSEMOVE, buttons, point(x, y));
}

void EngineOnWindow::click(int x, int y) {
    move(x, y);
    send(WM_LBUTTONDOWN, MK_LBUTTON, point(x, y));
    send(WM_LBUTTONUP, 0, point(x, y));
}

void EngineOnWindow::drag(int fromX, int fromY, int toX, int toY) {
    move(fromX, fromY);
    send(WM_LBUTTONDOWN, MK_LBUTTON, point(fromX, fromY));
    // In steps, as a hand moves the mouse.
    for (int step = 1; step <= 4; ++step)
        move(fromX + (toX - fromX) * step / 4, fromY + (toY - fromY) * step / 4, MK_LBUTTON);
    send(WM_LBUTTONUP, 0, point(toX, toY));
}

void EngineOnWindow::type(const char* text) {
    for (; *text; ++text)
        post(WM_CHAR, static_cast<unsigned char>(*text), 1);
}

int EngineOnWindow::keyDownHolding(std::initializer_list<int> modifiers, WPARAM virtualKey) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    BYTE held[256];
    std::memcpy(held, keys, sizeof held);
    for (int vk : modifiers)
        held[vk] = 0x80;
    SetKeyboardState(held);
    const int answer = send(WM_KEYDOWN, virtualKey, 1);
    SetKeyboardState(keys);
    return answer;
}

EngineOnWindow::RowPoints EngineOnWindow::rowOf(TwBar* bar, const char* control) {
    RowPoints points;
    const tw::Control* found = bar->find(control);
    const tw::Row* row = found ? tw::shownRow(*bar, found, -1) : nullptr;
    if (!row) return points;
    points.found = true;
    points.y = row->rect.y + row->rect.h / 2;
    points.labelX = bar->layout.labelX + 2;
    points.valueX = bar->layout.valueX + bar->layout.valueWidth / 2;
    return points;
}

bool closeTo(Rgba p, Rgba colour, int tolerance) {
    return std::abs(p.r - colour.r) <= tolerance && std::abs(p.g - colour.g) <= tolerance &&
           std::abs(p.b - colour.b) <= tolerance;
}

TwBar* barAtFontSize(int size, const char* name, const std::string& parameters) {
    TwBar* bar = TwNewBar(name);
    const std::string define = "GLOBAL fontsize=" + std::to_string(size) +
                               "\r\nTW_HELP visible=false\r\n" + name + " " + parameters;
    EXPECT_EQ(TwDefine(define.c_str()), 1) << TwGetLastError();
    return bar;
}

TwFrameStats statsOfLastDraw() {
    TwFrameStats stats{};
    EXPECT_EQ(TwGetFrameStats(&stats), 1);
    return stats;
}

}  // namespace kztest
