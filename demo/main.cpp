// KZDemo: a small Direct3D 11 game for the host and the overlay to run in. It draws a moving
// picture and, bottom left, how many mouse, keyboard and null messages its window received.
// Options: see DemoOptions.h.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "DemoOptions.h"
#include "DemoWindow.h"
#include "FrameTimes.h"

namespace {

using kzdemo::DemoOptions;
using kzdemo::DemoState;

struct RunTotals {
    long frames = 0;
    long presentFailures = 0;
    std::vector<double> frameSeconds;  // the timed frames' durations (--time-from)
};

std::vector<kzdemo::SolidRect> statusRects(const DemoState& state, long frame) {
    char lines[5][48];
    std::snprintf(lines[0], sizeof lines[0], "MOUSE %ld", state.counts.mouse);
    std::snprintf(lines[1], sizeof lines[1], "KEYS %ld", state.counts.keyboard);
    std::snprintf(lines[2], sizeof lines[2], "NULL %ld", state.counts.null);
    std::snprintf(lines[3], sizeof lines[3], "FRAME %ld", frame);
    std::snprintf(lines[4], sizeof lines[4], "%uX%u", state.renderer.bufferWidth(),
                  state.renderer.bufferHeight());
    const float pixel = 3, lineHeight = (kzdemo::kGlyphRows + 3) * pixel, margin = 12;
    const float panelHeight = 5 * lineHeight + 2 * margin;
    const float top = static_cast<float>(state.renderer.bufferHeight()) - panelHeight - margin;
    std::vector<kzdemo::SolidRect> rects{{margin, top, 260, panelHeight, 0x101018c0}};
    for (int i = 0; i < 5; ++i)
        kzdemo::appendText(lines[i], 2 * margin, top + margin + static_cast<float>(i) * lineHeight,
                           pixel, i < 3 ? 0xffe040ff : 0xd0d0d0ff, &rects);
    return rects;
}

// Writes the counts beside the file and then moves them into its place, so that a reader sees
// either the last report or this one, never half of one. Returns false when the move failed (a
// reader holds the file open without allowing it); the next report tries again. The frame
// times are added on exit only: sorting them while frames are timed would show in the times.
bool writeReport(const std::string& path, const DemoState& state, const RunTotals& totals,
                 bool withFrameTimes) {
    const std::string partial = path + ".partial";
    FILE* file = std::fopen(partial.c_str(), "w");
    if (!file) return false;
    std::fprintf(file,
                 "frames=%ld\nmouse=%ld\nkeyboard=%ld\nnull=%ld\nresizes=%ld\nresizeFailures=%ld\n"
                 "width=%u\nheight=%u\npresentFailures=%ld\n",
                 totals.frames, state.counts.mouse, state.counts.keyboard, state.counts.null,
                 state.resizes, state.resizeFailures, state.renderer.bufferWidth(),
                 state.renderer.bufferHeight(), totals.presentFailures);
    if (withFrameTimes) {
        const kzdemo::Spread spread = kzdemo::spreadOf(totals.frameSeconds);
        std::fprintf(file, "timedFrames=%zu\nframeMedianUs=%.1f\nframeP90Us=%.1f\n",
                     totals.frameSeconds.size(), spread.median * 1e6, spread.p90 * 1e6);
    }
    std::fclose(file);
    return MoveFileExA(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

double secondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// A press and release of the key, posted as the keyboard would deliver them.
void postKeyPress(HWND window, int key) {
    const WPARAM code = static_cast<WPARAM>(key);
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC))
                        << 16;
    PostMessageA(window, WM_KEYDOWN, code, 1 | scan);
    PostMessageA(window, WM_KEYUP, code, 1 | scan | LPARAM(1) << 30 | LPARAM(1) << 31);
}

// Runs frames until the window is closed or the frame count is reached.
void run(HWND window, DemoState& state, const DemoOptions& options, RunTotals& totals) {
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    double nextReport = 0;
    double lastFrameEnd = 0;
    std::vector<kzdemo::ColorVertex> vertices;
    if (options.timeFrom >= 0 && options.frames > options.timeFrom)
        totals.frameSeconds.reserve(static_cast<std::size_t>(options.frames - options.timeFrom));
    for (;;) {
        if (totals.frames == options.keyFrame) postKeyPress(window, options.keyCode);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        const double seconds =
            options.stillAt >= 0 ? static_cast<double>(options.stillAt) : secondsSince(start);
        kzdemo::buildScene(static_cast<float>(seconds),
                           static_cast<float>(state.renderer.bufferWidth()),
                           static_cast<float>(state.renderer.bufferHeight()),
                           statusRects(state, totals.frames), &vertices);
        state.renderer.drawFrame(vertices);
        if (FAILED(state.renderer.present(0))) ++totals.presentFailures;
        ++totals.frames;
        if (options.frames > 0 && totals.frames >= options.frames) DestroyWindow(window);
        if (!options.report.empty() && secondsSince(start) >= nextReport &&
            writeReport(options.report, state, totals, false))
            nextReport = secondsSince(start) + 0.1;

        if (options.fps > 0) {
            const double next = static_cast<double>(totals.frames) / options.fps;
            const double wait = next - secondsSince(start);
            if (wait > 0) Sleep(static_cast<DWORD>(wait * 1000));
        }
        // A frame lasts from the end of the one before it to its own end.
        const double frameEnd = secondsSince(start);
        if (options.timeFrom >= 0 && totals.frames > options.timeFrom)
            totals.frameSeconds.push_back(frameEnd - lastFrameEnd);
        lastFrameEnd = frameEnd;
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::vector<std::string> arguments(__argv + 1, __argv + __argc);
    DemoOptions options;
    std::string error;
    if (!kzdemo::parseDemoOptions(arguments, &options, &error)) {
        std::fprintf(stderr, "KZDemo: %s\n", error.c_str());
        return 2;
    }

    DemoState state;
    HWND window = kzdemo::createDemoWindow(options.width, options.height, &state);
    if (!window || !state.renderer.create(window, static_cast<UINT>(options.width),
                                          static_cast<UINT>(options.height), &error)) {
        std::fprintf(stderr, "KZDemo: %s\n", window ? error.c_str() : "no window");
        return 1;
    }
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);

    RunTotals totals;
    run(window, state, options, totals);
    // The last report must land; a reader holds the file only for a moment.
    for (int attempt = 0; !options.report.empty() && attempt < 100; ++attempt) {
        if (writeReport(options.report, state, totals, options.timeFrom >= 0)) break;
        Sleep(10);
    }
    return options.exitCode;
}
