// KZProbe.dll: a plug-in for testing the host. It counts and records what the host hands its
// two hook exports, and does to the records what the environment asks:
//   KZPROBE_SWALLOW_VK=<n>        swallow keyboard messages whose wParam is n (message, result 0)
//   KZPROBE_SWALLOW_MESSAGE=<m>:<r>  swallow message m with result r
//   KZPROBE_REWRITE=<m>:<w>       change the wParam of message m to w
//   KZPROBE_HOLD_VIEW=1           keep a view on back buffer 0, released on WM_SIZE, the way an
//                                 overlay that draws does
//   KZPROBE_REPORT_DIR=<dir>      on WM_DESTROY write <dir>\<this DLL's name>.txt
//   KZPROBE_CAPTURE=<name>        whenever the event <name> is set, write the frame about to be
//                                 presented, as the plug-ins before this one left it, to
//                                 <dir>\capture.rgba (width, height: 32-bit each, then RGBA
//                                 rows), then set the event <name>.done
#include <windows.h>
#include <d3d11.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "D3DTestWindow.h"
#include "HostImports.h"
#include "MessageCounts.h"
#include "ProbeCounters.h"

namespace {

ProbeCounters gCounters;
kzdemo::MessageCounts gClassified;

struct Config {
    bool read = false;
    long swallowVk = -1;
    long swallowMessage = -1;
    long long swallowResult = 0;
    long rewriteMessage = -1;
    unsigned long long rewriteWParam = 0;
    bool holdView = false;
    char reportDir[MAX_PATH] = "";
    HANDLE captureRequest = nullptr, captureDone = nullptr;
} gConfig;

ID3D11RenderTargetView* gView = nullptr;

bool environment(const char* name, char* value, DWORD size) {
    const DWORD n = GetEnvironmentVariableA(name, value, size);
    return n > 0 && n < size;
}

void readConfig() {
    if (gConfig.read) return;
    gConfig.read = true;
    char value[MAX_PATH];
    if (environment("KZPROBE_SWALLOW_VK", value, MAX_PATH))
        gConfig.swallowVk = std::strtol(value, nullptr, 0);
    if (environment("KZPROBE_SWALLOW_MESSAGE", value, MAX_PATH)) {
        char* colon = nullptr;
        gConfig.swallowMessage = std::strtol(value, &colon, 0);
        gConfig.swallowResult = *colon == ':' ? std::strtoll(colon + 1, nullptr, 0) : 0;
    }
    if (environment("KZPROBE_REWRITE", value, MAX_PATH)) {
        char* colon = nullptr;
        gConfig.rewriteMessage = std::strtol(value, &colon, 0);
        gConfig.rewriteWParam = *colon == ':' ? std::strtoull(colon + 1, nullptr, 0) : 0;
    }
    gConfig.holdView = environment("KZPROBE_HOLD_VIEW", value, MAX_PATH) && value[0] == '1';
    environment("KZPROBE_REPORT_DIR", gConfig.reportDir, MAX_PATH);
    if (environment("KZPROBE_CAPTURE", value, MAX_PATH)) {
        gConfig.captureRequest = OpenEventA(SYNCHRONIZE | EVENT_MODIFY_STATE, FALSE, value);
        std::strcat(value, ".done");
        gConfig.captureDone = OpenEventA(EVENT_MODIFY_STATE, FALSE, value);
    }
}

const char* ownFileName() {
    static char path[MAX_PATH] = "";
    if (!path[0]) {
        HMODULE self = nullptr;
        GetModuleHandleExA(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            reinterpret_cast<const char*>(&gCounters), &self);
        GetModuleFileNameA(self, path, MAX_PATH);
    }
    const char* slash = std::strrchr(path, '\\');
    return slash ? slash + 1 : path;
}

void recordHostModules() {
    HostBase* base = KZGetBase();
    char* out = gCounters.hostModules;
    const std::size_t size = sizeof gCounters.hostModules;
    for (HostModuleHandle* m = base->modulesBegin; m != base->modulesEnd; ++m) {
        char path[MAX_PATH] = "";
        GetModuleFileNameA(static_cast<HMODULE>(*m), path, MAX_PATH);
        const char* slash = std::strrchr(path, '\\');
        const std::size_t used = std::strlen(out);
        std::snprintf(out + used, size - used, "%s%s", used ? "," : "", slash ? slash + 1 : path);
    }
}

void holdView(IDXGISwapChain* swapChain) {
    if (gView) return;
    ID3D11Device* device = nullptr;
    ID3D11Texture2D* backBuffer = nullptr;
    swapChain->GetDevice(__uuidof(ID3D11Device), reinterpret_cast<void**>(&device));
    swapChain->GetBuffer(0, __uuidof(ID3D11Texture2D), reinterpret_cast<void**>(&backBuffer));
    if (device && backBuffer &&
        SUCCEEDED(device->CreateRenderTargetView(backBuffer, nullptr, &gView)))
        ++gCounters.viewsCreated;
    if (backBuffer) backBuffer->Release();
    if (device) device->Release();
}

void captureWhenAsked(IDXGISwapChain* swapChain) {
    if (!gConfig.captureRequest || !gConfig.captureDone ||
        WaitForSingleObject(gConfig.captureRequest, 0) != WAIT_OBJECT_0)
        return;
    int size[2] = {0, 0};
    const std::vector<std::uint8_t> rgba = kztest::readBackBuffer(swapChain, &size[0], &size[1]);
    char path[MAX_PATH * 2];
    std::snprintf(path, sizeof path, "%s\\capture.rgba", gConfig.reportDir);
    if (FILE* file = std::fopen(path, "wb")) {
        std::fwrite(size, sizeof size, 1, file);
        std::fwrite(rgba.data(), 1, rgba.size(), file);
        std::fclose(file);
    }
    SetEvent(gConfig.captureDone);
}

template <typename T>
T fieldAt(const HostMessage* record, std::size_t offset) {
    T value;
    std::memcpy(&value, reinterpret_cast<const char*>(record) + offset, sizeof value);
    return value;
}

template <typename T>
void setFieldAt(HostMessage* record, std::size_t offset, T value) {
    std::memcpy(reinterpret_cast<char*>(record) + offset, &value, sizeof value);
}

constexpr std::size_t kLParam = 48, kWParam = 56, kMessage = 96, kHwnd = 104, kResult = 112;

void swallow(HostMessage* record, std::int64_t result) {
    setFieldAt<std::uint32_t>(record, kMessage, 0);
    setFieldAt<std::int64_t>(record, kResult, result);
    ++gCounters.swallowed;
}

void writeReport() {
    if (!gConfig.reportDir[0]) return;
    char path[MAX_PATH * 2];
    std::snprintf(path, sizeof path, "%s\\%s.txt", gConfig.reportDir, ownFileName());
    FILE* file = std::fopen(path, "w");
    if (!file) return;
    const ProbeCounters& c = gCounters;
    std::fprintf(file,
                 "presents=%ld\ndistinctSwapChains=%ld\nwindowProcCalls=%ld\nmouse=%ld\n"
                 "keyboard=%ld\nsizeRecords=%ld\nswallowed=%ld\nlastSizeLParam=%lld\n"
                 "lastHwnd=%llu\nviewsCreated=%ld\npresentsSinceSize=%ld\nhostModules=%s\n",
                 c.presents, c.distinctSwapChains, c.windowProcCalls, c.mouse, c.keyboard,
                 c.sizeRecords, c.swallowed, static_cast<long long>(c.lastSizeLParam),
                 static_cast<unsigned long long>(c.lastHwnd), c.viewsCreated, c.presentsSinceSize,
                 c.hostModules);
    std::fclose(file);
}

}  // namespace

