// Run folders laid out like an installation of the host, the launcher started from one, and real
// input for the windows of the programs it starts (SendInput, through the system's input queue).
#pragma once

#include <windows.h>

#include <map>
#include <string>

namespace kztest {

class RunFolder {
  public:
    // Creates <test program folder>\runs\<name>-<process id> after removing the folders of
    // earlier runs of that name, so that one run per test stays for a person to look at.
    explicit RunFolder(const std::string& name);

    const std::string& path() const { return path_; }
    std::string file(const std::string& relative) const { return path_ + "\\" + relative; }

    // Copies a part the build put beside the test program, under another name if one is given.
    void copyPart(const std::string& part, const std::string& as = "") const;
    void write(const std::string& relative, const std::string& bytes) const;
    void makeFolder(const std::string& relative) const;

  private:
    std::string partsFolder_, path_;
};

std::string readFile(const std::string& path);  // empty when it cannot be read
std::string programFolder();                    // of the test program

// The demo's --report file: "key=value" lines with integer values.
using Counts = std::map<std::string, long long>;
Counts readCounts(const std::string& path);

// "kzlaunch.exe <arguments>" started in the run folder, its stdout and stderr going to a file: a
// pipe would stay open as long as Wine's desktop process, which may inherit it.
struct Launch {
    HANDLE process = nullptr;
    std::string outputFile;
    DWORD exitCode = 0xffffffff;  // these two once it has ended
    std::string output;
};
Launch startLauncher(const RunFolder& run, const std::string& arguments);
// Any program of any folder (such as an unpacked download), started the same way (its output in
// <program>-output.txt).
Launch startProgramIn(const std::string& folder, const std::string& program,
                      const std::string& arguments);
void finish(Launch& launch);  // waits up to a minute
Launch runLauncher(const RunFolder& run, const std::string& arguments);

// Polls until the condition holds. The bound only ends a wait for something that never comes:
// it is generous because another program's start under Wine takes seconds on a loaded machine.
// A condition that reads a file another process rewrites is polled no more often than that
// process writes it (pollMs), so that the reads do not keep it from replacing the file.
template <typename Condition>
bool waitFor(Condition condition, DWORD pollMs = 20, DWORD timeoutMs = 60000) {
    for (const DWORD start = GetTickCount(); !condition(); Sleep(pollMs))
        if (GetTickCount() - start > timeoutMs) return false;
    return true;
}

void sendKey(WORD key);  // pressed and released
// Moves the mouse to a point of the window's client area and clicks the left button there.
void clickAt(HWND window, POINT point);

}  // namespace kztest
