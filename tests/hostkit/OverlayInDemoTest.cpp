// The overlay inside the demo game as a player gets it: the host, KZConsole.dll and the sample
// plug-in in the plug-in folder, the demo started through the launcher and driven with real
// input through the system's input queue. KZProbe.dll comes after KZConsole.dll in the host's
// order and only looks: when the test asks (capture.request), it copies the frame about to be
// presented, with the bars already drawn into it. The demo shows a still picture (--still-at), so
// two frames differ only where the overlay draws and in the demo's counts, bottom left.
// What the test waits for is counted in the demo's frames, not in seconds: real input reaches the
// game in its own time, and on a loaded machine the game's frames come slowly too.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "D3DTestWindow.h"
#include "HostTestKit.h"

namespace {

using kztest::waitFor;

struct Box {
    int x, y, w, h;
    bool contains(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
};

// With no layout file the bars are lined up as "Auto align windows" does: the settings bar and
// the sample's bar side by side, 25 px from the client area's edges and 10 px apart.
Box alignedBar(int column, int clientWidth, int clientHeight) {
    const int width = (clientWidth - 50 - 10) / 2;
    return {25 + column * (width + 10), 25, width, clientHeight - 50};
}

// At font size 3 every row, a separator too, is 17 px; the first starts 24 px below the bar's
// top. Rows are given by their offset from the first one.
constexpr int kLine = 17, kRowsTop = 24;
// The settings bar: Opacity, Auto align windows, a separator, Load Settings, Save Settings.
constexpr int kAutoAlignRow = kLine, kSaveRow = 4 * kLine;
// The sample's bar: Paused, Exposure, a separator, the group Simulation (its heading, three rows
// and a separator), the group Look (its heading and two rows), Player name, Reset to defaults.
constexpr int kExposureRow = kLine, kResetRow = 12 * kLine;

// A point on a row's label, or in its value box: the box is 62 px wide and ends 20 px inside
// the bar's right edge.
POINT pointOf(const Box& bar, int row, bool value = false) {
    return {value ? bar.x + bar.w - 51 : bar.x + 60, bar.y + kRowsTop + row + kLine / 2};
}

using kztest::Counts;

int occurrences(const std::string& haystack, const std::string& needle) {
    int n = 0;
    for (std::size_t at = haystack.find(needle); at != std::string::npos;
         at = haystack.find(needle, at + needle.size()))
        ++n;
    return n;
}

struct Frame {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgba;
};

class OverlayInDemo : public ::testing::Test {
  protected:
    OverlayInDemo() : run_(::testing::UnitTest::GetInstance()->current_test_info()->name()) {
        for (const char* part : {"kzlaunch.exe", "KZBase.dll", "KZLog.dll", "KZDemo.exe"})
            run_.copyPart(part);
        run_.makeFolder("plugins");
        for (std::string plugin : {"KZConsole.dll", "SamplePlugin.dll", "KZProbe.dll"})
            run_.copyPart(plugin, "plugins\\" + plugin);
    }

    ~OverlayInDemo() override {
        if (launch_.process) TerminateProcess(launch_.process, 1);
        kztest::finish(launch_);
    }

    // Starts the demo and waits until the overlay has set itself up and the window has the input.
    void start(int width, int height) {
        launch_ = kztest::startLauncher(
            run_, "KZDemo.exe --report demo.txt --still-at 3 --exit-code 7 --size " +
                      std::to_string(width) + "x" + std::to_string(height));
        ASSERT_NE(launch_.process, nullptr);
        ASSERT_TRUE(waitFor([&] { return (window_ = FindWindowA("KZDemoWindow", nullptr)); }));
        ASSERT_TRUE(waitFor([&] { return log().find("Initializing GUI...") != std::string::npos; }))
            << kztest::readFile(launch_.outputFile);
        SetForegroundWindow(window_);
        ASSERT_TRUE(waitFor([&] { return GetForegroundWindow() == window_; }));
        ASSERT_TRUE(settle());
    }

    // Escape ends the demo when it reaches the game; the launcher returns the demo's exit code.
    void expectEscapeEndsTheDemo() {
        kztest::sendKey(VK_ESCAPE);
        kztest::finish(launch_);
        EXPECT_EQ(launch_.exitCode, 7u);
        EXPECT_NE(launch_.output.find("kzlaunch: ready"), std::string::npos) << launch_.output;
        // The module logs every call the engine refuses, so no such line also says that the
        // sample plug-in's defines are all accepted.
        EXPECT_EQ(log().find("KZConsole: "), std::string::npos) << log();
    }

    Counts counts() const { return kztest::readCounts(run_.file("demo.txt")); }
    std::string log() const { return kztest::readFile(run_.file("KZLog.txt")); }

