// What the Direct3D 11 benchmarks share: frames of a game with the bars over them, each a clear,
// a TwDraw timed with QueryPerformanceCounter and its heap allocations counted, and a Present;
// and the figures printed as scripts/bench reads them.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "AllocationCounter.h"
#include "AntTweakBar.h"
#include "D3DTestWindow.h"
#include "QpcTiming.h"
#ifdef KZ_FRAME_STATS
#include "TwFrameStats.h"
#endif

namespace kzbench {

// The timed frames' durations, and sums over them reported as averages per frame.
struct D3D11Frames {
    std::vector<double> nanoseconds;
    double allocations = 0, drawCalls = 0, vertices = 0, bytesUploaded = 0, segmentsPainted = 0;

    // "name.median", "name.p90" and "name.<figure>" lines; the engine's own figures only
    // with the bundled engine, which reports them.
    void print(const std::string& name) const {
        const double frames = double(nanoseconds.size());
        printSpread(name.c_str(), nanoseconds);
        printFigure((name + ".allocations").c_str(), allocations / frames);
#ifdef KZ_FRAME_STATS
        printFigure((name + ".drawCalls").c_str(), drawCalls / frames);
        printFigure((name + ".vertices").c_str(), vertices / frames);
        printFigure((name + ".bytesUploaded").c_str(), bytesUploaded / frames);
        printFigure((name + ".segmentsPainted").c_str(), segmentsPainted / frames);
#endif
    }
};

// One frame of the game: the back buffer cleared, then prepare(), then draw(), then Present.
template <class Prepare, class Draw>
void gameFrame(kztest::D3DTestWindow& window, Prepare&& prepare, Draw&& draw) {
    window.clearBackBuffer(0.1f, 0.1f, 0.2f);
    prepare();
    draw();
    window.swapChain()->Present(0, 0);
    window.pumpMessages();
}

// warmUpFrames untimed frames, then timedFrames timed ones; prepare(n) runs before the n-th
// TwDraw (counting from the first warm-up frame), untimed.
template <class Prepare>
D3D11Frames timeFrames(kztest::D3DTestWindow& window, int warmUpFrames, int timedFrames,
                       Prepare&& prepare) {
    D3D11Frames frames;
    frames.nanoseconds.reserve(std::size_t(timedFrames));
    for (long frame = -warmUpFrames; frame < timedFrames; ++frame) {
        gameFrame(
            window, [&] { prepare(frame + warmUpFrames); },
            [&] {
                const long allocationsBefore = kztest::allocationCount();
                const LARGE_INTEGER start = counterNow();
                const int drawn = TwDraw();
                const LARGE_INTEGER end = counterNow();
                const long allocated = kztest::allocationCount() - allocationsBefore;
                if (!drawn)
                    throw std::runtime_error(std::string("TwDraw failed: ") + TwGetLastError());
                if (frame < 0) return;
                frames.nanoseconds.push_back(nanosecondsBetween(start, end));
                frames.allocations += double(allocated);
#ifdef KZ_FRAME_STATS
                TwFrameStats stats{};
                TwGetFrameStats(&stats);
                frames.drawCalls += stats.drawCalls;
                frames.vertices += stats.vertices;
                frames.bytesUploaded += double(stats.bytesUploaded);
                frames.segmentsPainted += stats.segmentsPainted;
#endif
            });
    }
    return frames;
}

}  // namespace kzbench
