// The help bar's rows as the user reads them once it is opened: the engine's help, each bar's
// help and shortcuts, the struct types and the rotoslider's explanation; how often they are
// made again; and its bottom line with the last key pressed. Texts are wrapped with the text
// metrics every backend follows (look/FontMetrics.h).
#include <string>
#include <vector>

#include "AllocationCounter.h"
#include "compose/HelpBar.h"
#include "draw/WordWrap.h"
#include "EngineFixture.h"
#include "model/Bar.h"
#include "model/Context.h"
#include "model/Engine.h"
#include "TwFrameStats.h"

namespace {

class HelpBar : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        useFakeClock(100);
        ASSERT_EQ(TwWindowSize(1600, 1200), 1);
        help = TwGetBarByIndex(0);
        // Tall enough that every row is laid out in view, and clear of the bars tests make.
        ASSERT_EQ(TwDefine(" TW_HELP iconified=false position='600 20' size='400 1000' "), 1);
    }

    // Each row as "depth|label|value" ("depth|[+] title" or "depth|[-] title" for groups), after
    // a frame at the given time.
    std::vector<std::string> rowsAt(double time) const {
        now = time;
        EXPECT_EQ(TwDraw(), 1);
        std::vector<std::string> out;
        for (const tw::Row& row : help->layout.rows) {
            const tw::Control& c = *row.control;
            std::string line = std::to_string(row.depth) + "|";
            if (c.kind == tw::ControlKind::Group) {
                line += (c.opened ? "[-] " : "[+] ") + c.shownLabel();
            } else {
                line += c.shownLabel() + (c.valueText.empty() ? "" : "|" + c.valueText);
            }
            out.push_back(line);
        }
        return out;
    }
    // The rows from the first bar's group to the line before the struct types and the
    // rotoslider.
    std::vector<std::string> barRowsAt(double time) const {
        std::vector<std::string> all = rowsAt(time);
        std::vector<std::string> out;
        bool inBars = false;
        for (const std::string& line : all) {
            if (line == "0||SHORTCUTS") {
                inBars = true;
                continue;
            }
            if (line.find("] Structure") != std::string::npos || line == "0|[+] RotoSlider") break;
            if (inBars) out.push_back(line);
        }
        return out;
    }
    // Opens or closes a group of the help bar by pressing on its row.
    void toggle(const std::string& title) const {
        EXPECT_EQ(TwDraw(), 1);
        for (const tw::Row& row : help->layout.rows) {
            if (row.kind == tw::RowKind::Group && row.control->shownLabel() == title) {
                EXPECT_TRUE(click(row.rect.x + 4, row.rect.y + row.rect.h / 2)) << title;
                return;
            }
        }
        ADD_FAILURE() << "no group " << title;
    }
    static std::string bottomLine() { return tw::helpBottomLine(*tw::engine().context); }

    TwBar* help = nullptr;
};

