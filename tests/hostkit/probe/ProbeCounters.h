// What the test plug-in KZProbe.dll saw of the host; in-process tests read it through the
// plug-in's export KZProbeCounters.
#pragma once

#include <cstdint>

struct ProbeCounters {
    long presents;        // BeforeD3D11Present calls
    void* lastSwapChain;  // of the last one
    // The last dbefore_WindowProc record, each field read at its byte offset.
    std::uint32_t lastMessage;
    std::uint64_t lastWParam;
    std::int64_t lastLParam;
    std::uint64_t lastHwnd;
    std::int64_t lastResult;      // as the host handed it over
    std::int64_t lastSizeLParam;  // of the last WM_SIZE record
    long viewsCreated;            // back-buffer views made while KZPROBE_HOLD_VIEW is set
    char hostModules[512];        // KZGetBase's list at the first frame: file names joined by ','
};
