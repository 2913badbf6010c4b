#include "Plugins.h"

#include <windows.h>

#include "HostImports.h"
#include "HostLog.h"
#include "MissingImport.h"
#include "PluginOrder.h"

namespace kzhost {

namespace {

std::vector<HostModuleHandle> gModules;
HostBase gBase{nullptr, nullptr};
PluginHooks gHooks;

std::vector<std::string> pluginFileNames(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            isPluginFileName(found.cFileName))
            names.emplace_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    sortPluginNames(names);
    return names;
}

void logLoadFailure(const std::string& path, DWORD error) {
    const std::string missing =
        error == ERROR_MOD_NOT_FOUND ? findMissingImport(path) : std::string();
    if (missing.empty()) {
        hostLog("could not load %s (error %lu)", path.c_str(), error);
        return;
    }
    hostLog(
        "could not load %s (error %lu): it needs %s, which is neither in its folder nor on "
        "the system's search path",
        path.c_str(), error, missing.c_str());
}

template <typename Function>
Function findExport(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

void loadPlugins(const std::string& folder) {
    const std::vector<std::string> names = pluginFileNames(folder);
    if (names.empty()) hostLog("no plug-ins in %s", folder.c_str());
    for (const std::string& name : names) {
        const std::string path = folder + "\\" + name;
        HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
        if (!module) {
            logLoadFailure(path, GetLastError());
            continue;
        }
        gModules.push_back(module);
        auto beforePresent = findExport<BeforePresentExport>(module, "BeforeD3D11Present");
        auto windowProc = findExport<WindowProcExport>(module, "dbefore_WindowProc");
        if (beforePresent) gHooks.beforePresent.push_back(beforePresent);
        if (windowProc) gHooks.windowProc.push_back(windowProc);
        hostLog("loaded %s%s%s", path.c_str(), beforePresent ? " [BeforeD3D11Present]" : "",
                windowProc ? " [dbefore_WindowProc]" : "");
    }
    gBase.modulesBegin = gModules.data();
    gBase.modulesEnd = gModules.data() + gModules.size();
}

const PluginHooks& pluginHooks() {
    return gHooks;
}

HostBase* hostBase() {
    return &gBase;
}

}  // namespace kzhost

extern "C" HostBase* KZGetBase() {
    return kzhost::hostBase();
}