// Groups are listed, nested, only when they have help or hold something listed.
TEST_F(HelpBar, ListsEachRowWithHelpOrShortcutsUnderItsBarAndGroupWithItsKeysInTheValueColumn) {
    static int speed = 0, depth = 0, level = 0, count = 0, plain = 0, hidden = 0, a = 0, b = 0;
    TwBar* tools = TwNewBar("tools");
    ASSERT_EQ(TwDefine(" tools label=Tools help='Tuning of the tools.' "), 1);
    ASSERT_EQ(TwAddVarRW(tools, "speed", TW_TYPE_INT32, &speed,
                         " key=+ keydecr=- help='How fast it goes.' "),
              1);
    ASSERT_EQ(TwAddVarRW(tools, "depth", TW_TYPE_INT32, &depth, " keydecr=CTRL+d "), 1);
    ASSERT_EQ(TwAddVarRO(tools, "level", TW_TYPE_INT32, &level, " key=l "), 1);
    ASSERT_EQ(TwAddVarRW(tools, "count", TW_TYPE_INT32, &count, " label=Count help='Items.' "), 1);
    ASSERT_EQ(TwAddVarRW(tools, "plain", TW_TYPE_INT32, &plain, ""), 1);
    ASSERT_EQ(TwAddVarRW(tools, "hidden", TW_TYPE_INT32, &hidden, " key=h visible=false "), 1);
    ASSERT_EQ(TwAddButton(tools, "note", nullptr, nullptr, " help='Not listed.' key=n "), 1);
    ASSERT_EQ(TwAddButton(
                  tools, "reset", [](void*) {}, nullptr, " label=Reset key=F5 "),
              1);
    TwNewBar("hiddenBar");
    ASSERT_EQ(TwDefine(" hiddenBar visible=false help='Not listed either.' "), 1);
    TwNewBar("empty");
    TwBar* bar = TwNewBar("bar");
    ASSERT_EQ(TwAddVarRW(bar, "a", TW_TYPE_INT32, &a, " group=quiet "), 1);
    ASSERT_EQ(TwAddVarRW(bar, "b", TW_TYPE_INT32, &b, " group=inner key=b "), 1);
    ASSERT_EQ(TwAddVarRW(bar, "c", TW_TYPE_INT32, &plain, " group=explained "), 1);
    ASSERT_EQ(TwDefine(" bar/inner group=outer\r\nbar/explained help='Said once.' "), 1);

    EXPECT_EQ(barRowsAt(100), (std::vector<std::string>{
                                  "0|[-] Tools",
                                  "1|Tuning of the tools.",
                                  "1|speed|+  -",
                                  "2|How fast it goes.",
                                  "1|depth|(none)  CTRL+d",
                                  "1|level|(read only)",
                                  "1|Count",
                                  "2|Items.",
                                  "1|Reset|F5",
                                  "0|[-] empty",
                                  "0|[-] bar",
                                  "1|[-] explained",
                                  "2|Said once.",
                                  "1|[-] outer",
                                  "2|[-] inner",
                                  "3|b|b",
                              }));
}

TEST_F(HelpBar, StartsWithTheWrappedEngineHelpAndItsOwnHelpThenTheShortcutsHeading) {
    // 400 px wide at font size 2: 370 px from the labels to the end of the value boxes.
    const std::string words =
        "Every bar lists its help here and each shortcut key beside the row it acts on, "
        "so that nobody has to remember them.";
    ASSERT_EQ(TwSetParam(nullptr, nullptr, "help", TW_PARAM_CSTRING, 1, words.c_str()), 1);
    ASSERT_EQ(TwDefine(" TW_HELP help='Bar help.' "), 1);
    const std::vector<std::string> rows = rowsAt(100);
    ASSERT_GE(rows.size(), 5u);
    EXPECT_EQ(rows[0], "0|Every bar lists its help here and each shortcut key beside the");
    EXPECT_EQ(rows[1], "0|row it acts on, so that nobody has to remember them.");
    EXPECT_EQ(rows[2], "0|Bar help.");
    EXPECT_EQ(rows[3], "0||SHORTCUTS");
    EXPECT_EQ(rows.back(), "0|[+] RotoSlider");

    // A narrower bar wraps the text again, at the next rebuild.
    ASSERT_EQ(TwDefine(" TW_HELP size='300 1000' "), 1);
    EXPECT_EQ(rowsAt(101).at(0),
              "0|Every bar lists its help here and each shortcut key beside the");
    EXPECT_EQ(rowsAt(102).at(0), "0|Every bar lists its help here and each");
}

struct Point {
    float x, y;
};
struct Span {
    int from, to;
};

