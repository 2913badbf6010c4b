// What KZConsole.dll's two hooks cost per call, next to a DLL whose exports of the same
// signatures are empty, both called through GetProcAddress pointers as the host calls them:
// while the overlay is hidden (after the first frame has built it), and for a mouse move over
// the settings bar while it is shown and takes input. The host's two functions come from
// stand-in DLLs beside this program.
#include <windows.h>

#include <cstdio>
#include <stdexcept>

#include "BenchMain.h"
#include "D3DTestWindow.h"
#include "HostTypes.h"
#include "QpcTiming.h"

namespace {

using PresentHook = void (*)(IDXGISwapChain*);
using WindowProcHook = void (*)(void*, HostMessage*);

struct Hooks {
    PresentHook present = nullptr;
    WindowProcHook windowProc = nullptr;
};

Hooks loadHooks(const char* dll) {
    HMODULE module = LoadLibraryA(dll);
    if (!module) throw std::runtime_error(std::string("cannot load ") + dll);
    Hooks hooks;
    hooks.present = reinterpret_cast<PresentHook>(
        reinterpret_cast<void*>(GetProcAddress(module, "BeforeD3D11Present")));
    hooks.windowProc = reinterpret_cast<WindowProcHook>(
        reinterpret_cast<void*>(GetProcAddress(module, "dbefore_WindowProc")));
    if (!hooks.present || !hooks.windowProc)
        throw std::runtime_error(std::string("missing hook exports in ") + dll);
    return hooks;
}

// A frame of a game: clear, the host's hook, Present.
void presentFrame(kztest::D3DTestWindow& window, PresentHook present) {
    window.clearBackBuffer(0, 0, 0);
    present(window.swapChain());
    window.swapChain()->Present(0, 0);
    window.pumpMessages();
}

// Whether the overlay draws at (x, y) on a frame cleared to black.
bool drawsAt(kztest::D3DTestWindow& window, PresentHook present, int x, int y) {
    window.clearBackBuffer(0, 0, 0);
    present(window.swapChain());
    int width = 0;
    const std::vector<std::uint8_t> pixels = window.readBackBuffer(&width);
    window.swapChain()->Present(0, 0);
    if (pixels.empty()) return false;
    const kztest::Rgba pixel = kztest::pixelAt(pixels, width, x, y);
    return pixel.r != 0 || pixel.g != 0 || pixel.b != 0;
}

HostMessage messageRecord(HWND window, std::uint32_t message, std::uint64_t wParam,
                          std::int64_t lParam) {
    HostMessage record{};
    record.hwnd = reinterpret_cast<std::uint64_t>(window);
    record.message = message;
    record.wParam = wParam;
    record.lParam = lParam;
    return record;
}

// A mouse sweeping down the settings bar (at 16, 16, 200 x 320 px until the bars are
// arranged), 3 px per move with a little sideways jitter, so the row under it changes every
// few moves.
std::int64_t mouseOnMove(long move) {
    const int x = 60 + int(move % 7), y = 24 + 3 * int(move % 96);
    return std::int64_t(y) << 16 | x;
}

constexpr int kRounds = 10;

// Alternates batches of the two DLLs' calls in rounds, so drift of the machine (other jobs on
// its cores) falls on both alike; between() runs untimed after every batch of either.
template <class Call, class Between>
void compare(const char* name, const Hooks& empty, const Hooks& overlay, int batchesPerRound,
             int callsPerBatch, Call&& call, Between&& between) {
    std::vector<double> emptyTimes, overlayTimes;
    for (int round = 0; round < kRounds; ++round) {
        for (const Hooks* hooks : {&empty, &overlay}) {
            std::vector<double>& into = hooks == &empty ? emptyTimes : overlayTimes;
            const std::vector<double> batch = kzbench::nanosecondsPerCall(
                batchesPerRound, callsPerBatch, 2, [&](long i) { call(*hooks, i); }, between);
            into.insert(into.end(), batch.begin(), batch.end());
        }
    }
    kzbench::printSpread((std::string(name) + ".empty").c_str(), emptyTimes);
    kzbench::printSpread((std::string(name) + ".kzconsole").c_str(), overlayTimes);
}

int run() {
    const Hooks empty = loadHooks("EmptyExports.dll");
    const Hooks overlay = loadHooks("KZConsole.dll");
    kztest::D3DTestWindow window(1280, 720);
    const HWND hwnd = window.window();
    IDXGISwapChain* swapChain = window.swapChain();

    // The first frame builds the overlay; from the second on the hidden path is the steady one.
    presentFrame(window, overlay.present);
    presentFrame(window, overlay.present);
    if (drawsAt(window, overlay.present, 60, 60)) {
        std::fprintf(stderr, "HookCostBench: the overlay draws while hidden\n");
        return 1;
    }

    std::printf("# nanoseconds per call, median and 90th percentile\n");
    const auto nothing = [] {};
    compare(
        "present.hidden", empty, overlay, 100, 4096,
        [&](const Hooks& h, long) { h.present(swapChain); }, nothing);
    HostMessage record = messageRecord(hwnd, WM_MOUSEMOVE, 0, 0);
    const auto mouseMove = [&](const Hooks& h, long i) {
        // Written every call: the overlay swallows a message it takes by zeroing it.
        record.message = WM_MOUSEMOVE;
        record.lParam = mouseOnMove(i);
        h.windowProc(nullptr, &record);
    };
    compare("windowproc.hidden.mousemove", empty, overlay, 100, 4096, mouseMove, nothing);

    // F1 shows the bars; they take input from the start.
    HostMessage f1 = messageRecord(hwnd, WM_KEYUP, VK_F1, 0);
    overlay.windowProc(nullptr, &f1);
    if (!drawsAt(window, overlay.present, 60, 60)) {
        std::fprintf(stderr, "HookCostBench: F1 did not show the settings bar at (60, 60)\n");
        return 1;
    }
    // A game's frame after every 16 moves, drawing the bars with the hover the moves left.
    compare("windowproc.shown.mousemove", empty, overlay, 50, 16, mouseMove,
            [&] { presentFrame(window, overlay.present); });
    return 0;
}

}  // namespace

int main() {
    return kzbench::runReportingFailure("HookCostBench", run);
}
