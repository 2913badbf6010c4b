// The launcher's refusals and failures: an exit code and a sentence saying what is wrong, and
// the program never run.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "HostTestKit.h"

namespace {

constexpr DWORD kRefused = 120, kLaunchFailed = 121;

TEST(Launcher, RefusesWhatItCannotStartAndSaysWhy) {
    kztest::RunFolder run("refusals");
    for (const char* part : {"kzlaunch.exe", "KZLog.dll", "KZDemo.exe"})
        run.copyPart(part);
    // The demo made a 32-bit x86 program by the machine field of its headers.
    std::string old = kztest::readFile(run.file("KZDemo.exe"));
    std::uint32_t pe = 0;
    std::memcpy(&pe, &old[0x3c], sizeof pe);
    old.replace(pe + 4, 2, "\x4c\x01");
    run.write("old.exe", old);
    run.write("text.exe", "echo hello");

    const struct {
        const char* arguments;
        DWORD exitCode;
        const char* says;
    } cases[] = {
        {"", kRefused, "usage"},
        {"missing.exe", kRefused, "program not found: missing.exe"},
        {"old.exe", kRefused, "32-bit"},
        {"text.exe", kRefused, "not a Windows program"},
        {"KZLog.dll", kRefused, "is a DLL"},
        {"KZDemo.exe --report demo.txt", kRefused, "KZBase.dll not found"},
    };
    for (const auto& c : cases) {
        const kztest::Launch r = kztest::runLauncher(run, c.arguments);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.arguments;
        EXPECT_NE(r.output.find(c.says), std::string::npos) << c.arguments << ": " << r.output;
    }
    run.write("KZBase.dll", "not a DLL at all");
    const kztest::Launch r = kztest::runLauncher(run, "KZDemo.exe --report demo.txt");
    EXPECT_EQ(r.exitCode, kLaunchFailed);
    EXPECT_NE(r.output.find("failed in the new process"), std::string::npos) << r.output;
    EXPECT_EQ(kztest::readFile(run.file("demo.txt")), "") << "the demo must not have run";
}

}  // namespace
