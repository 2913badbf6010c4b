// What the native benchmarks share: the engine on its headless backend from TwInit to
// TwTerminate, and frames drawn with their cost counted.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>

#include "AllocationCounter.h"
#include "AntTweakBar.h"
#include "HeadlessDevice.h"
#include "TwFrameStats.h"

namespace kzbench {

struct Engine {
    Engine(int width, int height) {
        TwInit(TW_DIRECT3D11, tw::headlessDevice());
        TwWindowSize(width, height);
    }
    ~Engine() { TwTerminate(); }
};

// Sums over counted frames, reported as averages per frame.
struct FrameTotals {
    double frames = 0, drawCalls = 0, vertices = 0, bytesUploaded = 0, rebuilt = 0,
           segmentsPainted = 0, allocations = 0;

    // One TwDraw, counted; returns its duration in seconds.
    double draw() {
        using Clock = std::chrono::steady_clock;
        const long allocationsBefore = kztest::allocationCount();
        const Clock::time_point start = Clock::now();
        benchmark::DoNotOptimize(TwDraw());
        const Clock::time_point end = Clock::now();
        allocations += double(kztest::allocationCount() - allocationsBefore);
        ++frames;
        TwFrameStats stats{};
        TwGetFrameStats(&stats);
        drawCalls += stats.drawCalls;
        vertices += stats.vertices;
        bytesUploaded += double(stats.bytesUploaded);
        rebuilt += stats.rebuilt;
        segmentsPainted += stats.segmentsPainted;
        return std::chrono::duration<double>(end - start).count();
    }

    void report(benchmark::State& state) const {
        if (frames == 0) return;
        state.counters["drawCalls"] = drawCalls / frames;
        state.counters["vertices"] = vertices / frames;
        state.counters["bytesUploaded"] = bytesUploaded / frames;
        state.counters["rebuilt"] = rebuilt / frames;
        state.counters["segmentsPainted"] = segmentsPainted / frames;
        state.counters["allocations"] = allocations / frames;
    }
};

}  // namespace kzbench
