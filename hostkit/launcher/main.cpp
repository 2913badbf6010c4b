// kzlaunch <program.exe> [arguments]: starts the program with KZBase.dll (from the launcher's
// own folder) inside it, says on stdout what it does until the program's first frame has gone
// through the host, and returns the program's exit code. Its own failures exit with 120 (usage,
// or a program it cannot enter) or 121 (the start or the injection failed), saying why on stderr.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "ExeHeader.h"
#include "Injector.h"
#include "ReadyEvent.h"

namespace {

constexpr int kRefused = 120;
constexpr int kLaunchFailed = 121;

int fail(int code, const std::string& message) {
    std::fprintf(stderr, "kzlaunch: %s\n", message.c_str());
    return code;
}

// A player watches a console while a game takes seconds to open: every step is said at once.
void say(const std::string& message) {
    std::printf("kzlaunch: %s\n", message.c_str());
    std::fflush(stdout);
}

// Waits until the host signals the program's first frame, or the program has ended, or a minute
// has gone by without a frame.
void waitForFirstFrame(HANDLE firstFrame, HANDLE process) {
    HANDLE either[2] = {firstFrame, process};
    say("waiting for the game's window and its first frame");
    for (int seconds = 10; seconds <= 60; seconds += 10) {
        const DWORD woken = WaitForMultipleObjects(2, either, FALSE, 10000);
        if (woken == WAIT_OBJECT_0) {
            say("ready: the overlay is in the game. F1 shows the bars and gives them the mouse "
                "and keyboard; F2 gives the input back to the game while they stay shown");
            return;
        }
        if (woken != WAIT_TIMEOUT) return;  // the program ended (or the wait failed)
        say("still waiting for the first frame (" + std::to_string(seconds) + " s)");
    }
    say("no Direct3D 11 frame in a minute: the game may still be loading, or draw with another "
        "API (the overlay needs Direct3D 11); KZLog.txt beside it says what the host did");
}

bool fileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The program as given, or searched for as SearchPath does (the launcher's folder, the current
// folder, the system folders, then PATH; ".exe" added when missing); empty when there is none.
std::string findProgram(const std::string& name) {
    char path[MAX_PATH];
    const DWORD n = SearchPathA(nullptr, name.c_str(), ".exe", MAX_PATH, path, nullptr);
    if (n == 0 || n >= MAX_PATH || !fileExists(path)) return {};
    return path;
}

kzhost::ExeKind readExeKind(const std::string& path) {
    std::vector<std::uint8_t> head(4096);
    DWORD read = 0;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        ReadFile(file, head.data(), static_cast<DWORD>(head.size()), &read, nullptr);
        CloseHandle(file);
    }
    return kzhost::classifyExeHeader(head.data(), read);
}

std::string launcherFolder() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    while (n > 0 && path[n - 1] != '\\' && path[n - 1] != '/')
        --n;
    return std::string(path, n > 0 ? n - 1 : 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return fail(kRefused,
                    "usage: kzlaunch <program.exe> [arguments]\n"
                    "  starts the program with KZBase.dll from the launcher's folder");

    const std::string program = findProgram(argv[1]);
    if (program.empty()) return fail(kRefused, std::string("program not found: ") + argv[1]);
    switch (readExeKind(program)) {
        case kzhost::ExeKind::X64:
            break;
        case kzhost::ExeKind::X86:
            return fail(kRefused, program +
                                      " is a 32-bit program; KZBase.dll can enter 64-bit "
                                      "programs only");
        case kzhost::ExeKind::Dll:
            return fail(kRefused, program + " is a DLL, not a program");
        case kzhost::ExeKind::OtherMachine:
            return fail(kRefused, program + " is built for another processor than x64");
        case kzhost::ExeKind::NotPortableExecutable:
            return fail(kRefused, program + " is not a Windows program");
    }

    const std::string hostDll = launcherFolder() + "\\KZBase.dll";
    if (!fileExists(hostDll))
        return fail(kRefused, "KZBase.dll not found beside the launcher: " + hostDll);

    std::vector<std::string> arguments{program};
    for (int i = 2; i < argc; ++i)
        arguments.emplace_back(argv[i]);
    std::string error;
    const kzhost::LaunchedProgram launched =
        kzhost::launchWithHost(program, kzhost::buildCommandLine(arguments), hostDll, say, &error);
    if (!launched.process) return fail(kLaunchFailed, error);

    // Made before the program runs, so that its first frame cannot come before the event.
    HANDLE firstFrame = CreateEventA(
        nullptr, TRUE, FALSE, kzhost::firstFrameEventName(GetProcessId(launched.process)).c_str());
    ResumeThread(launched.mainThread);
    CloseHandle(launched.mainThread);
    waitForFirstFrame(firstFrame, launched.process);
    CloseHandle(firstFrame);
    WaitForSingleObject(launched.process, INFINITE);
    DWORD exitCode = 0;
    GetExitCodeProcess(launched.process, &exitCode);
    CloseHandle(launched.process);
    return static_cast<int>(exitCode);
}
