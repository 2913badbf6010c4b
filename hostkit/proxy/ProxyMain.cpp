// dxgi.dll beside a game's executable: the game, and the system's d3d11.dll, load it in place
// of the system's dxgi.dll (DxgiForwarding.cpp forwards every export there), and it brings the
// host, KZBase.dll from its own folder, into the game however the game was started.
#include <windows.h>

#include <string>

namespace {

std::string folderOf(HMODULE module) {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(module, path, MAX_PATH);
    while (n > 0 && path[n - 1] != '\\' && path[n - 1] != '/')
        --n;
    return std::string(path, n > 0 ? n - 1 : 0);
}

// Tells the host's log, when KZLog.dll is there to write it, or else the debugger output.
void report(const std::string& folder, const std::string& text) {
    using AddLogFunction = void (*)(const char*);
    HMODULE log =
        LoadLibraryExA((folder + "\\KZLog.dll").c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    auto addLog = log ? reinterpret_cast<AddLogFunction>(
                            reinterpret_cast<void*>(GetProcAddress(log, "AddLog")))
                      : nullptr;
    if (addLog)
        addLog(text.c_str());
    else
        OutputDebugStringA((text + "\n").c_str());
}

DWORD WINAPI loadHost(void* proxyModule) {
    // Started through kzlaunch as well: the host is there already, one is enough.
    if (GetModuleHandleA("KZBase.dll")) return 0;
    const std::string folder = folderOf(static_cast<HMODULE>(proxyModule));
    const std::string host = folder + "\\KZBase.dll";
    if (LoadLibraryExA(host.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH)) return 0;
    report(folder, "dxgi.dll (KZConsole): could not load " + host + " (error " +
                       std::to_string(GetLastError()) + ")");
    return 0;
}

}  // namespace

// Under the loader lock: no DLL is loaded here, only a thread started, which runs once the lock
// is released.
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    DisableThreadLibraryCalls(instance);
    // The thread runs code of this DLL, and the game may let its dxgi.dll go before it ends.
    HMODULE pinned = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<const char*>(&loadHost), &pinned);
    if (HANDLE thread = CreateThread(nullptr, 0, loadHost, instance, 0, nullptr))
        CloseHandle(thread);
    return TRUE;
}
