// The launcher starting the demo with the host and the probe plug-in inside, driven with real
// input through the system's input queue, and the launcher's refusals.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "RunFolder.h"

namespace {

using kztest::readCounts;
using kztest::readFile;
using kztest::RunFolder;

struct LauncherRun {
    HANDLE process = nullptr;
    std::string errorFile;
};

// Starts "kzlaunch.exe <arguments>" in the folder with its stdout and stderr going to a file. A
// file rather than a pipe: Wine's desktop process may start from the demo and inherit the
// handle, and a pipe would not end before it does.
LauncherRun startLauncher(const RunFolder& run, const std::string& arguments) {
    LauncherRun launched;
    launched.errorFile = run.file("launcher-output.txt");
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE output =
        CreateFileA(launched.errorFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
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

struct LauncherResult {
    DWORD exitCode = 0xffffffff;
    std::string errorText;
};

LauncherResult finish(const LauncherRun& run) {
    LauncherResult result;
    if (!run.process) return result;
    WaitForSingleObject(run.process, 60000);
    GetExitCodeProcess(run.process, &result.exitCode);
    CloseHandle(run.process);
    result.errorText = readFile(run.errorFile);
    return result;
}

LauncherResult runLauncher(const RunFolder& run, const std::string& arguments) {
    return finish(startLauncher(run, arguments));
}

template <typename Condition>
bool waitFor(Condition condition, DWORD timeoutMs = 20000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

void layOutHost(RunFolder& run) {
    run.copyPart("kzlaunch.exe");
    run.copyPart("KZBase.dll");
    run.copyPart("KZLog.dll");
    run.copyPart("KZDemo.exe");
    run.makeFolder("plugins");
    run.copyPart("KZProbe.dll", "plugins\\KZProbe.dll");
}

// The probe's settings travel to the demo through the environment the launcher passes on.
class ProbeEnvironment {
  public:
    ProbeEnvironment(const RunFolder& run, const char* holdView, const char* swallowVk) {
        SetEnvironmentVariableA("KZPROBE_REPORT_DIR", run.path().c_str());
        SetEnvironmentVariableA("KZPROBE_HOLD_VIEW", holdView);
        SetEnvironmentVariableA("KZPROBE_SWALLOW_VK", swallowVk);
    }
};

void sendKey(WORD key) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

void clickAt(int x, int y) {
    INPUT input[3] = {};
    for (INPUT& i : input)
        i.type = INPUT_MOUSE;
    input[0].mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input[0].mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, input, sizeof(INPUT));
}

// --- the demo through the launcher ----------------------------------------------------------

TEST(LauncherWithDemo, RealInputResizeAndSwallowedKeysAsTheGameAndThePlugInSeeThem) {
    RunFolder run("input");
    layOutHost(run);
    ProbeEnvironment probe(run, "1", "0x78");  // swallow F9
    LauncherRun launcher =
        startLauncher(run, "KZDemo.exe --report demo.txt --exit-code 7 --size 640x400");
    ASSERT_NE(launcher.process, nullptr);

    HWND demo = nullptr;
    ASSERT_TRUE(waitFor([&] { return (demo = FindWindowA("KZDemoWindow", nullptr)) != nullptr; }));
    // The probe logs its first frame; by then the host has subclassed the demo's window.
    ASSERT_TRUE(waitFor(
        [&] { return readFile(run.file("KZLog.txt")).find("first frame") != std::string::npos; }));
    SetForegroundWindow(demo);
    ASSERT_TRUE(waitFor([&] { return GetForegroundWindow() == demo; }));

    RECT client;
    GetClientRect(demo, &client);
    POINT centre{client.right / 2, client.bottom / 2};
    ClientToScreen(demo, &centre);
    for (int i = 0; i < 5; ++i)
        sendKey('A');
    for (int i = 0; i < 3; ++i)
        sendKey(VK_F9);
    for (int i = 0; i < 3; ++i)
        clickAt(centre.x + i * 10, centre.y);
    // A window manager's resize: the demo resizes its buffers in WM_SIZE while the probe holds
    // a view on one.
    SetWindowPos(demo, nullptr, 0, 0, 800, 500, SWP_NOMOVE | SWP_NOZORDER);
    GetClientRect(demo, &client);
    Sleep(300);          // a few frames at the new size
    sendKey(VK_ESCAPE);  // queued behind the input above, so the demo has seen all of it

    const LauncherResult result = finish(launcher);
    EXPECT_EQ(result.exitCode, 7u) << result.errorText;
    auto game = readCounts(run.file("demo.txt"));
    auto seen = readCounts(run.file("KZProbe.dll.txt"));
    ASSERT_FALSE(game.empty());
    ASSERT_FALSE(seen.empty());

    // Every key reached the probe first; the swallowed F9 messages reached the game as WM_NULL.
    EXPECT_EQ(seen["swallowed"], 6);
    EXPECT_GE(game["keyboard"], 16);  // 5 x (down, char, up) and the Escape
    EXPECT_EQ(seen["keyboard"], game["keyboard"] + seen["swallowed"]);
    EXPECT_GE(game["null"], 6);
    EXPECT_GE(seen["mouse"], 6);
    EXPECT_GE(game["mouse"], seen["mouse"]);

    EXPECT_EQ(seen["lastHwnd"], static_cast<long long>(reinterpret_cast<std::uintptr_t>(demo)));
    EXPECT_EQ(seen["lastSizeLParam"], MAKELPARAM(client.right, client.bottom));
    EXPECT_EQ(game["resizeFailures"], 0);
    EXPECT_GE(game["resizes"], 1);
    EXPECT_EQ(game["width"], client.right);
    EXPECT_EQ(game["height"], client.bottom);
    EXPECT_GT(seen["presentsSinceSize"], 0);
    EXPECT_GE(seen["viewsCreated"], 2);

    // The log sits beside the demo, with the host's lines and the probe's one line.
    const std::string log = readFile(run.file("KZLog.txt"));
    EXPECT_EQ(kztest::occurrences(log, "probe KZProbe.dll: first frame"), 1) << log;
    EXPECT_NE(log.find("KZBase: started in"), std::string::npos) << log;
    EXPECT_NE(log.find("KZDemo.exe"), std::string::npos) << log;
}

TEST(LauncherWithDemo, EveryFrameReachesThePlugInAcrossABufferResize) {
    RunFolder run("rebuffer");
    layOutHost(run);
    ProbeEnvironment probe(run, "1", "");
    const LauncherResult result = runLauncher(
        run, "KZDemo.exe --frames 60 --fps 0 --resize-buffers-at 20:320x200 --report demo.txt");
    ASSERT_EQ(result.exitCode, 0u) << result.errorText;
    auto game = readCounts(run.file("demo.txt"));
    auto seen = readCounts(run.file("KZProbe.dll.txt"));
    EXPECT_EQ(game["resizeFailures"], 0);
    EXPECT_EQ(game["width"], 320);
    EXPECT_EQ(seen["presents"], 60);
    EXPECT_EQ(seen["viewsCreated"], 2);
}

TEST(LauncherWithDemo, EveryFrameReachesThePlugInAcrossANewSwapChain) {
    RunFolder run("newchain");
    layOutHost(run);
    ProbeEnvironment probe(run, "", "");
    const LauncherResult result =
        runLauncher(run, "KZDemo.exe --frames 60 --fps 0 --new-swap-chain-at 20 --report demo.txt");
    ASSERT_EQ(result.exitCode, 0u) << result.errorText;
    auto game = readCounts(run.file("demo.txt"));
    auto seen = readCounts(run.file("KZProbe.dll.txt"));
    EXPECT_EQ(game["swapChains"], 2);
    EXPECT_EQ(game["presentFailures"], 0);
    EXPECT_EQ(seen["presents"], 60);
}

// --- refusals -------------------------------------------------------------------------------

constexpr DWORD kRefused = 120, kLaunchFailed = 121;

// The headers of a 32-bit x86 program: enough for any loader to tell what it is.
std::string thirtyTwoBitHeaders() {
    std::string image(0x200, '\0');
    image[0] = 'M';
    image[1] = 'Z';
    image[0x3c] = 0x40;
    image.replace(0x40, 4, std::string("PE\0\0", 4));
    image[0x44] = 0x4c;  // IMAGE_FILE_MACHINE_I386
    image[0x45] = 0x01;
    image[0x56] = 0x02;  // IMAGE_FILE_EXECUTABLE_IMAGE
    return image;
}

TEST(LauncherRefuses, ProgramsItCannotEnterWithASentenceSayingWhy) {
    RunFolder run("refusals");
    layOutHost(run);
    run.write("old.exe", thirtyTwoBitHeaders());
    run.write("text.exe", "echo hello");

    LauncherResult r = runLauncher(run, "");
    EXPECT_EQ(r.exitCode, kRefused);
    EXPECT_NE(r.errorText.find("usage"), std::string::npos) << r.errorText;

    r = runLauncher(run, "missing.exe");
    EXPECT_EQ(r.exitCode, kRefused);
    EXPECT_NE(r.errorText.find("program not found: missing.exe"), std::string::npos) << r.errorText;

    r = runLauncher(run, "old.exe");
    EXPECT_EQ(r.exitCode, kRefused);
    EXPECT_NE(r.errorText.find("32-bit"), std::string::npos) << r.errorText;

    r = runLauncher(run, "text.exe");
    EXPECT_EQ(r.exitCode, kRefused);
    EXPECT_NE(r.errorText.find("not a Windows program"), std::string::npos) << r.errorText;

    r = runLauncher(run, "plugins\\KZProbe.dll");
    EXPECT_EQ(r.exitCode, kRefused);
    EXPECT_NE(r.errorText.find("is a DLL"), std::string::npos) << r.errorText;
}

TEST(LauncherRefuses, MissingHostDllBeforeStartingAnything) {
    RunFolder run("nohost");
    run.copyPart("kzlaunch.exe");
    run.copyPart("KZDemo.exe");
    const LauncherResult r = runLauncher(run, "KZDemo.exe --report demo.txt");
    EXPECT_EQ(r.exitCode, kRefused);
    EXPECT_NE(r.errorText.find("KZBase.dll not found"), std::string::npos) << r.errorText;
    EXPECT_TRUE(readFile(run.file("demo.txt")).empty()) << "the demo must not have run";
}

TEST(LauncherRefuses, HostThatCannotBeLoadedEndsTheProgramUnstarted) {
    RunFolder run("brokenhost");
    run.copyPart("kzlaunch.exe");
    run.copyPart("KZDemo.exe");
    run.write("KZBase.dll", "not a DLL at all");
    const LauncherResult r = runLauncher(run, "KZDemo.exe --report demo.txt");
    EXPECT_EQ(r.exitCode, kLaunchFailed);
    EXPECT_NE(r.errorText.find("failed in the new process"), std::string::npos) << r.errorText;
    EXPECT_TRUE(readFile(run.file("demo.txt")).empty()) << "the demo must not have run";
}

}  // namespace
