// KZProbe.dll: a plug-in for testing the host. It records what the host hands its two hook
// exports (see ProbeCounters.h), logs "probe <its file name>: first frame", and does to the
// records what the environment asks:
//   KZPROBE_SWALLOW=<m>:<r>   swallow message m with result r
//   KZPROBE_REWRITE=<m>:<w>   change the wParam of message m to w
//   KZPROBE_HOLD_VIEW=1       keep a view on back buffer 0 and let it go on WM_SIZE, the way an
//                             overlay that draws does
// Whenever a file capture.request lies beside the game's executable, it writes the frame about
// to be presented, as the plug-ins before this one left it, to capture.rgba there (width and
// height as 32-bit integers, then RGBA rows) and then removes the request.
#include <windows.h>
#include <d3d11.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "D3DTestWindow.h"
#include "HostImports.h"
#include "ProbeCounters.h"

namespace {

ProbeCounters gCounters;
ID3D11RenderTargetView* gView = nullptr;

struct Rule {
    std::uint32_t message = 0;  // none
    long long value = 0;
};

std::string environment(const char* name) {
    char value[MAX_PATH];
    const DWORD n = GetEnvironmentVariableA(name, value, MAX_PATH);
    return n > 0 && n < MAX_PATH ? value : "";
}

Rule rule(const char* name) {
    Rule r;
    std::sscanf(environment(name).c_str(), "%u:%lld", &r.message, &r.value);
    return r;
}

const Rule gSwallow = rule("KZPROBE_SWALLOW"), gRewrite = rule("KZPROBE_REWRITE");
const bool gHoldView = environment("KZPROBE_HOLD_VIEW") == "1";

std::string besideTheGame(const char* name) {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, std::strrchr(path, '\\') + 1) + name;
}

std::string fileName(HMODULE module) {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(module, path, MAX_PATH);
    return std::strrchr(path, '\\') ? std::strrchr(path, '\\') + 1 : path;
}

void firstFrame() {
    HMODULE self = nullptr;
    GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<const char*>(&gCounters), &self);
    AddLog(("probe " + fileName(self) + ": first frame").c_str());
    std::string modules;
    const HostBase* base = KZGetBase();
    for (HostModuleHandle* m = base->modulesBegin; m != base->modulesEnd; ++m)
        modules += (modules.empty() ? "" : ",") + fileName(static_cast<HMODULE>(*m));
    std::snprintf(gCounters.hostModules, sizeof gCounters.hostModules, "%s", modules.c_str());
}

void holdView(IDXGISwapChain* swapChain) {
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
    static const std::string request = besideTheGame("capture.request");
    if (GetFileAttributesA(request.c_str()) == INVALID_FILE_ATTRIBUTES) return;
    std::int32_t size[2] = {0, 0};
    const std::vector<std::uint8_t> rgba = kztest::readBackBuffer(swapChain, &size[0], &size[1]);
    if (FILE* out = std::fopen(besideTheGame("capture.rgba").c_str(), "wb")) {
        std::fwrite(size, sizeof size, 1, out);
        std::fwrite(rgba.data(), 1, rgba.size(), out);
        std::fclose(out);
    }
    DeleteFileA(request.c_str());
}

template <typename T>
T& fieldAt(HostMessage* record, std::size_t offset) {
    return *reinterpret_cast<T*>(reinterpret_cast<char*>(record) + offset);
}

}  // namespace

extern "C" __declspec(dllexport) ProbeCounters* KZProbeCounters() {
    return &gCounters;
}

extern "C" __declspec(dllexport) void BeforeD3D11Present(IDXGISwapChain* swapChain) {
    if (gCounters.presents++ == 0) firstFrame();
    gCounters.lastSwapChain = swapChain;
    if (gHoldView && !gView) holdView(swapChain);
    captureWhenAsked(swapChain);
}

// The record's fields are read and written at the byte offsets a plug-in is built against.
extern "C" __declspec(dllexport) void dbefore_WindowProc(void*, HostMessage* record) {
    const std::uint32_t message = gCounters.lastMessage = fieldAt<std::uint32_t>(record, 96);
    gCounters.lastLParam = fieldAt<std::int64_t>(record, 48);
    gCounters.lastWParam = fieldAt<std::uint64_t>(record, 56);
    gCounters.lastHwnd = fieldAt<std::uint64_t>(record, 104);
    gCounters.lastResult = fieldAt<std::int64_t>(record, 112);
    if (message == WM_SIZE) {
        gCounters.lastSizeLParam = gCounters.lastLParam;
        if (gView) gView->Release();
        gView = nullptr;
    }
    if (message != 0 && message == gSwallow.message) {
        fieldAt<std::uint32_t>(record, 96) = 0;
        fieldAt<std::int64_t>(record, 112) = gSwallow.value;
    } else if (message != 0 && message == gRewrite.message) {
        fieldAt<std::uint64_t>(record, 56) = static_cast<std::uint64_t>(gRewrite.value);
    }
}
