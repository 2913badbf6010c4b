// The download as a player gets it: unpacked into an empty folder (by the fixture
// Sdk.TheDownloadIsNamedAfterTheVersionAndUnpacksIntoAnEmptyFolder), the demo game started
// from its bin folder through its own launcher, with its own overlay and sample plug-in.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "HostTestKit.h"

namespace {

namespace fs = std::filesystem;

std::string unpackedBin() {
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    return (fs::path(program).parent_path() / KZ_UNPACKED_FOLDER / "bin").string();
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
    // kzlaunch, KZBase, KZLog, KZDemo, AntTweakBar; KZConsole and the sample plug-in.
    EXPECT_EQ(files.size(), 7u);
    for (const std::string& file : files) {
        const FileVersion version = versionOf(file);
        EXPECT_EQ(version.product, KZ_VERSION) << file;
        EXPECT_EQ(version.fixed, KZ_VERSION) << file;
    }
}

TEST(Download, TheDemoRunsFromTheUnpackedFolderWithTheOverlayAndTheSamplePlugin) {
    const std::string bin = unpackedBin();
    DeleteFileA((bin + "\\KZLog.txt").c_str());
    kztest::Launch launch = kztest::startLauncherIn(bin, "KZDemo.exe --exit-code 7 --size 640x480");
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
}

}  // namespace
