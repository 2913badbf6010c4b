// KZBase.dll loaded into the test program itself, which plays the game: real windows, real
// swap chains, and copies of the probe plug-in that record what the host hands them.
#include <windows.h>
#include <d3d11.h>
#include <dxgi1_2.h>

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "D3DTestWindow.h"
#include "HostImports.h"
#include "ProbeCounters.h"
#include "ReadyEvent.h"
#include "RunFolder.h"

namespace {

using kztest::D3DTestWindow;

constexpr UINT kProbeMessage = WM_APP + 5;

// What the game's own window procedure received, for windows made with gameWindowProc.
struct GameLog {
    std::vector<UINT> messages;
    WPARAM lastWParam = 0;
    LPARAM lastLParam = 0;
    int sizeMessages = 0;
    IDXGISwapChain* resizeOnSize = nullptr;  // resized in WM_SIZE, the way games do
    HRESULT resizeResult = S_OK;
} gGame;

LRESULT CALLBACK gameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    gGame.messages.push_back(message);
    gGame.lastWParam = wParam;
    gGame.lastLParam = lParam;
    if (message == WM_SIZE) {
        ++gGame.sizeMessages;
        if (gGame.resizeOnSize)
            gGame.resizeResult = gGame.resizeOnSize->ResizeBuffers(
                0, LOWORD(lParam), HIWORD(lParam), DXGI_FORMAT_UNKNOWN, 0);
    }
    return message == kProbeMessage ? 1234 : DefWindowProcA(window, message, wParam, lParam);
}

bool gameReceived(UINT message) {
    for (UINT m : gGame.messages)
        if (m == message) return true;
    return false;
}

class HostInProcess : public ::testing::Test {
  protected:
    HostInProcess() : run_(::testing::UnitTest::GetInstance()->current_test_info()->name()) {}

