// A program written the way AntTweakBar's users write one: its own window, device and message
// loop, TwEventWin first in the window procedure, TwDraw before every Present. It is linked
// against the drop-in AntTweakBar.dll's import library and nothing else of the engine, and
// drives itself with the messages a person's clicks and key presses would bring (posted to its
// own queue, so they travel through the message loop). Exit code 0 when everything that should
// have happened did; each failure is printed.
#include <windows.h>
#include <d3d11.h>

#include <cmath>
#include <cstdlib>
#include <cstdio>

#include "AntTweakBar.h"

namespace {

constexpr int kWidth = 640, kHeight = 480;
// The bar's place, and its rows at font size 3: a 22 px title, an 8 px strip, 17 px per row.
constexpr int kBarX = 20, kBarY = 20, kBarWidth = 260, kBarHeight = 200;
int rowCentreY(int row) {
    return kBarY + 22 + 8 + 17 * row + 8;
}

ID3D11Device* gDevice = nullptr;
ID3D11DeviceContext* gContext = nullptr;
IDXGISwapChain* gSwapChain = nullptr;
ID3D11RenderTargetView* gView = nullptr;

int gFired = 0;
bool gEnabled = false;
float gSpeed = 1.0f;

int gFailures = 0;
void expect(bool holds, const char* what) {
    std::printf("%s: %s\n", holds ? "ok" : "FAILED", what);
    if (!holds) ++gFailures;
}

void TW_CALL fire(void* clientData) {
    ++*static_cast<int*>(clientData);
}

void createView() {
    ID3D11Texture2D* backBuffer = nullptr;
    if (SUCCEEDED(gSwapChain->GetBuffer(0, __uuidof(ID3D11Texture2D),
                                        reinterpret_cast<void**>(&backBuffer)))) {
        gDevice->CreateRenderTargetView(backBuffer, nullptr, &gView);
        backBuffer->Release();
    }
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (TwEventWin(window, message, wParam, lParam)) return 0;
    switch (message) {
        case WM_SIZE:
            if (gSwapChain && gView) {
                gView->Release();
                gView = nullptr;
                gSwapChain->ResizeBuffers(0, 0, 0, DXGI_FORMAT_UNKNOWN, 0);
                createView();
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND createWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "TweakBarUserProgram";
    RegisterClassA(&windowClass);
    RECT frame{0, 0, kWidth, kHeight};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    return CreateWindowA("TweakBarUserProgram", "Tweak bars", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                         CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                         frame.bottom - frame.top, nullptr, nullptr, windowClass.hInstance,
                         nullptr);
}

bool createDevice(HWND window) {
    DXGI_SWAP_CHAIN_DESC desc{};
    desc.BufferCount = 1;
    desc.BufferDesc = {kWidth,
                       kHeight,
                       {60, 1},
                       DXGI_FORMAT_R8G8B8A8_UNORM,
                       DXGI_MODE_SCANLINE_ORDER_UNSPECIFIED,
                       DXGI_MODE_SCALING_UNSPECIFIED};
    desc.BufferUsage = DXGI_USAGE_RENDER_TARGET_OUTPUT;
    desc.OutputWindow = window;
    desc.SampleDesc.Count = 1;
    desc.Windowed = TRUE;
    if (FAILED(D3D11CreateDeviceAndSwapChain(nullptr, D3D_DRIVER_TYPE_HARDWARE, nullptr, 0, nullptr,
                                             0, D3D11_SDK_VERSION, &desc, &gSwapChain, &gDevice,
                                             nullptr, &gContext)))
        return false;
    createView();
    return gView != nullptr;
}

// One frame: the program's own picture, the bars over it, Present.
void drawFrame() {
    const float background[4] = {0.1f, 0.3f, 0.2f, 1.0f};
    gContext->OMSetRenderTargets(1, &gView, nullptr);
    gContext->ClearRenderTargetView(gView, background);
    const D3D11_VIEWPORT viewport{0, 0, kWidth, kHeight, 0, 1};
    gContext->RSSetViewports(1, &viewport);
    TwDraw();
    gSwapChain->Present(0, 0);
}

// Runs the message loop for a number of frames; false once the window has gone.
bool runFrames(int frames) {
    for (int frame = 0; frame < frames; ++frame) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return false;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        drawFrame();
    }
    return true;
}

// Share of the bar's pixels that differ from the program's own background: near 1 when the bar
// was drawn over it.
double barCoverage() {
    ID3D11Texture2D* backBuffer = nullptr;
    gSwapChain->GetBuffer(0, __uuidof(ID3D11Texture2D), reinterpret_cast<void**>(&backBuffer));
    D3D11_TEXTURE2D_DESC desc;
    backBuffer->GetDesc(&desc);
    desc.Usage = D3D11_USAGE_STAGING;
    desc.BindFlags = 0;
    desc.CPUAccessFlags = D3D11_CPU_ACCESS_READ;
    ID3D11Texture2D* staging = nullptr;
    gDevice->CreateTexture2D(&desc, nullptr, &staging);
    gContext->CopyResource(staging, backBuffer);
    D3D11_MAPPED_SUBRESOURCE mapped;
    long changed = 0;
    if (SUCCEEDED(gContext->Map(staging, 0, D3D11_MAP_READ, 0, &mapped))) {
        for (int y = kBarY; y < kBarY + kBarHeight; ++y)
            for (int x = kBarX; x < kBarX + kBarWidth; ++x) {
                const auto* pixel =
                    static_cast<const unsigned char*>(mapped.pData) + y * mapped.RowPitch + x * 4;
                changed += std::abs(pixel[0] - 26) > 3 || std::abs(pixel[1] - 77) > 3 ||
                           std::abs(pixel[2] - 51) > 3;
            }
        gContext->Unmap(staging, 0);
    }
    staging->Release();
    backBuffer->Release();
    return double(changed) / double(kBarWidth * kBarHeight);
}

void click(HWND window, int x, int y) {
    const LPARAM at = MAKELPARAM(x, y);
    PostMessageA(window, WM_MOUSEMOVE, 0, at);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(window, WM_LBUTTONUP, 0, at);
}

}  // namespace

int main() {
    HWND window = createWindow();
    if (!window || !createDevice(window)) {
        std::printf("FAILED: no window or Direct3D 11 device\n");
        return 1;
    }

    expect(TwInit(TW_DIRECT3D11, gDevice) == 1, "TwInit on the program's device");
    TwWindowSize(kWidth, kHeight);
    TwDefine(" GLOBAL fontsize=3 ");
    TwBar* bar = TwNewBar("Tweaks");
    TwDefine(" Tweaks position='20 20' size='260 200' ");
    TwAddButton(bar, "Fire", fire, &gFired, " key=f ");
    TwAddVarRW(bar, "Enabled", TW_TYPE_BOOLCPP, &gEnabled, nullptr);
    TwAddVarRW(bar, "Speed", TW_TYPE_FLOAT, &gSpeed, " min=0 max=2 step=0.5 keyincr=s ");
    expect(TwGetLastError() == nullptr, "the bar and its controls are made without an error");

    runFrames(3);
    expect(barCoverage() > 0.95, "the bar is drawn over the program's picture");

    // A click on the button's row, one on the bool's, the button's shortcut, and five steps up
    // of a number whose maximum is two steps away.
    click(window, kBarX + 40, rowCentreY(0));
    click(window, kBarX + 40, rowCentreY(1));
    PostMessageA(window, WM_CHAR, 'f', 0);
    for (int i = 0; i < 5; ++i)
        PostMessageA(window, WM_CHAR, 's', 0);
    runFrames(5);
    expect(gFired == 2, "the button fired on its click and on its shortcut");
    expect(gEnabled, "the click on the bool's row switched it on");
    expect(std::fabs(gSpeed - 2.0f) < 1e-6f, "the number stepped up and stopped at its maximum");

    // The engine came from the drop-in DLL, whose old name for TwEventWin is the same function.
    HMODULE engine = GetModuleHandleA("AntTweakBar.dll");
    expect(engine != nullptr, "AntTweakBar.dll is loaded");
    expect(engine && GetProcAddress(engine, "TwEventWin32") == GetProcAddress(engine, "TwEventWin"),
           "TwEventWin32 is TwEventWin");

    expect(TwTerminate() == 1, "TwTerminate");
    gView->Release();
    gSwapChain->Release();
    gContext->Release();
    gDevice->Release();
    DestroyWindow(window);
    std::printf("%d failed\n", gFailures);
    return gFailures == 0 ? 0 : 1;
}
