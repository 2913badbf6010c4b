// The overlay inside the demo game as a player gets it: the host, KZConsole.dll and the sample
// plug-in in the plug-in folder, the demo started through the launcher and driven with real
// input through the system's input queue. KZProbe.dll also sits in the plug-in folder, after
// KZConsole.dll in the host's order; it only looks: when the test asks, it copies the frame that
// is about to be presented, with the bars already drawn into it.
//
// The demo shows a still picture (--still-at), so two frames differ only where the overlay draws
// and in the demo's counts, bottom left.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "D3DTestWindow.h"
#include "LauncherDriver.h"
#include "RunFolder.h"

namespace {

using kztest::readCounts;
using kztest::readFile;
using kztest::RunFolder;
using kztest::waitFor;

struct Box {
    int x, y, w, h;
    bool contains(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
    Box grown(int by) const { return {x - by, y - by, w + 2 * by, h + 2 * by}; }
};

// --- where things are -------------------------------------------------------------------------
// With no layout file, the sample's ConsoleLoadSettings lines the bars up as "Auto align
// windows" does: the settings bar and the sample's bar side by side, 25 px from the edges of the
// client area and 10 px apart, the help bar (index 0) left alone.
Box alignedBar(int column, int clientWidth, int clientHeight) {
    const int width = (clientWidth - 50 - 10) / 2;
    return {25 + column * (width + 10), 25, width, clientHeight - 50};
}

// At font size 3 a row is one 17 px line, a separator half of one; the first row starts below
// the 22 px title and 3 px of space. Offsets are from the top of the first row.
constexpr int kLine = 17, kSeparator = 9, kRowsTop = 22 + 3;
// The settings bar: Opacity, Auto align windows, a separator, Load Settings, Save Settings.
constexpr int kOpacityRow = 0, kAutoAlignRow = kLine, kSaveRow = 3 * kLine + kSeparator;
// The sample's bar: Paused, Exposure, a separator, the group Simulation (its heading, three rows
// and a separator), the group Look (its heading and two rows), Player name, Reset to defaults.
constexpr int kExposureRow = kLine, kResetRow = 10 * kLine + 2 * kSeparator;

POINT labelOf(const Box& bar, int row) {
    return {bar.x + 60, bar.y + kRowsTop + row + kLine / 2};
}
// The value field: the values column is 60 px wide (the arrangement sets it), 4 px inside the
// bar's right edge.
POINT valueOf(const Box& bar, int row) {
    return {bar.x + bar.w - 4 - 30, bar.y + kRowsTop + row + kLine / 2};
}

// The demo's counts and the overlay's help icon share the bottom-left corner, and the counts
// change from frame to frame.
Box countsCorner(int clientHeight) {
    return {0, clientHeight - 200, 300, 200};
}

// A bar's shadow falls 3 px beyond its right and bottom edges.
constexpr int kShadow = 3;

// --- frames -----------------------------------------------------------------------------------
struct Frame {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgba;
    bool samePixel(const Frame& other, int x, int y) const {
        const std::size_t i = (std::size_t(y) * std::size_t(width) + std::size_t(x)) * 4;
        return rgba[i] == other.rgba[i] && rgba[i + 1] == other.rgba[i + 1] &&
               rgba[i + 2] == other.rgba[i + 2];
    }
};

// Share of the pixels of the box (clipped to the frames) that differ between two frames.
double changedShare(const Frame& a, const Frame& b, const Box& box) {
    long changed = 0, total = 0;
    for (int y = std::max(box.y, 0); y < std::min(box.y + box.h, a.height); ++y)
        for (int x = std::max(box.x, 0); x < std::min(box.x + box.w, a.width); ++x, ++total)
            if (!a.samePixel(b, x, y)) ++changed;
    return total ? double(changed) / double(total) : 0.0;
}

// Pixels that differ between two frames outside all the boxes.
long changedOutside(const Frame& a, const Frame& b, const std::vector<Box>& boxes) {
    long changed = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            bool inside = false;
            for (const Box& box : boxes)
                inside = inside || box.contains(x, y);
            if (!inside && !a.samePixel(b, x, y)) ++changed;
        }
    return changed;
}

// The demo with the overlay, one launch per test.
class OverlayInDemo : public ::testing::Test {
  protected:
    OverlayInDemo()
        : run_(::testing::UnitTest::GetInstance()->current_test_info()->name()),
          captureName_("KZProbeCapture." + std::to_string(GetCurrentProcessId())),
          captureRequest_(CreateEventA(nullptr, FALSE, FALSE, captureName_.c_str())),
          captureDone_(CreateEventA(nullptr, FALSE, FALSE, (captureName_ + ".done").c_str())) {
        for (const char* part : {"kzlaunch.exe", "KZBase.dll", "KZLog.dll", "KZDemo.exe"})
            run_.copyPart(part);
        run_.makeFolder("plugins");
        for (const char* plugin : {"KZConsole.dll", "SamplePlugin.dll", "KZProbe.dll"})
            run_.copyPart(plugin, std::string("plugins\\") + plugin);
        // The probe's settings reach the demo through the environment the launcher passes on.
        SetEnvironmentVariableA("KZPROBE_REPORT_DIR", run_.path().c_str());
        SetEnvironmentVariableA("KZPROBE_CAPTURE", captureName_.c_str());
    }