extern "C" __declspec(dllexport) ProbeCounters* KZProbeCounters() {
    return &gCounters;
}

extern "C" __declspec(dllexport) void BeforeD3D11Present(IDXGISwapChain* swapChain) {
    readConfig();
    if (gCounters.presents++ == 0) {
        char line[300];
        std::snprintf(line, sizeof line, "probe %s: first frame", ownFileName());
        AddLog(line);
        recordHostModules();
    }
    ++gCounters.presentsSinceSize;
    bool known = false;
    for (long i = 0; i < gCounters.distinctSwapChains && i < 8; ++i)
        known = known || gCounters.swapChains[i] == swapChain;
    if (!known) {
        if (gCounters.distinctSwapChains < 8)
            gCounters.swapChains[gCounters.distinctSwapChains] = swapChain;
        ++gCounters.distinctSwapChains;
    }
    if (gConfig.holdView) holdView(swapChain);
    captureWhenAsked(swapChain);
}

extern "C" __declspec(dllexport) void dbefore_WindowProc(void*, HostMessage* record) {
    readConfig();
    ++gCounters.windowProcCalls;
    const auto message = fieldAt<std::uint32_t>(record, kMessage);
    const auto wParam = fieldAt<std::uint64_t>(record, kWParam);
    gCounters.lastMessage = message;
    gCounters.lastWParam = wParam;
    gCounters.lastLParam = fieldAt<std::int64_t>(record, kLParam);
    gCounters.lastHwnd = fieldAt<std::uint64_t>(record, kHwnd);
    gCounters.lastResult = fieldAt<std::int64_t>(record, kResult);

    gClassified.count(message);
    gCounters.mouse = gClassified.mouse;
    gCounters.keyboard = gClassified.keyboard;
    if (message == WM_SIZE) {
        ++gCounters.sizeRecords;
        gCounters.lastSizeLParam = gCounters.lastLParam;
        gCounters.presentsSinceSize = 0;
        if (gView) {
            gView->Release();
            gView = nullptr;
        }
    }
    if (message == WM_DESTROY) writeReport();

    const bool keyboard = message >= WM_KEYFIRST && message <= WM_KEYLAST;
    if (keyboard && gConfig.swallowVk >= 0 &&
        wParam == static_cast<std::uint64_t>(gConfig.swallowVk))
        swallow(record, 0);
    else if (gConfig.swallowMessage >= 0 &&
             message == static_cast<std::uint32_t>(gConfig.swallowMessage))
        swallow(record, gConfig.swallowResult);
    else if (gConfig.rewriteMessage >= 0 &&
             message == static_cast<std::uint32_t>(gConfig.rewriteMessage))
        setFieldAt<std::uint64_t>(record, kWParam, gConfig.rewriteWParam);
}
