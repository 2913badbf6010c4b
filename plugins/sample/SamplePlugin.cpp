// SamplePlugin.dll: how a plug-in of the host puts a bar of its own into the overlay.
//
// 1. Export OnConsoleInit. The overlay calls it once, on the first frame, when it is ready to
//    take bars. Build your bars there.
// 2. Create a bar with ConsoleAddBar and add controls to it by the bar's name. Variables added
//    with ConsoleAddVarRW are read and written in place, so they must live as long as the
//    process (globals or static members, not locals). Variables added with ConsoleAddVarCB go
//    through your two callbacks, which is the place to validate a value or react to a change.
// 3. Beyond what the Console* exports offer, KZConsole.dll exports the whole tweak-bar API
//    (AntTweakBar.h) of the engine that draws the overlay: ranges and steps, help texts, key
//    shortcuts, drop-down lists, rotations, directions. Address your controls by bar and name
//    in TwDefine, or take the bar's handle from TwGetBarByName for TwAddVar* and TwSetParam.
//    The calls take the same lock as the overlay's own, from any thread.
// 4. Call ConsoleLoadSettings after your bars exist, so the layout the user saved applies to
//    them as well.
//
// Callbacks run on the thread that handles the game's window messages (buttons, set callbacks)
// or the one that presents frames (get callbacks): keep them short and do not block.
#include <cstdint>
#include <cstdio>

#include "ConsoleApi.h"
#include "HostImports.h"

namespace {

constexpr const char* kBar = "sample";

// Variables bound by pointer: the overlay shows and edits them directly.
struct Tweaks {
    bool paused = false;
    int particleCount = 250;
    float speed = 1.5f;
    double gravity = 9.81;
    unsigned int tint = 0xFFDC8C3C;  // 0xAABBGGRR: bytes R, G, B, A
    float fogColor[3] = {0.6f, 0.7f, 0.8f};
    char playerName[32] = "Player";
    int quality = 1;                                // an entry of kQualities
    float rotation[4] = {0.0f, 0.0f, 0.0f, 1.0f};   // quaternion x, y, z, w
    float sunDirection[3] = {-0.5f, -1.0f, 0.25f};  // need not be of unit length
    std::uint32_t haze = 0x80C0C0C0;                // light grey, half transparent
};
Tweaks gTweaks;

// A variable served by callbacks: the plug-in keeps it within its own range.
float gExposure = 1.0f;

void TW_CALL setExposure(const void* value, void* /*clientData*/) {
    float requested = *static_cast<const float*>(value);
    if (requested < 0.1f) requested = 0.1f;
    if (requested > 8.0f) requested = 8.0f;
    gExposure = requested;
    char line[64];
    std::snprintf(line, sizeof line, "sample: exposure %.2f", static_cast<double>(gExposure));
    AddLog(line);
}

void TW_CALL getExposure(void* value, void* /*clientData*/) {
    *static_cast<float*>(value) = gExposure;
}

const TwEnumVal kQualities[] = {{0, "Low"}, {1, "Medium"}, {2, "High"}, {3, "Ultra"}};

void TW_CALL resetTweaks(void* clientData) {
    *static_cast<Tweaks*>(clientData) = Tweaks{};
    gExposure = 1.0f;
    AddLog("sample: reset");
}

}  // namespace

extern "C" __declspec(dllexport) void OnConsoleInit() {
    ConsoleAddBar(kBar, "Sample Plug-in");

    ConsoleAddVarRW(kBar, "sample.paused", TW_TYPE_BOOLCPP, &gTweaks.paused, "Paused", "");
    ConsoleAddVarCB(kBar, "sample.exposure", TW_TYPE_FLOAT, setExposure, getExposure, nullptr,
                    "Exposure", "");
    ConsoleAddSeperator(kBar, nullptr);

    // Controls that share a group are shown under a heading that folds.
    ConsoleAddVarRW(kBar, "sample.particles", TW_TYPE_INT32, &gTweaks.particleCount, "Particles",
                    "Simulation");
    ConsoleAddVarRW(kBar, "sample.speed", TW_TYPE_FLOAT, &gTweaks.speed, "Speed", "Simulation");
    ConsoleAddVarRW(kBar, "sample.gravity", TW_TYPE_DOUBLE, &gTweaks.gravity, "Gravity",
                    "Simulation");
    ConsoleAddSeperator(kBar, "Simulation");

    ConsoleAddVarRW(kBar, "sample.tint", TW_TYPE_COLOR32, &gTweaks.tint, "Tint", "Look");
    ConsoleAddVarRW(kBar, "sample.fog", TW_TYPE_COLOR3F, gTweaks.fogColor, "Fog colour", "Look");
    ConsoleAddVarRW(kBar, "sample.name", TW_TYPE_CSSTRING(sizeof gTweaks.playerName),
                    gTweaks.playerName, "Player name", "");

    ConsoleAddButton(kBar, "sample.reset", resetTweaks, &gTweaks, "Reset to defaults", "");

    // The engine's own API: ranges, steps, help texts and shortcuts on the controls above...
    TwDefine(" sample help='Settings of the sample plug-in.' ");
    TwDefine(" sample/sample.speed min=0 max=10 step=0.1 help='How fast the particles fly.' ");
    TwDefine(
        " sample/sample.particles min=0 max=1000 step=10 keyincr=PGUP keydecr=PGDOWN "
        " help='Particles alive at once. PGUP and PGDOWN change it.' ");
    TwDefine(" sample/sample.paused key=SPACE help='Freezes the simulation. SPACE toggles it.' ");

    // ...and controls that the Console* exports cannot make: a drop-down list, a rotation, a
    // direction and a colour with its alpha.
    TwBar* bar = TwGetBarByName(kBar);
    const TwType qualityType = TwDefineEnum("SampleQuality", kQualities, 4);
    TwAddVarRW(bar, "sample.quality", qualityType, &gTweaks.quality,
               " label=Quality group=Scene help='Picks one of four levels.' ");
    TwAddVarRW(bar, "sample.rotation", TW_TYPE_QUAT4F, gTweaks.rotation,
               " label=Rotation group=Scene ");
    TwAddVarRW(bar, "sample.sun", TW_TYPE_DIR3F, gTweaks.sunDirection,
               " label='Sun direction' group=Scene ");
    TwAddVarRW(bar, "sample.haze", TW_TYPE_COLOR32, &gTweaks.haze,
               " label=Haze group=Scene coloralpha=true ");

    ConsoleLoadSettings();
}
