// Starting programs through the launcher from a run folder, and real input for their windows
// through the system's input queue (SendInput), for the tests that drive the demo end to end.
#pragma once

#include <windows.h>

#include <string>

#include "RunFolder.h"

namespace kztest {

struct LauncherRun {
    HANDLE process = nullptr;
    std::string outputFile;  // the launcher's stdout and stderr
};

// Starts "kzlaunch.exe <arguments>" in the run folder, with its output going to a file. A file
// rather than a pipe: Wine's desktop process may start from the program and inherit the handle,
// and a pipe would not end before it does.
LauncherRun startLauncher(const RunFolder& run, const std::string& arguments);

struct LauncherResult {
    DWORD exitCode = 0xffffffff;
    std::string output;
};

// Waits (up to a minute) for the launcher to end.
LauncherResult finish(const LauncherRun& run);
LauncherResult runLauncher(const RunFolder& run, const std::string& arguments);

template <typename Condition>
bool waitFor(Condition condition, DWORD timeoutMs = 20000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

// Brings the window to the front so that the input below goes to it; false when it did not
// become the foreground window.
bool focus(HWND window);

// A key pressed and released.
void sendKey(WORD key);
// Keys for the characters of text: digits, '.' and '-'.
void typeText(const char* text);
// The mouse moved to a point of the window's client area, then the left button pressed and
// released there.
void clickAt(HWND window, int x, int y);

}  // namespace kztest
