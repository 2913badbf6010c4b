#include <windows.h>

#include <string>

#include "Console.h"
#include "HostTypes.h"

void notifyModules(const HostBase* base, const char* exportName, const char* prefix) {
    if (!base) return;
    // Read once: a module's notification may make the host load or list more modules.
    HostModuleHandle* const begin = base->modulesBegin;
    HostModuleHandle* const end = base->modulesEnd;
    const std::string name = std::string(prefix) + exportName;
    for (HostModuleHandle* module = begin; module != end; ++module) {
        // A null handle would make GetProcAddress search the game's executable instead.
        if (!*module) continue;
        using Notification = void (*)();
        if (FARPROC function = GetProcAddress(static_cast<HMODULE>(*module), name.c_str()))
            reinterpret_cast<Notification>(reinterpret_cast<void*>(function))();
    }
}
