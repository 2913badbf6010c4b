// What the test plug-in KZProbe.dll saw of the host, for the tests that load it: in-process
// tests read the counters through the export KZProbeCounters, tests through the launcher read
// the same values from the report it writes when the game's window is destroyed.
#pragma once

#include <cstdint>

struct ProbeCounters {
    long presents;            // BeforeD3D11Present calls
    long distinctSwapChains;  // different swap chain pointers among them
    void* swapChains[8];      // the first eight different ones
    long windowProcCalls;     // dbefore_WindowProc calls
    long mouse, keyboard;     // of those, by the demo's classification of the message field
    long sizeRecords;         // records with message WM_SIZE
    long swallowed;           // records the probe swallowed
    // The last record, each field read at its byte offset.
    std::uint32_t lastMessage;
    std::uint64_t lastWParam;
    std::int64_t lastLParam;
    std::uint64_t lastHwnd;
    std::int64_t lastResult;  // as the host handed it over
    std::int64_t lastSizeLParam;
    long viewsCreated;       // back-buffer views made while KZPROBE_HOLD_VIEW is set
    long presentsSinceSize;  // presents after the last WM_SIZE record
    char hostModules[512];   // KZGetBase's list at the first frame: file names joined by ','
};
