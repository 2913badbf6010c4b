#include "ReferenceScene.h"

#include <string>

#include "AntTweakBar.h"
#include "BarArrangement.h"
#include "ConsoleApi.h"
#include "Opacity.h"

namespace kztest {

namespace {

void TW_CALL doNothing(void*) {}

// The overlay's own bar, as the module builds it on its first frame.
void addSettingsBar() {
    ConsoleAddBar("settings", "GUI Settings");
    TwDefine(" GLOBAL fontsize=3 ");
    TwDefine(" GLOBAL contained=true ");
    ConsoleAddVarCB("settings", "settings.opacity", TW_TYPE_UINT8, setOpacity, getOpacity, nullptr,
                    "Opacity", "");
    ConsoleAddButton("settings", "settings.autosize", doNothing, nullptr, "Auto align windows", "");
    ConsoleAddSeperator("settings", nullptr);
    ConsoleAddButton("settings", "settings.load", doNothing, nullptr, "Load Settings", "");
    ConsoleAddButton("settings", "settings.save", doNothing, nullptr, "Save Settings", "");
}

// The rows of the first plug-in bar in the arrangement: four bars of (1920 - 2 * 25 - 3 * 10) / 4
// px, the second of them from x = 25 + 460 + 10; rows from 30 px below its top (a 22 px title
// and an 8 px strip).
constexpr int kSweepX = 495 + 120;
constexpr int kFirstRowCentre = 25 + 30 + 8;
constexpr int kRowHeight = 17;
constexpr int kSweptRows = 21;  // the 20 controls and the group's heading

}  // namespace

ReferenceScene::ReferenceScene() {
    addSettingsBar();
    for (int b = 0; b < kPluginBars; ++b) {
        const std::string bar = "plugin" + std::to_string(b);
        ConsoleAddBar(bar.c_str(), ("Plug-in " + std::to_string(b + 1)).c_str());
        PluginValues& v = values_[b];
        auto name = [&](const char* kind, int i) { return bar + "." + kind + std::to_string(i); };
        auto label = [](const char* text, int i) { return text + std::to_string(i + 1); };
        for (int i = 0; i < 5; ++i) {
            v.flags[i] = (i % 2) == 0;
            ConsoleAddVarRW(bar.c_str(), name("flag", i).c_str(), TW_TYPE_BOOLCPP, &v.flags[i],
                            label("Enabled ", i).c_str(), "");
        }
        for (int i = 0; i < 5; ++i) {
            v.counts[i] = 100 * i;
            ConsoleAddVarRW(bar.c_str(), name("count", i).c_str(), TW_TYPE_INT32, &v.counts[i],
                            label("Count ", i).c_str(), "");
        }
        for (int i = 0; i < 4; ++i) {
            v.scales[i] = 0.25f * float(i + 1);
            ConsoleAddVarRW(bar.c_str(), name("scale", i).c_str(), TW_TYPE_FLOAT, &v.scales[i],
                            label("Scale ", i).c_str(), "Tuning");
        }
        for (int i = 0; i < 3; ++i) {
            v.tints[i] = 0xFF204080u + 0x00203010u * unsigned(i);
            ConsoleAddVarRW(bar.c_str(), name("tint", i).c_str(), TW_TYPE_COLOR32, &v.tints[i],
                            label("Tint ", i).c_str(), "");
        }
        for (int i = 0; i < 3; ++i)
            ConsoleAddButton(bar.c_str(), name("action", i).c_str(), doNothing, nullptr,
                             label("Action ", i).c_str(), "");
    }
    kz::arrangeBars(0, 0, kSceneWidth, kSceneHeight);
}

void ReferenceScene::readValuesEveryFrame() {
    TwDefine(" settings refresh=0\r\nplugin0 refresh=0\r\nplugin1 refresh=0\r\nplugin2 refresh=0 ");
}

void ReferenceScene::changeValues() {
    for (PluginValues& v : values_) {
        for (int& count : v.counts)
            ++count;
        for (float& scale : v.scales)
            scale += 0.01f;
    }
}

Point ReferenceScene::mouseOnFrame(long frame) {
    return sweepOverRows(frame, kSweepX, kFirstRowCentre, kRowHeight, kSweptRows);
}

}  // namespace kztest
