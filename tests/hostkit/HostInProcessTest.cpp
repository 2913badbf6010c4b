// KZBase.dll loaded into the test program itself, which plays the game: real windows, real swap
// chains, and copies of the probe plug-in that record what the host hands them.
#include <windows.h>
#include <d3d11.h>
#include <dxgi1_2.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "D3DTestWindow.h"
#include "HostTestKit.h"
#include "ProbeCounters.h"
#include "ReadyEvent.h"

namespace {

using kztest::D3DTestWindow;

// What the game's window procedure received: the last call, and how many WM_SIZE.
MSG gGame;
int gGameSizes;

constexpr UINT kPlain = WM_APP + 1, kSwallowed = WM_APP + 2, kRewritten = WM_APP + 3;

LRESULT CALLBACK gameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    gGame.message = message;
    gGame.wParam = wParam;
    gGame.lParam = lParam;
    gGameSizes += message == WM_SIZE;
    return message == kPlain ? 1234 : DefWindowProcW(window, message, wParam, lParam);
}

// Gives the window the game's procedure; set with the W function, the window is a Unicode one.
void becomeGame(const D3DTestWindow& game) {
    SetWindowLongPtrW(game.window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&gameProc));
}

class HostInProcess : public ::testing::Test {
  protected:
    HostInProcess() : run_(::testing::UnitTest::GetInstance()->current_test_info()->name()) {
        run_.copyPart("KZBase.dll");
        run_.copyPart("KZLog.dll");
        run_.makeFolder("plugins");
        SetEnvironmentVariableA("KZLOG_FILE", run_.file("KZLog.txt").c_str());
    }

    // Puts copies of the probe into the plug-in folder, loads the host into this process and
    // waits until it says it is set up.
    void startHost(const std::vector<std::string>& probes) {
        for (const std::string& probe : probes)
            run_.copyPart("KZProbe.dll", "plugins\\" + probe);
        const unsigned long process = GetCurrentProcessId();
        HANDLE events[2] = {
            CreateEventA(nullptr, TRUE, FALSE, kzhost::readyEventName(process).c_str()),
            CreateEventA(nullptr, TRUE, FALSE, kzhost::failedEventName(process).c_str())};
        ASSERT_NE(
            LoadLibraryExA(run_.file("KZBase.dll").c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH),
            nullptr);
        ASSERT_EQ(WaitForMultipleObjects(2, events, FALSE, 60000), WAIT_OBJECT_0) << log();
    }

    static const ProbeCounters& probe(const char* fileName = "probe.dll") {
        auto counters = reinterpret_cast<ProbeCounters* (*)()>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(fileName), "KZProbeCounters")));
        return *counters();
    }

    std::string log() const { return kztest::readFile(run_.file("KZLog.txt")); }

    kztest::RunFolder run_;
};

TEST_F(HostInProcess, PluginsLoadInFileNameOrderWhichKZGetBaseAndTheHooksFollow) {
    run_.write("plugins\\broken.dll", "this is not a DLL");
    // A plug-in that needs a DLL found nowhere: the probe, its import of KZBase.dll renamed.
    run_.copyPart("KZProbe.dll", "plugins\\needy.dll");
    std::string needy = kztest::readFile(run_.file("plugins\\needy.dll"));
    needy.replace(needy.find("KZBase.dll"), 10, "KZGone.dll");
    run_.write("plugins\\needy.dll", needy);
    run_.write("plugins\\notes.txt", "not a plug-in");
    run_.makeFolder("plugins\\folder.dll");
    // Byte order would put B_ first, an order on upper-cased names a_ before _.
    ASSERT_NO_FATAL_FAILURE(startHost({"c_probe.dll", "B_probe.dll", "a_probe.dll", "_probe.dll"}));

    D3DTestWindow game(320, 240);
    game.swapChain()->Present(0, 0);
    const char* const order[] = {"_probe.dll", "a_probe.dll", "B_probe.dll", "c_probe.dll"};
    const std::string text = log();
    std::size_t at = 0;
    for (const char* probe : order) {
        EXPECT_STREQ(HostInProcess::probe(probe).hostModules,
                     "_probe.dll,a_probe.dll,B_probe.dll,c_probe.dll");
        at = text.find("probe " + std::string(probe) + ": first frame", at);
        EXPECT_NE(at, std::string::npos) << probe << " out of order in\n" << text;
    }
    EXPECT_NE(text.find("could not load"), std::string::npos) << text;
    EXPECT_NE(text.find("broken.dll"), std::string::npos) << text;
    EXPECT_NE(text.find("needy.dll (error 126): it needs KZGone.dll"), std::string::npos) << text;
    EXPECT_EQ(text.find("notes.txt"), std::string::npos) << text;
}