    // Waits until the condition holds, reading the demo's report no more often than the demo
    // writes it (every 0.1 s): while a read holds the file open the demo cannot replace it. The
    // wait fails once the demo has presented `frames` frames since it began without the
    // condition holding, or has presented none for a minute. The bound is generous: on a loaded
    // machine the demo may present a few hundred frames before real input or a resize reaches it.
    template <typename Condition>
    bool untilTheDemoShows(Condition condition, long long frames = 3000) {
        long long deadline = -1, last = -1;
        DWORD lastProgress = GetTickCount();
        for (;; Sleep(100)) {
            Counts reported = counts();
            if (condition(reported)) return true;
            const long long now = reported["frames"];
            if (deadline < 0 && now > 0) deadline = now + frames;
            if (deadline >= 0 && now >= deadline) return false;
            if (now != last) {
                last = now;
                lastProgress = GetTickCount();
            } else if (GetTickCount() - lastProgress > 60000) {
                return false;
            }
        }
    }
    // Waits until the demo has presented enough frames since its last report that input sent
    // before has been handled and its effect drawn.
    bool settle() {
        const long long reported = counts()["frames"];
        return untilTheDemoShows([&](Counts& c) { return c["frames"] >= reported + 12; });
    }

    // The frame about to be presented, as the probe copied it; kept as <name>.png for a person.
    Frame grab(const std::string& name) {
        Frame frame;
        const std::string request = run_.file("capture.request");
        run_.write("capture.request", "");
        if (!untilTheDemoShows([&](Counts&) {
                return GetFileAttributesA(request.c_str()) == INVALID_FILE_ATTRIBUTES;
            }))
            return frame;
        const std::string bytes = kztest::readFile(run_.file("capture.rgba"));
        std::int32_t size[2] = {0, 0};
        bytes.copy(reinterpret_cast<char*>(size), sizeof size);
        if (bytes.size() != 8 + std::size_t(size[0]) * std::size_t(size[1]) * 4) return frame;
        frame = {size[0], size[1], {bytes.begin() + 8, bytes.end()}};
        kztest::writePng(run_.file(name + ".png"), frame.rgba, frame.width, frame.height);
        return frame;
    }

    // The X server echoes each move of the pointer back to the demo as a motion of its own,
    // in its own time. An echo that arrives between a later click's move and its press puts
    // the press where an earlier click was (on a row's value, say, which opens it again). So a
    // click waits until the demo has taken its move, press and release (as the game's mouse
    // input or, taken by the bars, as WM_NULL), and for the frames after them.
    void click(POINT at) {
        Counts before = counts();
        kztest::clickAt(window_, at);
        ASSERT_TRUE(untilTheDemoShows([&](Counts& c) {
            return c["null"] + c["mouse"] >= before["null"] + before["mouse"] + 3;
        }));
        ASSERT_TRUE(settle());
    }

    // Frame `shown` has the overlay drawn in each box, changing nearly every pixel there (body,
    // title and text blend into the game's picture), and is `hidden` everywhere else but in the
    // bars' lines just above and left of them, their shadows (3 px beyond their right and bottom
    // edges) and in the bottom-left corner, where the demo's counts and the overlay's help icon
    // are.
    void expectOverlayOnlyIn(const Frame& shown, const Frame& hidden,
                             const std::vector<Box>& boxes) {
        ASSERT_FALSE(shown.rgba.empty());
        ASSERT_EQ(shown.width, hidden.width);
        ASSERT_EQ(shown.height, hidden.height);
        std::vector<long> changedIn(boxes.size()), areaOf(boxes.size());
        long changedElsewhere = 0;
        for (int y = 0; y < shown.height; ++y)
            for (int x = 0; x < shown.width; ++x) {
                const std::size_t at =
                    (std::size_t(y) * std::size_t(shown.width) + std::size_t(x)) * 4;
                const bool changed = std::memcmp(&shown.rgba[at], &hidden.rgba[at], 3) != 0;
                bool excused = x < 300 && y >= shown.height - 200;
                for (std::size_t i = 0; i < boxes.size(); ++i) {
                    const Box& b = boxes[i];
                    areaOf[i] += b.contains(x, y);
                    changedIn[i] += b.contains(x, y) && changed;
                    excused = excused || Box{b.x - 1, b.y - 1, b.w + 4, b.h + 4}.contains(x, y);
                }
                changedElsewhere += !excused && changed;
            }
        for (std::size_t i = 0; i < boxes.size(); ++i)
            EXPECT_GT(double(changedIn[i]), 0.95 * double(areaOf[i])) << "box " << i;
        EXPECT_EQ(changedElsewhere, 0);
    }

