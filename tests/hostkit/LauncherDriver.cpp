#include "LauncherDriver.h"

#include <stdexcept>

namespace kztest {

LauncherRun startLauncher(const RunFolder& run, const std::string& arguments) {
    LauncherRun launched;
    launched.outputFile = run.file("launcher-output.txt");
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE output =
        CreateFileA(launched.outputFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    &inheritable, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdError = output;
    startup.hStdOutput = output;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION info{};
    std::string commandLine = "\"" + run.file("kzlaunch.exe") + "\" " + arguments;
    const BOOL started = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0,
                                        nullptr, run.path().c_str(), &startup, &info);
    CloseHandle(output);
    if (!started) return launched;
    CloseHandle(info.hThread);
    launched.process = info.hProcess;
    return launched;
}

LauncherResult finish(const LauncherRun& run) {
    LauncherResult result;
    if (!run.process) return result;
    WaitForSingleObject(run.process, 60000);
    GetExitCodeProcess(run.process, &result.exitCode);
    CloseHandle(run.process);
    result.output = readFile(run.outputFile);
    return result;
}

LauncherResult runLauncher(const RunFolder& run, const std::string& arguments) {
    return finish(startLauncher(run, arguments));
}

bool focus(HWND window) {
    SetForegroundWindow(window);
    return waitFor([&] { return GetForegroundWindow() == window; });
}

void sendKey(WORD key) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

void typeText(const char* text) {
    for (; *text; ++text) {
        if (*text >= '0' && *text <= '9')
            sendKey(static_cast<WORD>(*text));
        else if (*text == '.')
            sendKey(VK_OEM_PERIOD);
        else if (*text == '-')
            sendKey(VK_OEM_MINUS);
        else
            throw std::invalid_argument(std::string("no key for ") + *text);
    }
}

void clickAt(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    INPUT input[3] = {};
    for (INPUT& i : input)
        i.type = INPUT_MOUSE;
    input[0].mi.dx = point.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input[0].mi.dy = point.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, input, sizeof(INPUT));
}

}  // namespace kztest
