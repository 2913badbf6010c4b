// The first frame builds the overlay; later frames draw it while it is shown, and make no call
// at all while it is hidden.
#include "OverlayTestSupport.h"

using kztest::HookRecord;
using kztest::OverlayTest;
using Args = std::vector<std::string>;

namespace {

TEST_F(OverlayTest, NullArgumentsAndMessagesBeforeTheFirstFrameChangeNeitherRecordNorState) {
    dbefore_WindowProc(nullptr, nullptr);
    BeforeD3D11Present(nullptr);  // no swap chain yet: nothing is built
    for (std::uint32_t message : {WM_KEYUP, WM_SIZE, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_CHAR}) {
        HookRecord record(message, VK_F1, 0x00100020, 0x1234);
        const HookRecord before = record;
        dbefore_WindowProc(nullptr, record);
        EXPECT_EQ(record.bytes, before.bytes) << message;
    }
    EXPECT_TRUE(twdouble::calls().empty());
    EXPECT_EQ(gConsole.load(), nullptr);

    present();
    EXPECT_FALSE(console().visible);  // the F1 before the first frame did not count
    EXPECT_TRUE(console().interactive);
    dbefore_WindowProc(nullptr, nullptr);
    keyUp(VK_F1);
    twdouble::clearCalls();
    BeforeD3D11Present(nullptr);  // later frames draw through the first swap chain
    EXPECT_EQ(twdouble::callNames(), (Args{"TwDraw", "TwGetParam"}));
}

TEST_F(OverlayTest, FirstFrameStartsTheEngineBuildsTheSettingsBarNotifiesAndDrawsNothing) {
    const ULONG contextReferences = kztest::refCount(window.context());
    present();
    const Args expected{"AddLog",         "TwInit",         "TwWindowSize",   "TwNewBar",
                        "TwDefine",       "TwDefine",       "TwDefine",       "TwDefine",
                        "TwGetBarByName", "TwAddVarCB",     "TwGetBarByName", "TwAddButton",
                        "TwGetBarByName", "TwAddSeparator", "TwGetBarByName", "TwAddButton",
                        "TwGetBarByName", "TwAddButton",    "KZGetBase"};
    EXPECT_EQ(twdouble::callNames(), expected);
    const auto& calls = twdouble::calls();
    EXPECT_EQ(calls[1].args, (Args{"4", "<ptr>"}));
    EXPECT_EQ(calls[2].args, (Args{"640", "480"}));
    EXPECT_EQ(calls[3].args, Args{"settings"});
    EXPECT_EQ(calls[4].args, Args{" settings label='GUI Settings' "});
    EXPECT_EQ(calls[5].args, Args{" settings refresh=0.2 "});
    EXPECT_EQ(calls[6].args, Args{" GLOBAL fontsize=3 "});
    EXPECT_EQ(calls[7].args, Args{" GLOBAL contained=true "});
    EXPECT_EQ(calls[9].args, (Args{"settings", "settings.opacity", "7", "<ptr>", "<ptr>", "<null>",
                                   " label='Opacity' "}));
    EXPECT_EQ(calls[11].args, (Args{"settings", "settings.autosize", "<ptr>", "<null>",
                                    " label='Auto align windows' "}));
    EXPECT_EQ(calls[13].args, (Args{"settings", "", ""}));
    EXPECT_EQ(calls[15].args[1], "settings.load");
    EXPECT_EQ(calls[15].args[4], " label='Load Settings' ");
    EXPECT_EQ(calls[17].args[1], "settings.save");
    EXPECT_EQ(calls[17].args[4], " label='Save Settings' ");

    present();
    EXPECT_EQ(kztest::refCount(window.context()), contextReferences + 1);
    EXPECT_EQ(hoststub::logLines(), Args{"Initializing GUI..."});
    EXPECT_EQ(twdouble::count("TwInit"), 1);
    EXPECT_EQ(twdouble::count("TwDraw"), 0);
    Console& c = console();
    EXPECT_EQ(c.swapChain, window.swapChain());
    EXPECT_EQ(c.device, window.device());
    EXPECT_EQ(c.context, window.context());
    EXPECT_EQ(c.window, window.window());
    EXPECT_NE(c.renderTargetView, nullptr);
    EXPECT_FALSE(c.visible);
    EXPECT_TRUE(c.interactive);
    EXPECT_FALSE(c.cursorShown);
    EXPECT_FALSE(c.resizePending);

    D3D11_VIEWPORT viewport{};
    UINT count = 1;
    window.context()->RSGetViewports(&count, &viewport);
    EXPECT_EQ(count, 1u);
    EXPECT_EQ(viewport.TopLeftX, 0.0f);
    EXPECT_EQ(viewport.Width, 1920.0f);
    EXPECT_EQ(viewport.Height, 1080.0f);
    EXPECT_EQ(viewport.MaxDepth, 1.0f);
}

TEST_F(OverlayTest, ALaterSwapChainIsIgnoredAndTheFirstOnesViewIsDrawnInto) {
    kztest::D3DTestWindow other(320, 240);
    present();
    keyUp(VK_F1);
    twdouble::clearCalls();
    BeforeD3D11Present(other.swapChain());
    EXPECT_EQ(twdouble::callNames(), (Args{"TwDraw", "TwGetParam"}));
    EXPECT_EQ(boundView(), console().renderTargetView);
    EXPECT_EQ(console().swapChain, window.swapChain());
}

// The engine chooses its way of keeping the game's pipeline state over its first shown frames;
// the host's log says which once it has, and the engine is asked no more.
TEST_F(OverlayTest, TheEnginesWayOfKeepingTheGamesStateIsLoggedOnceChosen) {
    twdouble::setGlobalText("statepath", "auto (timing both ways)");
    present();
    keyUp(VK_F1);
    present();
    present();
    EXPECT_EQ(twdouble::count("TwGetParam"), 2);
    const std::string chosen = "saved (timed, medians of 24 frames: saved 30.1 us, swap 80.2 us)";
    twdouble::setGlobalText("statepath", chosen);
    for (int i = 0; i < 3; ++i)
        present();
    EXPECT_EQ(twdouble::count("TwGetParam"), 3);
    EXPECT_EQ(twdouble::calls()[twdouble::indexOf("TwGetParam")].args,
              (Args{"<null bar>", "<null>", "statepath", "3", "256"}));
    EXPECT_EQ(hoststub::logLines(), (Args{"Initializing GUI...", "GUI state path: " + chosen}));
}

TEST_F(OverlayTest, HiddenFramesMakeNoDirect3DOrEngineCall) {
    present();
    keyUp(VK_F1);
    keyUp(VK_F1);  // shown and hidden again
    window.clearBackBuffer(0, 0, 0);
    const D3D11_VIEWPORT sentinel{3, 4, 50, 60, 0.25f, 0.5f};
    window.context()->RSSetViewports(1, &sentinel);
    ID3D11RenderTargetView* gameView = boundView();
    twdouble::clearCalls();
    const long long swapChainCalls = chain.calls();

    for (int i = 0; i < 5; ++i)
        present();

    EXPECT_EQ(chain.calls(), swapChainCalls);
    EXPECT_TRUE(twdouble::calls().empty());
    EXPECT_EQ(boundView(), gameView);
    D3D11_VIEWPORT viewport{};
    UINT count = 1;
    window.context()->RSGetViewports(&count, &viewport);
    EXPECT_EQ(viewport.Width, 50.0f);
}

TEST_F(OverlayTest, ASwapChainWithoutADirect3D11DeviceLeavesTheOverlayInert) {
    chain.failGetDevice = true;
    present();
    present();
    EXPECT_EQ(hoststub::logLines().size(), 1u);
    EXPECT_EQ(gConsole.load(), nullptr);
    EXPECT_EQ(twdouble::count("TwInit"), 0);
    HookRecord record(WM_KEYUP, VK_F1);
    const HookRecord before = record;
    dbefore_WindowProc(nullptr, record);
    EXPECT_EQ(record.bytes, before.bytes);
}

TEST_F(OverlayTest, AnEngineThatFailsToStartLeavesTheDeviceAsItWas) {
    const ULONG deviceReferences = kztest::refCount(window.device());
    const ULONG contextReferences = kztest::refCount(window.context());
    twdouble::setInitResult(0);
    present();
    present();
    EXPECT_EQ(gConsole.load(), nullptr);
    EXPECT_EQ(twdouble::count("TwNewBar"), 0);
    EXPECT_EQ(twdouble::count("KZGetBase"), 0);
    EXPECT_EQ(kztest::refCount(window.device()), deviceReferences);
    EXPECT_EQ(kztest::refCount(window.context()), contextReferences);
}

}  // namespace
