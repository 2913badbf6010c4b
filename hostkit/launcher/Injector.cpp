#include "Injector.h"

#include "ReadyEvent.h"

namespace kzhost {

namespace {

constexpr DWORD kLoadTimeoutMs = 30000;
constexpr DWORD kSetupTimeoutMs = 30000;

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string errorText(DWORD code) {
    char text[512] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                   text, sizeof text, nullptr);
    std::string s = text;
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' '))
        s.pop_back();
    return s + " (error " + std::to_string(code) + ")";
}

struct OwnedHandle {
    HANDLE handle;
    explicit OwnedHandle(HANDLE h) : handle(h) {}
    ~OwnedHandle() {
        if (handle) CloseHandle(handle);
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
};

// Runs LoadLibraryA(path) in the process. kernel32.dll sits at the same address in every
// process of a session, so the launcher's own LoadLibraryA address is valid there as well.
// Returns false with error set when the thread could not run or LoadLibraryA returned null.
bool loadInto(HANDLE process, const std::string& dllPath, HANDLE setupEvents[2],
              std::string* error) {
    void* remotePath = VirtualAllocEx(process, nullptr, dllPath.size() + 1,
                                      MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!remotePath ||
        !WriteProcessMemory(process, remotePath, dllPath.c_str(), dllPath.size() + 1, nullptr)) {
        *error = "could not write into the new process: " + errorText(GetLastError());
        return false;
    }
    auto loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
    OwnedHandle thread(
        CreateRemoteThread(process, nullptr, 0, loadLibrary, remotePath, 0, nullptr));
    if (!thread.handle) {
        *error = "could not start a thread in the new process: " + errorText(GetLastError());
        return false;
    }
    if (WaitForSingleObject(thread.handle, kLoadTimeoutMs) != WAIT_OBJECT_0) {
        *error = "loading " + dllPath + " into the new process did not finish";
        return false;
    }
    DWORD loaded = 0;
    GetExitCodeThread(thread.handle, &loaded);
    VirtualFreeEx(process, remotePath, 0, MEM_RELEASE);
    // The exit code keeps only the low 32 bits of the module handle, which are zero for a
    // module at a multiple of 4 GiB as well; a loaded host announces itself soon, though.
    if (loaded == 0 && WaitForMultipleObjects(2, setupEvents, FALSE, 2000) == WAIT_TIMEOUT) {
        *error = "LoadLibrary of " + dllPath +
                 " failed in the new process (is it a 64-bit DLL, with KZLog.dll beside it?)";
        return false;
    }
    return true;
}

}  // namespace

LaunchedProgram launchWithHost(const std::string& program, const std::string& commandLine,
                               const std::string& hostDll,
                               const std::function<void(const std::string&)>& progress,
                               std::string* error) {
    LaunchedProgram launched;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string mutableCommandLine = commandLine;
    const std::string workingDirectory = folderOf(program);
    if (!CreateProcessA(program.c_str(), &mutableCommandLine[0], nullptr, nullptr, FALSE,
                        CREATE_SUSPENDED, nullptr, workingDirectory.c_str(), &startup, &info)) {
        *error = "could not start " + program + ": " + errorText(GetLastError());
        return launched;
    }
    progress("started " + program + " (process " + std::to_string(info.dwProcessId) +
             "), held before its first instruction");
    // The events exist before the host does, so it cannot signal into nothing.
    OwnedHandle ready(CreateEventA(nullptr, TRUE, FALSE, readyEventName(info.dwProcessId).c_str()));
    OwnedHandle failed(
        CreateEventA(nullptr, TRUE, FALSE, failedEventName(info.dwProcessId).c_str()));
    HANDLE setupEvents[2] = {ready.handle, failed.handle};

    bool ok = loadInto(info.hProcess, hostDll, setupEvents, error);
    if (ok) {
        progress("injected " + hostDll + "; waiting for it to hook Direct3D 11");
        const DWORD setup = WaitForMultipleObjects(2, setupEvents, FALSE, kSetupTimeoutMs);
        if (setup == WAIT_OBJECT_0 + 1) {
            *error = "KZBase.dll could not hook Direct3D 11 in " + program +
                     "; its reasons are in KZLog.txt beside the program";
            ok = false;
        } else if (setup != WAIT_OBJECT_0) {
            *error = "KZBase.dll did not finish setting up in " + program + " within " +
                     std::to_string(kSetupTimeoutMs / 1000) + " s";
            ok = false;
        }
    }
    if (!ok) {
        TerminateProcess(info.hProcess, 1);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
        return launched;
    }
    progress(
        "the host is ready: it hooked Direct3D 11 and loaded the plug-ins (see KZLog.txt "
        "beside the program)");
    launched.process = info.hProcess;
    launched.mainThread = info.hThread;
    return launched;
}

}  // namespace kzhost