TEST_F(HelpBar, NamedStructTypesWithHelpAreListedInAClosedGroupAndStructRowsOnlyForTheirHelp) {
    const TwStructMember pointMembers[] = {
        {"x", TW_TYPE_FLOAT, offsetof(Point, x), " help='Rightwards.' "},
        {"y", TW_TYPE_FLOAT, offsetof(Point, y), ""},
    };
    const TwType pointType =
        TwDefineStruct("Point", pointMembers, 2, sizeof(Point), nullptr, nullptr);
    const TwStructMember spanMembers[] = {
        {"from", TW_TYPE_INT32, offsetof(Span, from), ""},
        {"to", TW_TYPE_INT32, offsetof(Span, to), ""},
    };
    const TwType spanType = TwDefineStruct("Span", spanMembers, 2, sizeof(Span), nullptr, nullptr);
    const TwType unnamedType =
        TwDefineStruct(nullptr, spanMembers, 2, sizeof(Span), nullptr, nullptr);
    ASSERT_NE(pointType, TW_TYPE_UNDEF);
    ASSERT_NE(spanType, TW_TYPE_UNDEF);
    ASSERT_NE(unnamedType, TW_TYPE_UNDEF);
    static Point where{};
    static Span range{}, other{};
    TwBar* bar = TwNewBar("shapes");
    ASSERT_EQ(TwAddVarRW(bar, "where", pointType, &where, ""), 1);
    ASSERT_EQ(TwAddVarRW(bar, "range", spanType, &range, " help='Which part.' "), 1);
    ASSERT_EQ(TwAddVarRW(bar, "other", unnamedType, &other, ""), 1);
    // Set on a member's row, help and label stand for the member of the type.
    ASSERT_EQ(TwDefine(" shapes/where.y help='Down.'\r\nshapes/where.x label=Across "), 1);
    std::vector<std::string> rows = rowsAt(100);
    // Only the struct row with help is listed among the bar's rows.
    EXPECT_EQ(barRowsAt(100),
              (std::vector<std::string>{"0|[-] shapes", "1|range", "2|Which part."}));
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[rows.size() - 2], "0|[+] Structures");

    // Opened, it lists both named types, with the helps of their variables and of their members.
    toggle("Structures");
    rows = rowsAt(100);
    const auto structures = std::find(rows.begin(), rows.end(), "0|[-] Structures");
    ASSERT_NE(structures, rows.end());
    EXPECT_EQ(std::vector<std::string>(structures + 1, rows.end() - 1),
              (std::vector<std::string>{"1|{Point}", "2|Across", "3|Rightwards.", "2|y", "3|Down.",
                                        "1|{Span}", "2|Which part."}));

    // With one type left to list the heading is singular.
    ASSERT_EQ(TwRemoveVar(bar, "range"), 1);
    rows = rowsAt(102);
    EXPECT_EQ(rows[rows.size() - 2], "0|[+] Structure");
}

TEST_F(HelpBar, IsMadeAgainAtMostEveryTwoSecondsAndKeepsWhatTheUserOpenedOrClosed) {
    TwNewBar("one");
    TwNewBar("two");
    EXPECT_EQ(barRowsAt(100), (std::vector<std::string>{"0|[-] one", "0|[-] two"}));
    ASSERT_EQ(TwDefine(" one help='First.' "), 1);
    EXPECT_EQ(barRowsAt(101.9), (std::vector<std::string>{"0|[-] one", "0|[-] two"}));
    EXPECT_EQ(barRowsAt(102), (std::vector<std::string>{"0|[-] one", "1|First.", "0|[-] two"}));

    // The user closes a group; the rows made after a change keep it closed.
    toggle("one");
    ASSERT_EQ(TwDefine(" two help='Second.' "), 1);
    EXPECT_EQ(barRowsAt(103), (std::vector<std::string>{"0|[+] one", "0|[-] two"}));
    EXPECT_EQ(barRowsAt(104), (std::vector<std::string>{"0|[+] one", "0|[-] two", "1|Second."}));

    // Closed, the help bar makes nothing; reopened after the interval it is made at once.
    ASSERT_EQ(TwDefine(" TW_HELP iconified=true "), 1);
    ASSERT_EQ(TwDefine(" two help='Third.' "), 1);
    rowsAt(105);
    ASSERT_EQ(TwDefine(" TW_HELP iconified=false "), 1);
    EXPECT_EQ(barRowsAt(106), (std::vector<std::string>{"0|[+] one", "0|[-] two", "1|Third."}));
}

