// The download as a player gets it: unpacked into an empty folder (by the fixture
// Sdk.TheDownloadIsNamedAfterTheVersionAndUnpacksIntoAnEmptyFolder), the demo game started
// from its bin folder through its own launcher, with its own overlay and sample plug-in; and the
// proxy dxgi.dll copied with the host beside a game that is then started by itself.
//
// Windows loads a dxgi.dll from the program's folder before the system's. Wine does so for a
// DLL that it also has built in only when told: WINEDLLOVERRIDES=dxgi=n,b (native first, then
// built in), which ctest sets for these tests (tests/sdk/CMakeLists.txt). Wine reads it from
// the environment a process starts with, so every program these tests start inherits it, and
// the bin folder's dxgi.dll comes into the demo there too, beside the launcher's host.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "HostTestKit.h"

namespace {

namespace fs = std::filesystem;

// The test program's folder holds the unpacked download and the C plug-in.
std::string unpackedBin() {
    return (fs::path(kztest::programFolder()) / KZ_UNPACKED_FOLDER / "bin").string();
}

// The ProductVersion text of a file's version resource, and its fixed file version as
// "major.minor.patch"; empty when the file has none.
struct FileVersion {
    std::string product, fixed;
};

FileVersion versionOf(const std::string& path) {
    FileVersion version;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) return version;
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return version;
    void* value = nullptr;
    UINT length = 0;
    if (VerQueryValueA(block.data(), "\\StringFileInfo\\040904B0\\ProductVersion", &value, &length))
        version.product = static_cast<const char*>(value);
    if (VerQueryValueA(block.data(), "\\", &value, &length) && length >= sizeof(VS_FIXEDFILEINFO)) {
        const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
        version.fixed = std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
                        std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
                        std::to_string(HIWORD(fixed->dwFileVersionLS));
    }
    return version;
}

TEST(Download, EveryProgramAndLibraryInItShowsTheVersionOfTheDownload) {
    std::vector<std::string> files;
    for (const char* folder : {"", "plugins"})
        for (const fs::directory_entry& entry :
             fs::directory_iterator(fs::path(unpackedBin()) / folder))
            if (entry.path().extension() == ".exe" || entry.path().extension() == ".dll")
                files.push_back(entry.path().string());
    // kzlaunch, KZBase, KZLog, KZDemo, AntTweakBar, dxgi; KZConsole and the sample plug-in.
    EXPECT_EQ(files.size(), 8u);
    for (const std::string& file : files) {
        const FileVersion version = versionOf(file);
        EXPECT_EQ(version.product, KZ_VERSION) << file;
        EXPECT_EQ(version.fixed, KZ_VERSION) << file;
    }
}

TEST(Download, TheDemoRunsFromTheUnpackedFolderWithTheOverlayAndTheSamplePlugin) {
    const std::string bin = unpackedBin();
    DeleteFileA((bin + "\\KZLog.txt").c_str());
    kztest::Launch launch =
        kztest::startProgramIn(bin, "kzlaunch.exe", "KZDemo.exe --exit-code 7 --size 640x480");
    ASSERT_NE(launch.process, nullptr);
    const auto log = [&] { return kztest::readFile(bin + "\\KZLog.txt"); };
    HWND window = nullptr;
    const bool ready = kztest::waitFor([&] {
        window = FindWindowA("KZDemoWindow", nullptr);
        return window && log().find("Initializing GUI...") != std::string::npos;
    });
    if (!ready) TerminateProcess(launch.process, 1);
    ASSERT_TRUE(ready) << log();
    EXPECT_NE(log().find("plugins\\KZConsole.dll [BeforeD3D11Present]"), std::string::npos)
        << log();
    EXPECT_NE(log().find("plugins\\SamplePlugin.dll"), std::string::npos) << log();

    // Escape reaches the game while the overlay is hidden, and ends it.
    PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    kztest::finish(launch);
    EXPECT_EQ(launch.exitCode, 7u) << launch.output;
    for (const char* step : {"kzlaunch: started", "kzlaunch: injected",
                             "kzlaunch: the host is ready", "kzlaunch: ready"})
        EXPECT_NE(launch.output.find(step), std::string::npos) << launch.output;
    // The launcher and the proxy beside the demo brought the same host, which started once.
    const std::string text = log();
    EXPECT_EQ(text.find("KZBase: started"), text.rfind("KZBase: started")) << text;
}

// README.txt's route A: dxgi.dll, KZBase.dll, KZLog.dll and the plugins folder copied beside
// the game's executable, here with the C plug-in built out of tree, and the game started as it
// is, without the launcher.
TEST(Download, TheProxyBesideTheGameBringsTheOverlayToAGameStartedWithoutTheLauncher) {
    const fs::path bin = unpackedBin();
    const fs::path here = kztest::programFolder();
    const fs::path game = here / "proxy-game";
    fs::remove_all(game);
    fs::create_directories(game);
    for (const char* file : {"dxgi.dll", "KZBase.dll", "KZLog.dll", "KZDemo.exe"})
        fs::copy_file(bin / file, game / file);
    fs::copy(bin / "plugins", game / "plugins");
    fs::copy_file(here / "c-plugin" / "CPlugin.dll", game / "plugins" / "CPlugin.dll");
    kztest::Launch demo = kztest::startProgramIn(game.string(), "KZDemo.exe",
                                                 "--report demo.txt --exit-code 7 --size 640x480");
    ASSERT_NE(demo.process, nullptr);
    const std::string logFile = (game / "KZLog.txt").string();
    const auto log = [&] { return kztest::readFile(logFile); };
    HWND window = nullptr;
    const bool ready = kztest::waitFor([&] {
        window = FindWindowA("KZDemoWindow", nullptr);
        return window && log().find("cplugin: its own handler") != std::string::npos;
    });
    if (!ready) TerminateProcess(demo.process, 1);
    ASSERT_TRUE(ready) << log();
    EXPECT_NE(log().find("KZDemo.exe"), std::string::npos) << log();
    EXPECT_NE(log().find("plugins\\KZConsole.dll [BeforeD3D11Present]"), std::string::npos);
    // The C plug-in's refused define: its own handler hears the reason, then the module writes
    // its one line naming the call, then the handler hears the whole text.
    const std::string refused = log();
    const std::size_t line = refused.find("KZConsole: TwDefine: Bad value [alpha");
    EXPECT_NE(line, std::string::npos) << refused;
    EXPECT_EQ(line, refused.rfind("KZConsole: TwDefine: ")) << refused;
    EXPECT_LT(refused.find("cplugin: its own handler got: Bad value\r"), line) << refused;
    EXPECT_LT(line, refused.find("cplugin: its own handler got: Bad value [alpha")) << refused;

    // F1 shows the bars, which take the keyboard: the game gets its key-up as WM_NULL. The
    // demo rewrites its report ten times a second.
    SetForegroundWindow(window);
    ASSERT_TRUE(kztest::waitFor([&] { return GetForegroundWindow() == window; }));
    const auto nulls = [&] { return kztest::readCounts((game / "demo.txt").string())["null"]; };
    const long long before = nulls();
    kztest::sendKey(VK_F1);
    EXPECT_TRUE(kztest::waitFor([&] { return nulls() > before; }, 100)) << log();
    // Hidden again, the bars let Escape through to the game, which ends.
    kztest::sendKey(VK_F1);
    kztest::sendKey(VK_ESCAPE);
    kztest::finish(demo);
    EXPECT_EQ(demo.exitCode, 7u);
}

}  // namespace
