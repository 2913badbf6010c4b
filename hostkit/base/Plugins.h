// The plug-ins: the modules of the folder "plugins" beside KZBase.dll, the list that KZGetBase
// hands out, and the two hook exports of each.
#pragma once

#include <string>
#include <vector>

#include "HookExports.h"

namespace kzhost {

using BeforePresentExport = decltype(&BeforeD3D11Present);
using WindowProcExport = decltype(&dbefore_WindowProc);

// The hook exports of the loaded plug-ins, each list in load order. Filled once by loadPlugins
// before any Present or window procedure is hooked and never changed after, so the hooks read
// them without a lock.
struct PluginHooks {
    std::vector<BeforePresentExport> beforePresent;
    std::vector<WindowProcExport> windowProc;
};

// Loads every "*.dll" of the folder in the order of sortPluginNames, each by full path with the
// folder searched first for its own imports, and logs what it loaded or why not.
void loadPlugins(const std::string& folder);

const PluginHooks& pluginHooks();

// The object KZGetBase returns; its module list is empty until loadPlugins has run.
HostBase* hostBase();

}  // namespace kzhost