    kztest::RunFolder run_;
    kztest::Launch launch_;
    HWND window_ = nullptr;
};

// With the sample plug-in as an author outside the repository builds it: its installed source,
// configured against the installed SDK's CMake package alone.
TEST_F(OverlayInDemo, F1ShowsTheBarsThatTakeTheInputUntilF2HandsItBackToTheGame) {
    DeleteFileA(run_.file("plugins\\SamplePlugin.dll").c_str());
    run_.copyPart("OutOfTreeSamplePlugin.dll", "plugins\\SamplePlugin.dll");
    ASSERT_NO_FATAL_FAILURE(start(800, 600));
    const Box settings = alignedBar(0, 800, 600), sample = alignedBar(1, 800, 600);
    const POINT besideTheBars{792, 300};

    const Frame hidden = grab("1-hidden");  // nothing drawn over the game
    const long long nullsBeforeF1 = counts()["null"];
    kztest::sendKey(VK_F1);  // its key-up, taken by the overlay it shows, reaches the game as null
    ASSERT_TRUE(untilTheDemoShows([&](Counts& c) { return c["null"] > nullsBeforeF1; }));
    ASSERT_TRUE(settle());
    expectOverlayOnlyIn(grab("2-shown"), hidden, {settings, sample});

    // Shown and interactive: the bars get the mouse and the keyboard, the game none of it.
    auto before = counts();
    click(pointOf(sample, kResetRow));
    click(pointOf(sample, kExposureRow, true));  // opens the field with "1": 2.5 over it
    for (WORD key : std::initializer_list<WORD>{VK_BACK, VK_BACK, VK_BACK, VK_BACK, '2',
                                                VK_OEM_PERIOD, '5', VK_RETURN})
        kztest::sendKey(key);
    kztest::sendKey('A');
    click(besideTheBars);
    click(pointOf(settings, kSaveRow));
    // Real input arrives through the X server in its own time: wait for its effects, then for
    // the frames after them, before judging what the game saw.
    ASSERT_TRUE(untilTheDemoShows([&](Counts& c) {
        return c["null"] >= before["null"] + 20 &&
               !kztest::readFile(run_.file("KZConsole.cfg")).empty();
    }));
    ASSERT_TRUE(settle());
    auto during = counts();
    EXPECT_EQ(during["mouse"], before["mouse"]);
    EXPECT_EQ(during["keyboard"], before["keyboard"]);

    EXPECT_EQ(occurrences(log(), "sample: reset"), 1) << log();
    EXPECT_EQ(occurrences(log(), "sample: exposure 2.50"), 1) << log();
    // Beside the demo's executable, with the bars where they are drawn.
    EXPECT_EQ(kztest::readFile(run_.file("KZConsole.cfg")),
              "General\r\n\t64\r\n"
              "settings\r\n\t25\r\n\t25\r\n\t370\r\n\t550\r\n"
              "sample\r\n\t405\r\n\t25\r\n\t370\r\n\t550\r\n");

    // Shown and passive: the game gets its input again, the bars stay.
    const long long keysBeforeF2 = counts()["keyboard"];
    kztest::sendKey(VK_F2);  // its key-up, no longer taken, reaches the game
    ASSERT_TRUE(untilTheDemoShows([&](Counts& c) { return c["keyboard"] > keysBeforeF2; }));
    ASSERT_TRUE(settle());
    before = counts();
    kztest::sendKey('A');
    click(besideTheBars);
    ASSERT_TRUE(untilTheDemoShows([&](Counts& c) {
        return c["keyboard"] >= before["keyboard"] + 3 && c["mouse"] >= before["mouse"] + 2;
    }));
    ASSERT_TRUE(settle());
    auto after = counts();
    EXPECT_EQ(after["null"], before["null"]);
    expectOverlayOnlyIn(grab("3-passive"), hidden, {settings, sample});

    expectEscapeEndsTheDemo();
    EXPECT_EQ(occurrences(log(), "Initializing GUI..."), 1) << log();
    // The engine chose its way of keeping the game's state over the first shown frames.
    EXPECT_EQ(occurrences(log(), "GUI state path: "), 1) << log();
}

TEST_F(OverlayInDemo, AfterAResizeTheGameAndTheBarsDrawAtTheNewSize) {
    ASSERT_NO_FATAL_FAILURE(start(800, 600));
    kztest::sendKey(VK_F1);

    // A window manager's resize, larger, so that the bars keep their places.
    RECT frame, client;
    GetWindowRect(window_, &frame);
    GetClientRect(window_, &client);
    SetWindowPos(window_, nullptr, 0, 0, 1024 + (frame.right - frame.left) - client.right,
                 768 + (frame.bottom - frame.top) - client.bottom, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_TRUE(
        untilTheDemoShows([&](Counts& c) { return c["width"] == 1024 && c["height"] == 768; }));
    // The arrangement now spreads the bars over the new client area.
    click(pointOf(alignedBar(0, 800, 600), kAutoAlignRow));
    ASSERT_TRUE(settle());
    const Frame shown = grab("1-resized-shown");
    kztest::sendKey(VK_F1);
    ASSERT_TRUE(settle());
    const Frame hidden = grab("2-resized-hidden");

    EXPECT_EQ(shown.width, 1024);
    EXPECT_EQ(shown.height, 768);
    const Box settings = alignedBar(0, 1024, 768), sample = alignedBar(1, 1024, 768);
    const Box beyondTheOldSize{800, 600, sample.x + sample.w - 800, sample.y + sample.h - 600};
    expectOverlayOnlyIn(shown, hidden, {settings, sample, beyondTheOldSize});

    expectEscapeEndsTheDemo();
    auto game = counts();
    EXPECT_GE(game["resizes"], 1);
    EXPECT_EQ(game["resizeFailures"], 0);
    EXPECT_EQ(game["presentFailures"], 0);
}

}  // namespace
