// The overlay keeps its device and context for the life of the process. Under Wine a process
// that exits while the device's command thread still runs is now and then killed instead of
// exiting with its code, so each test lets go of what the overlay and the engine hold.
#pragma once

#include "AntTweakBar.h"
#include "Console.h"

namespace kztest {

inline void releaseOverlayDevice() {
    Console* console = gConsole.load();
    if (!console || !console->device) return;
    TwTerminate();
    console->releaseRenderTarget();
    console->context->ClearState();
    console->context->Release();
    console->device->Release();
    console->context = nullptr;
    console->device = nullptr;
}

}  // namespace kztest