    ~OverlayInDemo() override {
        if (launcher_.process) {
            TerminateProcess(launcher_.process, 1);
            CloseHandle(launcher_.process);
        }
        CloseHandle(captureRequest_);
        CloseHandle(captureDone_);
    }

    // Starts the demo with the overlay at the given client size and waits until the overlay
    // has set itself up (the sample's bar exists from that first frame on) and the demo's window
    // has the input.
    void start(int width, int height) {
        launcher_ =
            kztest::startLauncher(run_, "KZDemo.exe --report demo.txt --still-at 3 --size " +
                                            std::to_string(width) + "x" + std::to_string(height));
        ASSERT_NE(launcher_.process, nullptr);
        ASSERT_TRUE(
            waitFor([&] { return (window_ = FindWindowA("KZDemoWindow", nullptr)) != nullptr; }));
        ASSERT_TRUE(waitFor([&] { return log().find("Initializing GUI...") != std::string::npos; }))
            << readFile(launcher_.outputFile);
        ASSERT_TRUE(kztest::focus(window_));
        ASSERT_TRUE(settle());
    }

    // Escape ends the demo when it reaches the game; returns the launcher's exit code.
    DWORD endWithEscape() {
        kztest::sendKey(VK_ESCAPE);
        const kztest::LauncherResult result = kztest::finish(launcher_);
        launcher_.process = nullptr;
        EXPECT_EQ(result.output, "");
        return result.exitCode;
    }

    std::map<std::string, long long> counts() const { return readCounts(run_.file("demo.txt")); }
    std::string log() const { return readFile(run_.file("KZLog.txt")); }
    std::string settingsFile() const { return readFile(run_.file("KZConsole.cfg")); }

    // Waits until the demo has presented enough frames since its last report that input sent
    // before has been handled and its effect drawn.
    bool settle() {
        const long long reported = counts()["frames"];
        return waitFor([&] { return counts()["frames"] >= reported + 12; }, 10000);
    }

    // The frame about to be presented, as the probe copied it; also kept as <name>.png in the
    // run folder for a person to look at.
    Frame grab(const std::string& name) {
        Frame frame;
        SetEvent(captureRequest_);
        if (WaitForSingleObject(captureDone_, 10000) != WAIT_OBJECT_0) return frame;
        const std::string bytes = readFile(run_.file("capture.rgba"));
        if (bytes.size() < 8) return frame;
        std::int32_t size[2];
        bytes.copy(reinterpret_cast<char*>(size), sizeof size);
        if (bytes.size() != 8 + std::size_t(size[0]) * std::size_t(size[1]) * 4) return frame;
        frame.width = size[0];
        frame.height = size[1];
        frame.rgba.assign(bytes.begin() + 8, bytes.end());
        kztest::writePng(run_.file(name + ".png"), frame.rgba, frame.width, frame.height);
        return frame;
    }

    void click(POINT at) { kztest::clickAt(window_, at.x, at.y); }

    // Opens a number's field with a click, replaces its text and commits it with Enter.
    void typeInto(POINT field, int oldLength, const char* text) {
        click(field);
        for (int i = 0; i < oldLength; ++i)
            kztest::sendKey(VK_BACK);
        kztest::typeText(text);
        kztest::sendKey(VK_RETURN);
    }

    // Checks that frame `shown` has the bars drawn in the boxes and is `hidden` everywhere else.
    void expectBarsOnlyIn(const Frame& shown, const Frame& hidden, const std::vector<Box>& bars) {
        ASSERT_EQ(shown.width, hidden.width);
        ASSERT_EQ(shown.height, hidden.height);
        ASSERT_FALSE(shown.rgba.empty());
        std::vector<Box> excluded{countsCorner(shown.height)};
        for (const Box& bar : bars) {
            // Body, title and text blend into the game's picture: nearly every pixel changes.
            EXPECT_GT(changedShare(shown, hidden, bar), 0.95)
                << "bar at " << bar.x << "," << bar.y << " " << bar.w << "x" << bar.h;
            excluded.push_back(bar.grown(kShadow));
        }
        EXPECT_EQ(changedOutside(shown, hidden, excluded), 0);
    }

