// KZBase.dll: brought into a game (by the launcher, or by anything that loads it), it loads the
// plug-ins beside it and hooks the game's swap chains and window procedure. All of that runs
// on a thread of its own: DllMain holds the loader lock, under which neither Direct3D nor
// LoadLibrary may be used.
#include <windows.h>

#include <string>

#include "EventSignal.h"
#include "HostLog.h"
#include "Plugins.h"
#include "ReadyEvent.h"
#include "SwapChainHooks.h"

namespace {

std::string folderOf(HMODULE module) {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(module, path, MAX_PATH);
    while (n > 0 && path[n - 1] != '\\' && path[n - 1] != '/')
        --n;
    return std::string(path, n > 0 ? n - 1 : 0);
}

DWORD WINAPI initialise(void* hostModule) {
    const std::string folder = folderOf(static_cast<HMODULE>(hostModule));
    kzhost::openHostLog(folder.c_str());
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    kzhost::hostLog("started in %s (process %lu)", program, GetCurrentProcessId());

    // Plug-ins first: once the first Present is hooked, the list KZGetBase returns and the
    // hook tables must be complete.
    kzhost::loadPlugins(folder + "\\plugins");
    const bool hooked = kzhost::installSwapChainHooks();
    kzhost::hostLog(hooked ? "Direct3D 11 swap chains hooked" : "Direct3D 11 not hooked");

    const unsigned long process = GetCurrentProcessId();
    kzhost::signalEvent(hooked ? kzhost::readyEventName(process)
                               : kzhost::failedEventName(process));
    return 0;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    DisableThreadLibraryCalls(instance);
    // The virtual tables and windows will point into this DLL for the rest of the process.
    HMODULE pinned = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<const char*>(&initialise), &pinned);
    // The thread starts running once the loader lock is released.
    if (HANDLE thread = CreateThread(nullptr, 0, initialise, instance, 0, nullptr))
        CloseHandle(thread);
    return TRUE;
}
