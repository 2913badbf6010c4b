// The overlay's own bar, "GUI Settings", and the operations behind its buttons.
#pragma once

#include <string>

#include "AntTweakBar.h"

namespace kz {

constexpr const char* kSettingsBarName = "settings";

// The bar itself; the overlay issues its global defines between this and the controls.
void createSettingsBar();
// Opacity, "Auto align windows", a separator, "Load Settings", "Save Settings".
void addSettingsControls();

}  // namespace kz

// Lines all bars up in one row over the overlay's window.
void TW_CALL autoAlignWindows(void* clientData);
// Writes KZConsole.cfg beside the executable.
void TW_CALL saveSettings(void* clientData);
// Lines all bars up, then applies KZConsole.cfg on top.
void TW_CALL loadSettings(void* clientData);
// The directory of the process's main executable, with its trailing backslash.
std::string executableDirectory();
