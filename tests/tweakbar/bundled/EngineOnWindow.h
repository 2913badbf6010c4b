// The engine as KZConsole.dll links it (core, Direct3D 11 renderer, Win32 messages), started on
// a real window and device: the window's procedure hands every message to TwEventWin, and each
// frame is cleared, drawn with TwDraw and read back.
#pragma once

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "AntTweakBar.h"
#include "D3DTestWindow.h"
#include "draw/Geometry.h"
#include "TwFrameStats.h"

namespace kztest {

class EngineOnWindow {
  public:
    // The engine's drawing area is the client area, width x height; the back buffer may differ.
    EngineOnWindow(int width = 480, int height = 360, BackBufferShape backBuffer = {});
    ~EngineOnWindow() { TwTerminate(); }
    EngineOnWindow(const EngineOnWindow&) = delete;
    EngineOnWindow& operator=(const EngineOnWindow&) = delete;

    bool started() const { return started_; }
    HWND hwnd() const { return window_.window(); }
    D3DTestWindow& window() { return window_; }

    // Clears the back buffer to the colour (0..255), draws the bars, and keeps the picture as
    // the screen shows it.
    bool frame(int r, int g, int b);
    Rgba pixel(int x, int y) const { return pixelAt(pixels_, width_, x, y); }
    const std::vector<std::uint8_t>& pixels() const { return pixels_; }
    // How many pixels of an area of the last frame the ink test holds for.
    template <class Ink>
    int pixelsIn(const tw::Rect& area, Ink ink) const {
        int count = 0;
        for (int y = area.y; y < area.bottom(); ++y)
            for (int x = area.x; x < area.right(); ++x)
                count += ink(pixel(x, y)) ? 1 : 0;
        return count;
    }
    // Writes the last frame to a PNG file in the test's folder, for a person to judge.
    bool keep(const std::string& file) const { return writePng(file, pixels_, width_, height_); }
    int width() const { return width_; }
    int height() const { return height_; }

    // Sends a message to the window and returns what TwEventWin answered to it (-1: not
    // called).
    int send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Posts a message and runs the queue with TranslateMessage, as a game's loop does; returns
    // what TwEventWin answered to that message (-1: it did not arrive).
    int post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Mouse gestures as the window receives them, in client coordinates.
    int move(int x, int y, WPARAM buttons = 0);
    void click(int x, int y);
    void drag(int fromX, int fromY, int toX, int toY);
    // Keys and characters typed into a window of an ANSI class.
    void type(const char* text);
    void key(WPARAM virtualKey) { post(WM_KEYDOWN, virtualKey, 1); }
    // Sends a key down while the keyboard state holds the modifiers (VK_SHIFT, VK_CONTROL...),
    // as when the user holds them; returns what TwEventWin answered.
    int keyDownHolding(std::initializer_list<int> modifiers, WPARAM virtualKey);

    // Where a control was shown in the last frame: the middle of its row, of its label and of
    // its value field.
    struct RowPoints {
        bool found = false;
        int y = 0, labelX = 0, valueX = 0;
    };
    static RowPoints rowOf(TwBar* bar, const char* control);

  private:
    D3DTestWindow window_;
    bool started_ = false;
    std::vector<std::uint8_t> pixels_;
    int width_ = 0, height_ = 0;
};

// How light a pixel is: the sum of its three channels.
inline int lightness(Rgba p) {
    return p.r + p.g + p.b;
}
// Whether each of a pixel's channels lies within a tolerance of a colour's.
bool closeTo(Rgba p, Rgba colour, int tolerance);

inline LPARAM point(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

// A new bar at a font size (1 to 3), with the help bar hidden, and the bar's parameters defined;
// a define that fails fails the test.
TwBar* barAtFontSize(int size, const char* name, const std::string& parameters);

// The engine's figures for its last TwDraw; a failure to give them fails the test that asked.
TwFrameStats statsOfLastDraw();

}  // namespace kztest
