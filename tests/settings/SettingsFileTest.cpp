// The layout file's writer and reader on real files, against the double's bars. The reader's
// grammar is word-based, so these cases are about words: names, numbers, and their absence.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "RecordingTweakBar.h"
#include "SettingsFile.h"

using twdouble::barParam;
using V = std::vector<int>;

namespace {

void setBar(const char* name, int x, int y, int w, int h) {
    TwBar* bar = TwGetBarByName(name);
    const int position[2] = {x, y}, size[2] = {w, h};
    TwSetParam(bar, nullptr, "position", TW_PARAM_INT32, 2, position);
    TwSetParam(bar, nullptr, "size", TW_PARAM_INT32, 2, size);
}

void setAlpha(const char* name, int alpha) {
    TwSetParam(TwGetBarByName(name), "", "alpha", TW_PARAM_INT32, 1, &alpha);
}

class SettingsFile : public ::testing::Test {
  protected:
    void SetUp() override {
        TwInit(TW_DIRECT3D11, nullptr);
        TwNewBar("settings");
        TwNewBar("tweaks");
    }

    // Runs the reader over text, from a real file opened as the overlay opens it.
    static void load(const std::string& text) {
        std::FILE* file = std::tmpfile();
        ASSERT_NE(file, nullptr);
        std::fwrite(text.data(), 1, text.size(), file);
        std::rewind(file);
        kz::applySettings(file);
        std::fclose(file);
    }

    static std::string save() {
        std::FILE* file = std::tmpfile();
        kz::writeSettings(file);
        std::string text(static_cast<std::size_t>(std::ftell(file)), '\0');
        std::rewind(file);
        const std::size_t read = std::fread(text.data(), 1, text.size(), file);
        text.resize(read);
        std::fclose(file);
        return text;
    }
};

TEST_F(SettingsFile, WritesTheGeneralRecordThenEveryBarButTheHelpBar) {
    setAlpha("settings", 200);
    setBar("settings", 25, 25, 930, 1030);
    setBar("tweaks", 600, 40, 320, 480);
    setBar("TW_HELP", 1, 2, 3, 4);
    EXPECT_EQ(save(),
              "General\n\t200\nsettings\n\t25\n\t25\n\t930\n\t1030\n"
              "tweaks\n\t600\n\t40\n\t320\n\t480\n");
}

TEST_F(SettingsFile, RoundTripRestoresOpacityPositionsAndSizes) {
    setAlpha("settings", 77);
    setBar("settings", 10, 20, 300, 400);
    setBar("tweaks", -5, 7, 250, 260);
    const std::string saved = save();
    setAlpha("settings", 1);
    setAlpha("tweaks", 1);
    setBar("settings", 0, 0, 1, 1);
    setBar("tweaks", 0, 0, 1, 1);
    load(saved);
    EXPECT_EQ(barParam("settings", "alpha"), V{77});
    EXPECT_EQ(barParam("tweaks", "alpha"), V{77});
    EXPECT_EQ(barParam("settings", "position"), (V{10, 20}));
    EXPECT_EQ(barParam("settings", "size"), (V{300, 400}));
    EXPECT_EQ(barParam("tweaks", "position"), (V{-5, 7}));
    EXPECT_EQ(barParam("tweaks", "size"), (V{250, 260}));
    EXPECT_TRUE(barParam("TW_HELP", "alpha").empty());
}

TEST_F(SettingsFile, OpacityKeepsTheLowEightBits) {
    load("General 300");
    EXPECT_EQ(barParam("tweaks", "alpha"), V{44});
    load("General\n\t-1\n");
    EXPECT_EQ(barParam("settings", "alpha"), V{255});
}

TEST_F(SettingsFile, ABarNamedGeneralIsReadAsTheGeneralRecord) {
    TwNewBar("General");
    load("General\n\t5\n\t6\n\t7\n\t8\n");
    EXPECT_EQ(barParam("tweaks", "alpha"), V{5});
    EXPECT_TRUE(barParam("General", "position").empty());
}

TEST_F(SettingsFile, ANameWithABlankIsReadAsSeveralWords) {
    TwNewBar("my bar");
    TwNewBar("bar");
    load("my bar\n\t1\n\t2\n\t3\n\t4\n");
    EXPECT_TRUE(barParam("my bar", "position").empty());
    EXPECT_EQ(barParam("bar", "position"), (V{1, 2}));
    EXPECT_EQ(barParam("bar", "size"), (V{3, 4}));
}

TEST_F(SettingsFile, EmptyAndBlankFilesApplyNothing) {
    load("");
    load(" \t\r\n\v\f ");
    EXPECT_EQ(twdouble::count("TwSetParam"), 0);
}

TEST_F(SettingsFile, LastNumberWithoutLineBreakAndRecordsCutShortStillApply) {
    load("tweaks 1 2 3 4");
    EXPECT_EQ(barParam("tweaks", "size"), (V{3, 4}));
    load("tweaks\t9\t8");
    EXPECT_EQ(barParam("tweaks", "position"), (V{9, 8}));
    EXPECT_EQ(barParam("tweaks", "size"), (V{0, 0}));
}

TEST_F(SettingsFile, RecordsApplyInFileOrderAndTheLastWins) {
    load("tweaks 1 1 100 100 General 10 settings 2 2 200 200 tweaks 3 3 300 300 General 20");
    EXPECT_EQ(barParam("tweaks", "position"), (V{3, 3}));
    EXPECT_EQ(barParam("settings", "position"), (V{2, 2}));
    EXPECT_EQ(barParam("tweaks", "alpha"), V{20});
}

TEST_F(SettingsFile, AnUnknownBarsRecordIsSkippedWordByWord) {
    TwNewBar("600");  // a bar whose name equals one of the skipped numbers picks up what follows
    load("gone\n\t600\n\t40\n\t320\n\t480\n\t5\ntweaks 1 2 3 4");
    EXPECT_EQ(barParam("600", "position"), (V{40, 320}));
    EXPECT_EQ(barParam("600", "size"), (V{480, 5}));
    EXPECT_EQ(barParam("tweaks", "position"), (V{1, 2}));
}

TEST_F(SettingsFile, ANonNumberOrAnOutOfRangeNumberEndsTheLoadKeepingWhatWasApplied) {
    load("tweaks 1 2 3 4 settings 5 x 7 8 tweaks 9 9 9 9");
    EXPECT_EQ(barParam("tweaks", "position"), (V{1, 2}));
    EXPECT_TRUE(barParam("settings", "position").empty());

    load("settings 1 2 3 2147483648 tweaks 5 5 5 5");
    EXPECT_TRUE(barParam("settings", "position").empty());
    EXPECT_EQ(barParam("tweaks", "position"), (V{1, 2}));

    load("settings -2147483648 2147483647 0 0");
    EXPECT_EQ(barParam("settings", "position"), (V{-2147483648, 2147483647}));
}

TEST_F(SettingsFile, GeneralAtTheEndAppliesNothing) {
    load("tweaks 1 2 3 4 General");
    EXPECT_EQ(barParam("tweaks", "position"), (V{1, 2}));
    EXPECT_TRUE(barParam("tweaks", "alpha").empty());
}

TEST(SettingsPath, DirectoryKeepsTheLastBackslash) {
    EXPECT_EQ(kz::directoryOfPath("D:\\Games\\Demo\\bin\\game.exe"), "D:\\Games\\Demo\\bin\\");
    EXPECT_EQ(kz::directoryOfPath("game.exe"), "");
    EXPECT_EQ(kz::directoryOfPath("C:\\"), "C:\\");
}

}  // namespace
