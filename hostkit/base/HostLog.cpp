#include "HostLog.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace kzhost {

namespace {

using AddLogFunction = void (*)(const char*);
AddLogFunction gAddLog = nullptr;

}  // namespace

bool openHostLog(const char* folder) {
    char path[MAX_PATH];
    std::snprintf(path, sizeof path, "%s\\KZLog.dll", folder);
    HMODULE log = LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!log) return false;
    gAddLog =
        reinterpret_cast<AddLogFunction>(reinterpret_cast<void*>(GetProcAddress(log, "AddLog")));
    return gAddLog != nullptr;
}

void hostLog(const char* format, ...) {
    if (!gAddLog) return;
    char line[1024] = "KZBase: ";
    const std::size_t prefix = std::strlen(line);
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line + prefix, sizeof line - prefix, format, arguments);
    va_end(arguments);
    gAddLog(line);
}

}  // namespace kzhost
