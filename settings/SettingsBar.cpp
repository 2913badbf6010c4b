#include "SettingsBar.h"

#include "ConsoleApi.h"
#include "Opacity.h"

namespace kz {

void createSettingsBar() {
    ConsoleAddBar(kSettingsBarName, "GUI Settings");
}

void addSettingsControls() {
    ConsoleAddVarCB(kSettingsBarName, "settings.opacity", TW_TYPE_UINT8, setOpacity, getOpacity,
                    nullptr, "Opacity", "");
    ConsoleAddButton(kSettingsBarName, "settings.autosize", autoAlignWindows, nullptr,
                     "Auto align windows", "");
    ConsoleAddSeperator(kSettingsBarName, nullptr);
    ConsoleAddButton(kSettingsBarName, "settings.load", loadSettings, nullptr, "Load Settings", "");
    ConsoleAddButton(kSettingsBarName, "settings.save", saveSettings, nullptr, "Save Settings", "");
}

}  // namespace kz
