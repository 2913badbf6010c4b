// Two builds of the engine's DLL (AntTweakBar.dll, or any library with its API) side by side in
// one process, on one device and window: the same scene is built in each, and frames alternate
// between the two, each a clear, one TwDraw timed with QueryPerformanceCounter and a Present, so
// that both meet the same moments of the machine's load. For judging a change to the engine by
// time measured in one run, against the build before it or against another library.
//
//   dll_ab_bench.exe <a.dll> <set-up a> <b.dll> <set-up b>
//
// A set-up is "-" (none), "hidden" (ID3D11Device1 hidden while the engine starts, which leaves a
// renderer that saves and restores the game's state no other way) or a define made after TwInit
// ("GLOBAL statepath=saved"). Prints "ab.<a|b>.<steady|polling>.median" and ".p90" (ns per TwDraw).
#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "AntTweakBar.h"
#include "BenchMain.h"
#include "D3DTestWindow.h"
#include "HiddenDevice1.h"
#include "QpcTiming.h"

namespace {

constexpr int kWidth = 1920, kHeight = 1080;
constexpr int kWarmUpFrames = 60;  // each; more than an engine may spend choosing its way
constexpr int kTimedFrames = 500;  // each

template <class Function>
Function entry(HMODULE dll, const char* name) {
    const FARPROC address = GetProcAddress(dll, name);
    if (!address) throw std::runtime_error(std::string("no export ") + name);
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

void TW_CALL doNothing(void*) {}

// One engine in its own DLL, with the reference scene's shape: a settings bar of four rows and
// three bars of 20 controls (5 bools, 5 integers, 4 floats in a group, 3 colours, 3 buttons) at
// font size 3, lined up as "Auto align windows" leaves them on 1920 x 1080.
class Engine {
  public:
    Engine(const std::string& path, const std::string& setUp, kztest::D3DTestWindow& window) {
        dll_ = LoadLibraryA(path.c_str());
        if (!dll_) throw std::runtime_error("cannot load " + path);
        draw = entry<int(TW_CALL*)()>(dll_, "TwDraw");
        define_ = entry<int(TW_CALL*)(const char*)>(dll_, "TwDefine");
        terminate_ = entry<int(TW_CALL*)()>(dll_, "TwTerminate");
        const auto init = entry<int(TW_CALL*)(TwGraphAPI, void*)>(dll_, "TwInit");
        bool started = false;
        if (setUp == "hidden") {
            kztest::HiddenDevice1 hidden(window.device());
            started = init(TW_DIRECT3D11, window.device()) == 1;
        } else {
            started = init(TW_DIRECT3D11, window.device()) == 1;
        }
        if (!started) throw std::runtime_error("TwInit failed in " + path);
        entry<int(TW_CALL*)(int, int)>(dll_, "TwWindowSize")(kWidth, kHeight);
        if (setUp != "-" && setUp != "hidden" && !define_(setUp.c_str()))
            throw std::runtime_error("the define '" + setUp + "' failed in " + path);
        buildScene();
    }
    ~Engine() {
        terminate_();
        FreeLibrary(dll_);
    }
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    void readValuesEveryFrame() {
        define_(" settings refresh=0 plugin0 refresh=0 plugin1 refresh=0 plugin2 refresh=0 ");
    }

    int(TW_CALL* draw)() = nullptr;

  private:
    void buildScene() {
        const auto newBar = entry<TwBar*(TW_CALL*)(const char*)>(dll_, "TwNewBar");
        const auto addVar = entry<int(TW_CALL*)(TwBar*, const char*, TwType, void*, const char*)>(
            dll_, "TwAddVarRW");
        const auto addButton =
            entry<int(TW_CALL*)(TwBar*, const char*, TwButtonCallback, void*, const char*)>(
                dll_, "TwAddButton");
        define_(" GLOBAL fontsize=3 GLOBAL contained=true ");
        TwBar* settings = newBar("settings");
        addVar(settings, "opacity", TW_TYPE_UINT8, &opacity_, " label='Opacity' ");
        for (const char* button : {"autosize", "load", "save"})
            addButton(settings, button, doNothing, nullptr, "");
        for (int b = 0; b < 3; ++b) {
            TwBar* bar = newBar(("plugin" + std::to_string(b)).c_str());
            int* counts = counts_[b];
            for (int i = 0; i < 5; ++i) {
                flags_[b][i] = i % 2 == 0;
                counts[i] = 100 * i;
                addVar(bar, ("flag" + std::to_string(i)).c_str(), TW_TYPE_BOOLCPP, &flags_[b][i],
                       "");
            }
            for (int i = 0; i < 5; ++i)
                addVar(bar, ("count" + std::to_string(i)).c_str(), TW_TYPE_INT32, &counts[i], "");
            for (int i = 0; i < 4; ++i) {
                scales_[b][i] = 0.25f * float(i + 1);
                addVar(bar, ("scale" + std::to_string(i)).c_str(), TW_TYPE_FLOAT, &scales_[b][i],
                       " group=Tuning ");
            }
            for (int i = 0; i < 3; ++i) {
                tints_[b][i] = 0xFF204080u + 0x00203010u * unsigned(i);
                addVar(bar, ("tint" + std::to_string(i)).c_str(), TW_TYPE_COLOR32, &tints_[b][i],
                       "");
            }
            for (int i = 0; i < 3; ++i)
                addButton(bar, ("action" + std::to_string(i)).c_str(), doNothing, nullptr, "");
        }
        const char* const names[4] = {"settings", "plugin0", "plugin1", "plugin2"};
        for (int i = 0; i < 4; ++i)
            define_((std::string(" ") + names[i] + " position='" + std::to_string(25 + 470 * i) +
                     " 25' size='460 1030' valueswidth=60 ")
                        .c_str());
    }

    HMODULE dll_ = nullptr;
    int(TW_CALL* define_)(const char*) = nullptr;
    int(TW_CALL* terminate_)() = nullptr;
    unsigned char opacity_ = 255;
    bool flags_[3][5] = {};
    int counts_[3][5] = {};
    float scales_[3][4] = {};
    unsigned int tints_[3][3] = {};
};

// Frames alternate between the engines; returns each one's times.
void alternate(kztest::D3DTestWindow& window, Engine* engines[2], const char* state) {
    std::vector<double> times[2];
    for (int frame = -2 * kWarmUpFrames; frame < 2 * kTimedFrames; ++frame) {
        Engine& engine = *engines[(frame + 2 * kWarmUpFrames) % 2];
        window.clearBackBuffer(0.1f, 0.1f, 0.2f);
        const LARGE_INTEGER start = kzbench::counterNow();
        const int drawn = engine.draw();
        const LARGE_INTEGER end = kzbench::counterNow();
        if (!drawn) throw std::runtime_error("TwDraw failed");
        if (frame >= 0) times[frame % 2].push_back(kzbench::nanosecondsBetween(start, end));
        window.swapChain()->Present(0, 0);
        window.pumpMessages();
    }
    for (int e = 0; e < 2; ++e)
        kzbench::printSpread((std::string("ab.") + (e == 0 ? "a." : "b.") + state).c_str(),
                             times[e]);
}

int run(int argc, char** argv) {
    if (argc != 5)
        throw std::runtime_error("usage: dll_ab_bench <a.dll> <set-up a> <b.dll> <set-up b>");
    kztest::D3DTestWindow window(kWidth, kHeight);
    Engine a(argv[1], argv[2], window);
    Engine b(argv[3], argv[4], window);
    Engine* engines[2] = {&a, &b};
    std::printf("# nanoseconds per TwDraw, median and 90th percentile, frames alternating\n");
    alternate(window, engines, "steady");
    a.readValuesEveryFrame();
    b.readValuesEveryFrame();
    alternate(window, engines, "polling");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    return kzbench::runReportingFailure("DllAbBench", [&] { return run(argc, argv); });
}
