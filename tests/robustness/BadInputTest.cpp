// Input from outside at its worst, with the real engine: windows of no size and of a huge one,
// odd names and labels, null pointers, and layout files that are noise or hold values the engine
// refuses. Each has a defined outcome and none crashes.
#include <fstream>
#include <random>

#include "ConsoleApi.h"
#include "OverlayTestSupport.h"
#include "SettingsBar.h"

using kztest::RealOverlay;

namespace {

TEST_F(RealOverlay, AMinimisedWindowAndAHugeOneAreDrawnOverWithoutHarm) {
    present();
    keyUp(VK_F1);
    ShowWindow(window.window(), SW_MINIMIZE);
    window.pumpMessages();
    send(WM_SIZE, SIZE_MINIMIZED, 0);
    for (int i = 0; i < 3; ++i)
        present();

    ShowWindow(window.window(), SW_RESTORE);
    window.pumpMessages();
    send(WM_SIZE);
    SetWindowPos(window.window(), nullptr, 0, 0, 30000, 30000, SWP_NOMOVE | SWP_NOZORDER);
    window.pumpMessages();
    send(WM_SIZE);
    for (int i = 0; i < 3; ++i)
        present();

    // The bars still draw into the back buffer: its pixels are not all the clear colour.
    window.clearBackBuffer(0, 0, 0);
    BeforeD3D11Present(window.swapChain());
    int width = 0;
    const auto pixels = window.readBackBuffer(&width);
    const kztest::Rgba inBar = kztest::pixelAt(pixels, width, 60, 40);
    EXPECT_NE(inBar.r + inBar.g + inBar.b, 0);
}

TEST_F(RealOverlay, OddNamesAndLabelsAndNullPointersAreRefusedOrShownNeverFatal) {
    present();
    ConsoleAddBar("blank name", "it's quoted");
    ConsoleAddBar("\xE9t\xE9", "caf\xE9 \x80 \"double\" `back`");
    ConsoleAddBar(nullptr, nullptr);
    ConsoleAddBar("", "");
    int value = 3;
    ConsoleAddVarRW("\xE9t\xE9", "v", TW_TYPE_INT32, &value, "l'abel", "group with blank");
    ConsoleAddVarRW("\xE9t\xE9", "w", TW_TYPE_INT32, &value, "\x01\x7F\xFF", "\xE9");
    ConsoleAddVarRW("\xE9t\xE9", nullptr, TW_TYPE_INT32, &value, "x", "");
    ConsoleAddVarRW("\xE9t\xE9", "null", TW_TYPE_INT32, nullptr, "x", "");
    ConsoleAddVarCB("\xE9t\xE9", "cb", TW_TYPE_FLOAT, nullptr, nullptr, nullptr, nullptr, nullptr);
    ConsoleAddButton(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    ConsoleAddSeperator(nullptr, nullptr);
    ConsoleAddSeperator("\xE9t\xE9", "it's");
    keyUp(VK_F1);
    for (int i = 0; i < 3; ++i)
        present();
    send(WM_MOUSEMOVE, 0, MAKELPARAM(200, 100));
    saveSettings(nullptr);
    loadSettings(nullptr);
    present();
    EXPECT_NE(TwGetBarByName("\xE9t\xE9"), nullptr);
    std::remove((executableDirectory() + "KZConsole.cfg").c_str());
}

class LayoutFile : public RealOverlay {
  protected:
    std::string path;
    void SetUp() override {
        path = executableDirectory() + "KZConsole.cfg";
        std::remove(path.c_str());
        present();
        ConsoleAddBar("tweaks", "Tweaks");
    }
    void TearDown() override { std::remove(path.c_str()); }

    // Every bar but the help bar has a place and a size the engine accepts.
    void expectSaneBars() {
        for (const char* bar : {"settings", "tweaks"}) {
            const auto size = barParam(bar, "size", 2);
            ASSERT_EQ(size.size(), 2u) << bar;
            EXPECT_GE(size[0], 0) << bar;
            EXPECT_GE(size[1], 0) << bar;
        }
        present();
    }
};

TEST_F(LayoutFile, HundredMegabytesOfNoiseEndInBoundedTimeWithSaneBars) {
    {
        std::ofstream file(path, std::ios::binary);
        std::mt19937 random(7);
        std::vector<char> block(1 << 20);
        for (int mb = 0; mb < 100; ++mb) {
            for (char& c : block)
                c = static_cast<char>(random());
            file.write(block.data(), static_cast<std::streamsize>(block.size()));
        }
    }
    loadSettings(nullptr);
    expectSaneBars();
}

TEST_F(LayoutFile, ValuesTheEngineRefusesLeaveTheArrangement) {
    std::ofstream(path) << "General 128\ntweaks -50 -60 -1 -2\nsettings 2147483647 5 2147483647 "
                           "2147483647\n";
    loadSettings(nullptr);
    expectSaneBars();
    EXPECT_EQ(barParam("tweaks", "position", 2), (std::vector<int>{25 + 10 + (640 - 60) / 2, 25}));
}

}  // namespace