TEST_F(HelpBar, BottomLineShowsTheLastKeyPressedForOneSecondThenTheVersion) {
    EXPECT_EQ(bottomLine(), "atb  1.16");
    now = 100;
    TwKeyPressed('z', TW_KMOD_CTRL | TW_KMOD_SHIFT);
    EXPECT_EQ(bottomLine(), "Key pressed: CTRL+Z");
    now = 100.5;
    TwKeyPressed(TW_KEY_F3, TW_KMOD_ALT);
    EXPECT_EQ(bottomLine(), "Key pressed: ALT+F3");
    // A key test is no press.
    TwKeyTest('q', 0);
    rowsAt(101.49);
    EXPECT_EQ(bottomLine(), "Key pressed: ALT+F3");
    rowsAt(101.5);
    EXPECT_EQ(bottomLine(), "atb  1.16");

    // The line lies below the rows, across the bar.
    const tw::BarLayout& layout = help->layout;
    EXPECT_EQ(layout.bottomLine.y, layout.content.bottom());
    EXPECT_EQ(layout.bottomLine.h, 15);
    for (const tw::Row& row : layout.rows)
        EXPECT_LE(row.rect.bottom(), layout.bottomLine.y);
}

TEST_F(HelpBar, WhileOpenASteadyFrameCostsNothingAndAKeyRepaintsItAlone) {
    TwNewBar("bar");
    ASSERT_EQ(TwDefine(" bar help='Some help.' "), 1);
    const auto frameAt = [](double time) {
        now = time;
        return drawnFrame();
    };
    frameAt(100);
    frameAt(101);
    // Past the rebuild interval with nothing changed.
    const long before = kztest::allocationCount();
    const TwFrameStats steady = frameAt(103);
    EXPECT_EQ(kztest::allocationCount() - before, 0);
    EXPECT_EQ(steady.rebuilt, 0u);
    EXPECT_EQ(steady.bytesUploaded, 0u);

    // The key message comes and goes as a repaint of the help bar alone.
    TwKeyPressed('k', 0);
    const TwFrameStats shown = frameAt(103.5);
    EXPECT_EQ(shown.segmentsPainted, 1u);
    EXPECT_GT(shown.bytesUploaded, 0u);
    EXPECT_EQ(frameAt(103.9).bytesUploaded, 0u);
    EXPECT_EQ(frameAt(104.5).segmentsPainted, 1u);
    EXPECT_EQ(bottomLine(), "atb  1.16");
}

TEST_F(HelpBar, IsGreyWithLightTextAndAValuesColumnWiderThanOtherBars) {
    EXPECT_EQ(ints(help, nullptr, "color"), (std::vector<int>{95, 95, 95}));
    EXPECT_EQ(intParam(help, nullptr, "alpha"), 160);
    EXPECT_EQ(text(help, nullptr, "text"), "light");
    // 12 x (font height / 2): 84 at font size 2, 60 and 96 at 1 and 3; other bars take 10.
    EXPECT_EQ(intParam(help, nullptr, "valueswidth"), 84);
    ASSERT_EQ(TwDefine(" GLOBAL fontsize=1 "), 1);
    EXPECT_EQ(intParam(help, nullptr, "valueswidth"), 60);
    ASSERT_EQ(TwDefine(" GLOBAL fontsize=3 "), 1);
    EXPECT_EQ(intParam(help, nullptr, "valueswidth"), 96);
    EXPECT_EQ(intParam(TwNewBar("bar"), nullptr, "valueswidth"), 80);
}

TEST(WordWrap, BreaksBetweenWordsKeepsLineBreaksAndCutsWordsWiderThanALine) {
    tw::FontFace face;
    for (auto& glyph : face.glyphs)
        glyph.advance = 10;
    using Lines = std::vector<std::string>;
    EXPECT_EQ(tw::wrapText(face, "", 50), Lines{});
    EXPECT_EQ(tw::wrapText(face, "ab cd ef", 50), (Lines{"ab cd", "ef"}));
    EXPECT_EQ(tw::wrapText(face, "ab   cd", 50), (Lines{"ab cd"}));
    EXPECT_EQ(tw::wrapText(face, "one\n\ntwo\r\n", 50), (Lines{"one", "", "two"}));
    EXPECT_EQ(tw::wrapText(face, "a abcdefghijkl b", 50), (Lines{"a", "abcde", "fghij", "kl b"}));
    EXPECT_EQ(tw::wrapText(face, "abc", 5), (Lines{"a", "b", "c"}));
}

}  // namespace
