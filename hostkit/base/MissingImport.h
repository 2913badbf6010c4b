// Why a plug-in did not load with error 126 (a module not found): the loader does not say which
// DLL it looked for, so the host reads the plug-in's import table and looks for each DLL itself.
#pragma once

#include <string>

namespace kzhost {

// The first DLL that the DLL at `path`, or a DLL beside it that it imports, needs and that is
// neither beside it, nor loaded, nor on the system's search path; empty when all are found.
std::string findMissingImport(const std::string& path);

}  // namespace kzhost