    // Lays out KZBase.dll and KZLog.dll with the given plug-ins (copies of the probe), loads
    // the host into this process and waits until it reports that it is set up.
    void startHost(const std::vector<std::string>& probes, bool withPluginFolder = true) {
        run_.copyPart("KZBase.dll");
        run_.copyPart("KZLog.dll");
        if (withPluginFolder) run_.makeFolder("plugins");
        for (const std::string& probe : probes)
            run_.copyPart("KZProbe.dll", "plugins\\" + probe);
        SetEnvironmentVariableA("KZLOG_FILE", run_.file("KZLog.txt").c_str());

        const unsigned long process = GetCurrentProcessId();
        HANDLE events[2] = {
            CreateEventA(nullptr, TRUE, FALSE, kzhost::readyEventName(process).c_str()),
            CreateEventA(nullptr, TRUE, FALSE, kzhost::failedEventName(process).c_str())};
        host_ =
            LoadLibraryExA(run_.file("KZBase.dll").c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
        ASSERT_NE(host_, nullptr);
        const DWORD setup = WaitForMultipleObjects(2, events, FALSE, 20000);
        CloseHandle(events[0]);
        CloseHandle(events[1]);
        ASSERT_EQ(setup, WAIT_OBJECT_0) << log();
    }

    static ProbeCounters& probe(const char* fileName) {
        HMODULE module = GetModuleHandleA(fileName);
        auto counters = reinterpret_cast<ProbeCounters* (*)()>(
            reinterpret_cast<void*>(GetProcAddress(module, "KZProbeCounters")));
        if (!counters) throw std::runtime_error(std::string("no probe ") + fileName);
        return *counters();
    }

    std::vector<std::string> listedModules() const {
        auto getBase = reinterpret_cast<HostBase* (*)()>(
            reinterpret_cast<void*>(GetProcAddress(host_, "KZGetBase")));
        std::vector<std::string> names;
        const HostBase* base = getBase();
        for (HostModuleHandle* m = base->modulesBegin; m != base->modulesEnd; ++m) {
            char path[MAX_PATH];
            GetModuleFileNameA(static_cast<HMODULE>(*m), path, MAX_PATH);
            names.emplace_back(std::strrchr(path, '\\') + 1);
        }
        return names;
    }

    std::string log() const { return kztest::readFile(run_.file("KZLog.txt")); }

    kztest::RunFolder run_;
    HMODULE host_ = nullptr;
};

// --- plug-ins -------------------------------------------------------------------------------

TEST_F(HostInProcess, PluginsLoadInFileNameOrderWhichKZGetBaseAndTheHooksFollow) {
    run_.makeFolder("plugins");
    run_.write("plugins\\broken.dll", "this is not a DLL");
    run_.write("plugins\\notes.txt", "not a plug-in");
    run_.makeFolder("plugins\\folder.dll");
    startHost({"b_probe.dll", "A_probe.dll", "c_probe.dll"});

    const std::vector<std::string> expected{"A_probe.dll", "b_probe.dll", "c_probe.dll"};
    EXPECT_EQ(listedModules(), expected);

    D3DTestWindow game(320, 240);
    game.swapChain()->Present(0, 0);
    EXPECT_STREQ(probe("A_probe.dll").hostModules, "A_probe.dll,b_probe.dll,c_probe.dll");
    const std::string text = log();
    const std::size_t a = text.find("probe A_probe.dll: first frame");
    const std::size_t b = text.find("probe b_probe.dll: first frame");
    const std::size_t c = text.find("probe c_probe.dll: first frame");
    ASSERT_NE(a, std::string::npos) << text;
    EXPECT_TRUE(a < b && b < c && c != std::string::npos) << text;
    EXPECT_NE(text.find("could not load"), std::string::npos) << text;
    EXPECT_NE(text.find("broken.dll"), std::string::npos) << text;
    EXPECT_EQ(text.find("notes.txt"), std::string::npos) << text;
}

TEST_F(HostInProcess, HostWithoutPluginFolderStillHooksAndListsNothing) {
    startHost({}, false);
    EXPECT_TRUE(listedModules().empty());
    D3DTestWindow game(320, 240);
    EXPECT_EQ(game.swapChain()->Present(0, 0), S_OK);
    EXPECT_NE(log().find("no plug-ins"), std::string::npos) << log();
}

// --- Present --------------------------------------------------------------------------------

TEST_F(HostInProcess, SwapChainsMadeBeforeAndAfterTheHostArrivedAreHooked) {
    D3DTestWindow before(320, 240);
    startHost({"probe.dll"});
    D3DTestWindow after(200, 100);
    for (int i = 0; i < 3; ++i)
        before.swapChain()->Present(0, 0);
    after.swapChain()->Present(0, 0);

    const ProbeCounters& seen = probe("probe.dll");
    EXPECT_EQ(seen.presents, 4);
    ASSERT_EQ(seen.distinctSwapChains, 2);
    EXPECT_EQ(seen.swapChains[0], before.swapChain());
    EXPECT_EQ(seen.swapChains[1], after.swapChain());
}

TEST_F(HostInProcess, Present1CountsOnceAndATestPresentNotAtAll) {
    startHost({"probe.dll"});
    D3DTestWindow game(320, 240);
    IDXGISwapChain1* swapChain1 = nullptr;
    ASSERT_EQ(game.swapChain()->QueryInterface(__uuidof(IDXGISwapChain1),
                                               reinterpret_cast<void**>(&swapChain1)),
              S_OK);
    const DXGI_PRESENT_PARAMETERS whole{};
    swapChain1->Present1(0, 0, &whole);
    game.swapChain()->Present(0, DXGI_PRESENT_TEST);
    swapChain1->Present1(0, DXGI_PRESENT_TEST, &whole);
    swapChain1->Release();
    EXPECT_EQ(probe("probe.dll").presents, 1);
}

// --- window procedure -----------------------------------------------------------------------

TEST_F(HostInProcess, PluginsSeeEachCallOfTheWindowProcedureWithItsFieldsAtTheirOffsets) {
    startHost({"probe.dll"});
    D3DTestWindow game(320, 240, gameWindowProc);
    game.swapChain()->Present(0, 0);  // the host subclasses the output window here

    const ProbeCounters& seen = probe("probe.dll");
    const long before = seen.windowProcCalls;
    const WPARAM wide = static_cast<WPARAM>(0x1122334455667788ull);
    EXPECT_EQ(SendMessageA(game.window(), kProbeMessage, wide, -2), 1234);
    EXPECT_EQ(seen.windowProcCalls, before + 1);
    EXPECT_EQ(seen.lastMessage, kProbeMessage);
    EXPECT_EQ(seen.lastWParam, 0x1122334455667788ull);
    EXPECT_EQ(seen.lastLParam, -2);
    EXPECT_EQ(seen.lastHwnd, reinterpret_cast<std::uint64_t>(game.window()));
    EXPECT_EQ(seen.lastResult, 0);
    EXPECT_EQ(gGame.messages.back(), kProbeMessage);
    EXPECT_EQ(gGame.lastWParam, wide);
}

TEST_F(HostInProcess, SwallowedMessageReachesTheGameAsNullAndTheCallReturnsTheRecordsResult) {
    SetEnvironmentVariableA("KZPROBE_SWALLOW_MESSAGE", "0x8005:77");
    startHost({"probe.dll"});
    D3DTestWindow game(320, 240, gameWindowProc);
    game.swapChain()->Present(0, 0);

    gGame.messages.clear();
    EXPECT_EQ(SendMessageA(game.window(), kProbeMessage, 5, 6), 77);
    ASSERT_EQ(gGame.messages.size(), 1u);
    EXPECT_EQ(gGame.messages[0], static_cast<UINT>(WM_NULL));
    EXPECT_EQ(gGame.lastWParam, 0u);
    EXPECT_EQ(gGame.lastLParam, 0);
    EXPECT_EQ(probe("probe.dll").swallowed, 1);
}

TEST_F(HostInProcess, MessageChangedByAPluginReachesTheGameChanged) {
    SetEnvironmentVariableA("KZPROBE_REWRITE", "0x8005:99");
    startHost({"probe.dll"});
    D3DTestWindow game(320, 240, gameWindowProc);
    game.swapChain()->Present(0, 0);

    SendMessageA(game.window(), kProbeMessage, 5, 6);
    EXPECT_EQ(gGame.messages.back(), kProbeMessage);
    EXPECT_EQ(gGame.lastWParam, 99u);
    EXPECT_EQ(gGame.lastLParam, 6);
}

LRESULT CALLBACK unicodeGameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR) gGame.lastWParam = wParam;
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(HostInProcess, UnicodeWindowKeepsReceivingUnicodeCharacters) {
    startHost({"probe.dll"});
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = unicodeGameProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"KZUnicodeGame";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowW(L"KZUnicodeGame", L"game", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200,
                                nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    DXGI_SWAP_CHAIN_DESC desc{};
    desc.BufferCount = 1;
    desc.BufferDesc.Format = DXGI_FORMAT_R8G8B8A8_UNORM;
    desc.BufferUsage = DXGI_USAGE_RENDER_TARGET_OUTPUT;
    desc.OutputWindow = window;
    desc.SampleDesc.Count = 1;
    desc.Windowed = TRUE;
    IDXGISwapChain* swapChain = nullptr;
    ID3D11Device* device = nullptr;
    ASSERT_EQ(D3D11CreateDeviceAndSwapChain(nullptr, D3D_DRIVER_TYPE_HARDWARE, nullptr, 0, nullptr,
                                            0, D3D11_SDK_VERSION, &desc, &swapChain, &device,
                                            nullptr, nullptr),
              S_OK);
    swapChain->Present(0, 0);

    const wchar_t smiley = 0x263A;  // no 8-bit code page has it
    SendMessageW(window, WM_CHAR, smiley, 0);
    EXPECT_EQ(gGame.lastWParam, static_cast<WPARAM>(smiley));
    EXPECT_EQ(probe("probe.dll").lastWParam, static_cast<std::uint64_t>(smiley));
    swapChain->Release();
    device->Release();
    DestroyWindow(window);
}

// --- resizing -------------------------------------------------------------------------------

TEST_F(HostInProcess, GameResizingInWM_SIZEWorksWhileAPluginHoldsABackBufferView) {
    SetEnvironmentVariableA("KZPROBE_HOLD_VIEW", "1");
    startHost({"probe.dll"});
    D3DTestWindow game(320, 240, gameWindowProc);
    game.swapChain()->Present(0, 0);
    const ProbeCounters& seen = probe("probe.dll");
    ASSERT_EQ(seen.viewsCreated, 1);

    gGame.resizeOnSize = game.swapChain();
    SetWindowPos(game.window(), nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
    gGame.resizeOnSize = nullptr;
    EXPECT_EQ(gGame.resizeResult, S_OK);
    RECT client;
    GetClientRect(game.window(), &client);
    EXPECT_EQ(seen.lastSizeLParam, MAKELPARAM(client.right, client.bottom));

    game.swapChain()->Present(0, 0);
    EXPECT_EQ(seen.viewsCreated, 2);
    DXGI_SWAP_CHAIN_DESC desc{};
    game.swapChain()->GetDesc(&desc);
    EXPECT_EQ(desc.BufferDesc.Width, static_cast<UINT>(client.right));
}

TEST_F(HostInProcess, ResizeBuffersWithoutWindowResizeWorksWhileAPluginHoldsAView) {
    SetEnvironmentVariableA("KZPROBE_HOLD_VIEW", "1");
    startHost({"probe.dll"});
    D3DTestWindow game(320, 240, gameWindowProc);
    game.swapChain()->Present(0, 0);
    const ProbeCounters& seen = probe("probe.dll");
    ASSERT_EQ(seen.viewsCreated, 1);

    gGame.messages.clear();
    game.context()->OMSetRenderTargets(0, nullptr, nullptr);
    EXPECT_EQ(game.swapChain()->ResizeBuffers(0, 640, 360, DXGI_FORMAT_UNKNOWN, 0), S_OK);
    EXPECT_EQ(seen.lastSizeLParam, MAKELPARAM(640, 360));
    EXPECT_FALSE(gameReceived(WM_SIZE)) << "the plug-ins' notice must not reach the game";

    game.swapChain()->Present(0, 0);
    EXPECT_EQ(seen.viewsCreated, 2);
    EXPECT_GT(seen.presentsSinceSize, 0);
}

}  // namespace
