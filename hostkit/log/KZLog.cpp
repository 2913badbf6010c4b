// KZLog.dll: the host's log. Each line goes to KZLog.txt beside the executable (or to the file
// named by the environment variable KZLOG_FILE) and to the debugger output.
#include <windows.h>

#include "HostImports.h"
#include "LogLine.h"

namespace {

SRWLOCK gLock = SRWLOCK_INIT;
HANDLE gFile = INVALID_HANDLE_VALUE;
bool gOpenTried = false;

void logFilePath(char* path, DWORD size) {
    const DWORD fromEnvironment = GetEnvironmentVariableA("KZLOG_FILE", path, size);
    if (fromEnvironment > 0 && fromEnvironment < size) return;
    DWORD n = GetModuleFileNameA(nullptr, path, size);
    while (n > 0 && path[n - 1] != '\\' && path[n - 1] != '/')
        --n;
    lstrcpynA(path + n, "KZLog.txt", static_cast<int>(size - n));
}

// Opened on the first line, not at load, so that loading the DLL touches no file. Appending with
// FILE_APPEND_DATA makes each WriteFile land whole at the end, even with another process
// writing the same file.
void openOnce() {
    if (gOpenTried) return;
    gOpenTried = true;
    char path[MAX_PATH];
    logFilePath(path, MAX_PATH);
    gFile = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

extern "C" void AddLog(const char* text) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const std::string line = kzhost::formatLogLine(
        {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds},
        text);
    OutputDebugStringA(line.c_str());
    AcquireSRWLockExclusive(&gLock);
    openOnce();
    if (gFile != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(gFile, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    }
    ReleaseSRWLockExclusive(&gLock);
}