TEST_F(HostInProcess, EachFramePresentedReachesThePluginsOnceOnSwapChainsOfBeforeAndAfter) {
    D3DTestWindow before(320, 240);
    ASSERT_NO_FATAL_FAILURE(startHost({"probe.dll"}));
    D3DTestWindow after(200, 100);
    IDXGISwapChain1* after1 = nullptr;
    ASSERT_EQ(after.swapChain()->QueryInterface(__uuidof(IDXGISwapChain1),
                                                reinterpret_cast<void**>(&after1)),
              S_OK);
    const DXGI_PRESENT_PARAMETERS whole{};
    before.swapChain()->Present(0, 0);
    EXPECT_EQ(probe().lastSwapChain, before.swapChain());
    after1->Present1(0, 0, &whole);
    EXPECT_EQ(probe().lastSwapChain, after.swapChain());
    before.swapChain()->Present(0, 0);
    // Test presents show nothing, so the plug-ins draw nothing for them.
    before.swapChain()->Present(0, DXGI_PRESENT_TEST);
    after1->Present1(0, DXGI_PRESENT_TEST, &whole);
    after1->Release();

    EXPECT_EQ(probe().presents, 3);
}

TEST_F(HostInProcess, PluginsReadAndChangeEachCallOfTheWindowProcedureBeforeTheGame) {
    SetEnvironmentVariableA("KZPROBE_SWALLOW", std::to_string(kSwallowed).append(":77").c_str());
    SetEnvironmentVariableA("KZPROBE_REWRITE", std::to_string(kRewritten).append(":99").c_str());
    ASSERT_NO_FATAL_FAILURE(startHost({"probe.dll"}));
    D3DTestWindow game(320, 240);
    becomeGame(game);
    ASSERT_TRUE(IsWindowUnicode(game.window()));
    game.swapChain()->Present(0, 0);  // the host subclasses the output window here
    const ProbeCounters& seen = probe();

    const auto wide = static_cast<WPARAM>(0x1122334455667788ull);
    EXPECT_EQ(SendMessageW(game.window(), kPlain, wide, -2), 1234);
    EXPECT_EQ(seen.lastMessage, kPlain);
    EXPECT_EQ(seen.lastWParam, wide);
    EXPECT_EQ(seen.lastLParam, -2);
    EXPECT_EQ(seen.lastHwnd, reinterpret_cast<std::uint64_t>(game.window()));
    EXPECT_EQ(seen.lastResult, 0);
    EXPECT_EQ(gGame.message, kPlain);
    EXPECT_EQ(gGame.wParam, wide);

    // Swallowed: the game gets a call that means nothing, the caller the plug-in's result.
    EXPECT_EQ(SendMessageW(game.window(), kSwallowed, 5, 6), 77);
    EXPECT_EQ(gGame.message, static_cast<UINT>(WM_NULL));
    EXPECT_EQ(gGame.wParam, 0u);
    EXPECT_EQ(gGame.lParam, 0);

    SendMessageW(game.window(), kRewritten, 5, 6);
    EXPECT_EQ(gGame.message, kRewritten);
    EXPECT_EQ(gGame.wParam, 99u);
    EXPECT_EQ(gGame.lParam, 6);

    // A character no 8-bit code page has keeps its width on the way through.
    const wchar_t smiley = 0x263A;
    SendMessageW(game.window(), WM_CHAR, smiley, 0);
    EXPECT_EQ(seen.lastWParam, static_cast<std::uint64_t>(smiley));
    EXPECT_EQ(gGame.wParam, static_cast<WPARAM>(smiley));
}

// A plug-in that draws holds a view on a back buffer, which ResizeBuffers refuses while it
// exists; a game may resize its buffers without its window changing size.
TEST_F(HostInProcess, ResizeBuffersWorksWhileAPluginHoldsAViewAndTheGameSeesNoNotice) {
    SetEnvironmentVariableA("KZPROBE_HOLD_VIEW", "1");
    ASSERT_NO_FATAL_FAILURE(startHost({"probe.dll"}));
    D3DTestWindow game(320, 240);
    becomeGame(game);
    game.swapChain()->Present(0, 0);
    const ProbeCounters& seen = probe();
    ASSERT_EQ(seen.viewsCreated, 1);

    EXPECT_EQ(game.swapChain()->ResizeBuffers(0, 640, 360, DXGI_FORMAT_UNKNOWN, 0), S_OK);
    EXPECT_EQ(seen.lastSizeLParam, MAKELPARAM(640, 360));
    game.swapChain()->Present(0, 0);
    EXPECT_EQ(seen.viewsCreated, 2);
    // Zero means the client area's size.
    EXPECT_EQ(game.swapChain()->ResizeBuffers(0, 0, 0, DXGI_FORMAT_UNKNOWN, 0), S_OK);
    EXPECT_EQ(seen.lastSizeLParam, MAKELPARAM(320, 240));
    EXPECT_EQ(gGameSizes, 0);
}

}  // namespace
