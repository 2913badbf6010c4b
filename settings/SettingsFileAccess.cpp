// Where the layout file lives and how it is opened: beside the main executable, in the C
// runtime's text mode (line feeds stored as CR LF), shared with any other reader or writer.
#include <windows.h>

#include <share.h>
#include <cstdio>

#include "ConsoleApi.h"
#include "SettingsBar.h"
#include "SettingsFile.h"

namespace {

std::string settingsPath() {
    return executableDirectory() + kz::kSettingsFileName;
}

}  // namespace

std::string executableDirectory() {
    char path[MAX_PATH + 1] = {};
    // A path cut at MAX_PATH is still terminated; a failure leaves it empty, and the file is
    // then looked for in the current directory.
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return kz::directoryOfPath(path);
}

void TW_CALL saveSettings(void* /*clientData*/) {
    std::FILE* file = _fsopen(settingsPath().c_str(), "w", _SH_DENYNO);
    if (!file) return;
    kz::writeSettings(file);
    std::fclose(file);
}

void TW_CALL loadSettings(void* /*clientData*/) {
    autoAlignWindows(nullptr);
    std::FILE* file = _fsopen(settingsPath().c_str(), "r", _SH_DENYNO);
    if (!file) return;
    kz::applySettings(file);
    std::fclose(file);
}

extern "C" void ConsoleLoadSettings(void) {
    loadSettings(nullptr);
}
