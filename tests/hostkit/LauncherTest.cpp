// The launcher starting the demo with the host and the probe plug-in inside, driven with real
// input through the system's input queue, and the launcher's refusals.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "LauncherDriver.h"
#include "RunFolder.h"

namespace {

using kztest::finish;
using kztest::LauncherResult;
using kztest::LauncherRun;
using kztest::readCounts;
using kztest::readFile;
using kztest::RunFolder;
using kztest::runLauncher;
using kztest::sendKey;
using kztest::startLauncher;
using kztest::waitFor;

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
    ASSERT_TRUE(kztest::focus(demo));

    RECT client;
    GetClientRect(demo, &client);
    for (int i = 0; i < 5; ++i)
        sendKey('A');
    for (int i = 0; i < 3; ++i)
        sendKey(VK_F9);
    for (int i = 0; i < 3; ++i)
        kztest::clickAt(demo, client.right / 2 + i * 10, client.bottom / 2);
    // A window manager's resize: the demo resizes its buffers in WM_SIZE while the probe holds
    // a view on one.
    SetWindowPos(demo, nullptr, 0, 0, 800, 500, SWP_NOMOVE | SWP_NOZORDER);
    GetClientRect(demo, &client);
    Sleep(300);          // a few frames at the new size
    sendKey(VK_ESCAPE);  // queued behind the input above, so the demo has seen all of it

    const LauncherResult result = finish(launcher);
    EXPECT_EQ(result.exitCode, 7u) << result.output;
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
    ASSERT_EQ(result.exitCode, 0u) << result.output;
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
    ASSERT_EQ(result.exitCode, 0u) << result.output;
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
    EXPECT_NE(r.output.find("usage"), std::string::npos) << r.output;

    r = runLauncher(run, "missing.exe");
    EXPECT_EQ(r.exitCode, kRefused);
    EXPECT_NE(r.output.find("program not found: missing.exe"), std::string::npos) << r.output;

    r = runLauncher(run, "old.exe");
    EXPECT_EQ(r.exitCode, kRefused);
    EXPECT_NE(r.output.find("32-bit"), std::string::npos) << r.output;

    r = runLauncher(run, "text.exe");
    EXPECT_EQ(r.exitCode, kRefused);
    EXPECT_NE(r.output.find("not a Windows program"), std::string::npos) << r.output;

    r = runLauncher(run, "plugins\\KZProbe.dll");
    EXPECT_EQ(r.exitCode, kRefused);
    EXPECT_NE(r.output.find("is a DLL"), std::string::npos) << r.output;
}

TEST(LauncherRefuses, MissingHostDllBeforeStartingAnything) {
    RunFolder run("nohost");
    run.copyPart("kzlaunch.exe");
    run.copyPart("KZDemo.exe");
    const LauncherResult r = runLauncher(run, "KZDemo.exe --report demo.txt");
    EXPECT_EQ(r.exitCode, kRefused);
    EXPECT_NE(r.output.find("KZBase.dll not found"), std::string::npos) << r.output;
    EXPECT_TRUE(readFile(run.file("demo.txt")).empty()) << "the demo must not have run";
}

TEST(LauncherRefuses, HostThatCannotBeLoadedEndsTheProgramUnstarted) {
    RunFolder run("brokenhost");
    run.copyPart("kzlaunch.exe");
    run.copyPart("KZDemo.exe");
    run.write("KZBase.dll", "not a DLL at all");
    const LauncherResult r = runLauncher(run, "KZDemo.exe --report demo.txt");
    EXPECT_EQ(r.exitCode, kLaunchFailed);
    EXPECT_NE(r.output.find("failed in the new process"), std::string::npos) << r.output;
    EXPECT_TRUE(readFile(run.file("demo.txt")).empty()) << "the demo must not have run";
}

}  // namespace
