// The layout file's writer and reader on real files, against the double's bars. The reader's
// grammar is word-based, so these cases are about words: names, numbers, and their absence.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>

#include "RecordingTweakBar.h"
#include "SettingsFile.h"

using twdouble::barParam;
using V = std::vector<int>;

namespace {

void setParam(const char* bar, const char* param, const V& values) {
    TwSetParam(TwGetBarByName(bar), nullptr, param, TW_PARAM_INT32, static_cast<int>(values.size()),
               values.data());
}

class SettingsFile : public ::testing::Test {
  protected:
    void SetUp() override {
        TwInit(TW_DIRECT3D11, nullptr);
        TwNewBar("settings");
        TwNewBar("tweaks");
    }

    void TearDown() override { std::remove(scratchName().c_str()); }

    // The test's own file beside the program. Not tmpfile(): under Wine it now and then gave
    // no file while another test ran beside this one.
    static std::string scratchName() {
        return std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
               ".cfg";
    }

    // Runs the reader over text, from a real file opened as the overlay opens it.
    static void load(const std::string& text) {
        std::FILE* file = std::fopen(scratchName().c_str(), "w+b");
        ASSERT_NE(file, nullptr);
        std::fwrite(text.data(), 1, text.size(), file);
        std::rewind(file);
        kz::applySettings(file);
        std::fclose(file);
    }

    static std::string save() {
        std::FILE* file = std::fopen(scratchName().c_str(), "w+b");
        EXPECT_NE(file, nullptr);
        if (!file) return "";
        kz::writeSettings(file);
        std::string text(static_cast<std::size_t>(std::ftell(file)), '\0');
        std::rewind(file);
        const std::size_t read = std::fread(text.data(), 1, text.size(), file);
        text.resize(read);
        std::fclose(file);
        return text;
    }
};

// A parameter of a bar and its values: what the round trip sets and gets back, and what a text
// read into the bars "settings" and "tweaks" (and the extra ones) sets. There an empty value list
// means the parameter was not set, and no expectations at all that nothing was.
struct Expected {
    const char* bar;
    const char* param;
    V values;
};

TEST_F(SettingsFile, RoundTripRestoresOpacityPositionsAndSizes) {
    const Expected saved[] = {
        {"settings", "alpha", {77}},      {"settings", "position", {10, 20}},
        {"settings", "size", {300, 400}}, {"tweaks", "position", {-5, 7}},
        {"tweaks", "size", {250, 260}},
    };
    for (const Expected& e : saved)
        setParam(e.bar, e.param, e.values);
    const std::string text = save();
    for (const Expected& e : saved)
        setParam(e.bar, e.param, V(e.values.size(), 1));
    setParam("tweaks", "alpha", {1});
    load(text);
    for (const Expected& e : saved)
        EXPECT_EQ(barParam(e.bar, e.param), e.values) << e.bar << " " << e.param;
    EXPECT_EQ(barParam("tweaks", "alpha"), V{77});
    EXPECT_TRUE(barParam("TW_HELP", "alpha").empty());
}

struct ReadCase {
    std::vector<const char*> extraBars;
    const char* text;
    std::vector<Expected> expected;
};

const ReadCase kReadCases[] = {
    // Opacity keeps the low eight bits, and goes to every bar.
    {{}, "General 300", {{"tweaks", "alpha", {44}}}},
    {{}, "General\n\t-1\n", {{"settings", "alpha", {255}}}},
    // A bar named General is read as the general record.
    {{"General"},
     "General\n\t5\n\t6\n\t7\n\t8\n",
     {{"tweaks", "alpha", {5}}, {"General", "position", {}}}},
    // A name with a blank is read as several words.
    {{"my bar", "bar"},
     "my bar\n\t1\n\t2\n\t3\n\t4\n",
     {{"my bar", "position", {}}, {"bar", "position", {1, 2}}, {"bar", "size", {3, 4}}}},
    {{}, "", {}},
    {{}, " \t\r\n\v\f ", {}},
    // The last number needs no line break, and a record cut short still applies.
    {{}, "tweaks 1 2 3 4", {{"tweaks", "size", {3, 4}}}},
    {{}, "tweaks\t9\t8", {{"tweaks", "position", {9, 8}}, {"tweaks", "size", {0, 0}}}},
    // Records apply in file order and the last one wins.
    {{},
     "tweaks 1 1 100 100 General 10 settings 2 2 200 200 tweaks 3 3 300 300 General 20",
     {{"tweaks", "position", {3, 3}}, {"settings", "position", {2, 2}}, {"tweaks", "alpha", {20}}}},
    // An unknown bar's record is skipped word by word: a bar named like one of the skipped
    // numbers picks up what follows.
    {{"600"},
     "gone\n\t600\n\t40\n\t320\n\t480\n\t5\ntweaks 1 2 3 4",
     {{"600", "position", {40, 320}}, {"600", "size", {480, 5}}, {"tweaks", "position", {1, 2}}}},
    // A word that is no number, or a number out of range, ends the load; what came before stays.
    {{},
     "tweaks 1 2 3 4 settings 5 x 7 8 tweaks 9 9 9 9",
     {{"tweaks", "position", {1, 2}}, {"settings", "position", {}}}},
    {{},
     "settings 1 2 3 2147483648 tweaks 5 5 5 5",
     {{"settings", "position", {}}, {"tweaks", "position", {}}}},
    {{}, "settings -2147483648 2147483647 0 0", {{"settings", "position", {INT_MIN, INT_MAX}}}},
    // General at the very end has no number to apply.
    {{}, "tweaks 1 2 3 4 General", {{"tweaks", "position", {1, 2}}, {"tweaks", "alpha", {}}}},
};

TEST_F(SettingsFile, TheReaderAppliesWhatItReadsWordByWordUntilAWordIsWrong) {
    for (const ReadCase& c : kReadCases) {
        SCOPED_TRACE(c.text);
        TwTerminate();
        SetUp();
        for (const char* bar : c.extraBars)
            TwNewBar(bar);
        twdouble::clearCalls();
        load(c.text);
        if (c.expected.empty()) {
            EXPECT_EQ(twdouble::count("TwSetParam"), 0);
        }
        for (const Expected& e : c.expected)
            EXPECT_EQ(barParam(e.bar, e.param), e.values) << e.bar << " " << e.param;
    }
}

TEST(SettingsPath, DirectoryKeepsTheLastBackslash) {
    EXPECT_EQ(kz::directoryOfPath("D:\\Games\\Demo\\bin\\game.exe"), "D:\\Games\\Demo\\bin\\");
    EXPECT_EQ(kz::directoryOfPath("game.exe"), "");
    EXPECT_EQ(kz::directoryOfPath("C:\\"), "C:\\");
}

}  // namespace
