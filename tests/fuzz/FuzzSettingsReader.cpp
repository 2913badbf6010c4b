// Any bytes as a layout file, read into an engine that holds several bars, one of them named
// like the reader's keyword and one like a number. The reader must end, and every value it
// hands the engine must be taken or refused cleanly.
#include <cstdint>
#include <cstdio>

#include "AntTweakBar.h"
#include "HeadlessDevice.h"
#include "SettingsFile.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    TwInit(TW_DIRECT3D11, tw::headlessDevice());
    TwWindowSize(1920, 1080);
    for (const char* name : {"settings", "tweaks", "General", "600", "my bar"})
        TwNewBar(name);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data), size, "r");
    if (!file) return 0;  // fmemopen refuses a zero-length buffer
    kz::applySettings(file);
    std::fclose(file);
    TwDraw();
    return 0;
}