    RunFolder run_;
    std::string captureName_;
    HANDLE captureRequest_, captureDone_;
    kztest::LauncherRun launcher_;
    HWND window_ = nullptr;
};

TEST_F(OverlayInDemo, F1ShowsTheBarsThatTakeTheInputUntilF2HandsItBackToTheGame) {
    constexpr int kWidth = 800, kHeight = 600;
    ASSERT_NO_FATAL_FAILURE(start(kWidth, kHeight));
    const Box settings = alignedBar(0, kWidth, kHeight), sample = alignedBar(1, kWidth, kHeight);
    const POINT besideTheBars{kWidth - 8, kHeight / 2};

    // Hidden: the game gets everything, and nothing is drawn over it.
    const Frame hidden = grab("1-hidden");
    kztest::sendKey('A');
    click(besideTheBars);
    ASSERT_TRUE(settle());
    auto before = counts();
    EXPECT_GE(before["keyboard"], 3);  // down, character, up
    EXPECT_GE(before["mouse"], 2);

    kztest::sendKey(VK_F1);
    ASSERT_TRUE(settle());
    const Frame shown = grab("2-shown");
    expectBarsOnlyIn(shown, hidden, {settings, sample});

    // Shown and interactive: the bars get the mouse and the keyboard, the game none of it.
    before = counts();
    click(labelOf(sample, kResetRow));
    typeInto(valueOf(sample, kExposureRow), 4, "2.5");   // "1.00"
    typeInto(valueOf(settings, kOpacityRow), 3, "150");  // "64"
    kztest::sendKey('A');
    click(besideTheBars);
    click(labelOf(settings, kSaveRow));
    ASSERT_TRUE(settle());
    auto during = counts();
    EXPECT_EQ(during["mouse"], before["mouse"]);
    EXPECT_EQ(during["keyboard"], before["keyboard"]);
    EXPECT_GE(during["null"], before["null"] + 20);  // what reached it instead

    const std::string log = this->log();
    EXPECT_EQ(kztest::occurrences(log, "sample: reset"), 1) << log;
    EXPECT_EQ(kztest::occurrences(log, "sample: exposure 2.50"), 1) << log;
    // Beside the demo's executable, with the new opacity and the bars where they are drawn.
    EXPECT_EQ(settingsFile(),
              "General\r\n\t150\r\n"
              "settings\r\n\t25\r\n\t25\r\n\t370\r\n\t550\r\n"
              "sample\r\n\t405\r\n\t25\r\n\t370\r\n\t550\r\n");

    // Shown and passive: the game gets its input again, the bars stay.
    kztest::sendKey(VK_F2);
    ASSERT_TRUE(settle());
    before = counts();
    kztest::sendKey('A');
    click(besideTheBars);
    ASSERT_TRUE(settle());
    auto after = counts();
    EXPECT_GE(after["keyboard"], before["keyboard"] + 3);
    EXPECT_GE(after["mouse"], before["mouse"] + 2);
    EXPECT_EQ(after["null"], before["null"]);
    expectBarsOnlyIn(grab("3-passive"), hidden, {settings, sample});

    EXPECT_EQ(endWithEscape(), 0u);
    EXPECT_EQ(kztest::occurrences(this->log(), "Initializing GUI..."), 1) << this->log();
}

TEST_F(OverlayInDemo, AfterAResizeTheGameAndTheBarsDrawAtTheNewSize) {
    ASSERT_NO_FATAL_FAILURE(start(800, 600));
    kztest::sendKey(VK_F1);

    // A window manager's resize, larger, so that the bars keep their places.
    constexpr int kWidth = 1024, kHeight = 768;
    RECT frame, client;
    GetWindowRect(window_, &frame);
    GetClientRect(window_, &client);
    SetWindowPos(window_, nullptr, 0, 0, kWidth + (frame.right - frame.left) - client.right,
                 kHeight + (frame.bottom - frame.top) - client.bottom, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_TRUE(waitFor([&] {
        auto c = counts();
        return c["width"] == kWidth && c["height"] == kHeight;
    }));
    // The arrangement now spreads the bars over the new client area; the file says where.
    click(labelOf(alignedBar(0, 800, 600), kAutoAlignRow));
    click(labelOf(alignedBar(0, 800, 600), kSaveRow));
    ASSERT_TRUE(settle());
    EXPECT_EQ(settingsFile(),
              "General\r\n\t64\r\n"
              "settings\r\n\t25\r\n\t25\r\n\t482\r\n\t718\r\n"
              "sample\r\n\t517\r\n\t25\r\n\t482\r\n\t718\r\n");
    const Frame shown = grab("1-resized-shown");
    kztest::sendKey(VK_F1);
    ASSERT_TRUE(settle());
    const Frame hidden = grab("2-resized-hidden");

    EXPECT_EQ(shown.width, kWidth);
    EXPECT_EQ(shown.height, kHeight);
    const Box settings = alignedBar(0, kWidth, kHeight), sample = alignedBar(1, kWidth, kHeight);
    expectBarsOnlyIn(shown, hidden, {settings, sample});
    // Also where the window was not before.
    const Box newArea{800, 600, sample.x + sample.w - 800, sample.y + sample.h - 600};
    EXPECT_GT(changedShare(shown, hidden, newArea), 0.95);

    EXPECT_EQ(endWithEscape(), 0u);
    auto game = counts();
    EXPECT_GE(game["resizes"], 1);
    EXPECT_EQ(game["resizeFailures"], 0);
    EXPECT_EQ(game["presentFailures"], 0);
}

}  // namespace
