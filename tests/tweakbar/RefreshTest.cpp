// When values are read from the caller: every refresh period while the bar is shown, at once
// after a change through the bar, on TwRefreshBar, and never while the bar is not shown.
#include "EngineFixture.h"
#include "model/Bar.h"

namespace {

struct Source {
    int value = 0;
    int reads = 0;
    int writes = 0;
};

void TW_CALL getValue(void* value, void* data) {
    auto* source = static_cast<Source*>(data);
    ++source->reads;
    *static_cast<int*>(value) = source->value;
}

void TW_CALL setValue(const void* value, void* data) {
    auto* source = static_cast<Source*>(data);
    ++source->writes;
    source->value = *static_cast<const int*>(value);
}

class Refresh : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        useFakeClock(1000);
        ASSERT_EQ(TwWindowSize(800, 600), 1);
        bar = TwNewBar("bar");
        ASSERT_EQ(TwAddVarCB(bar, "v", TW_TYPE_INT32, setValue, getValue, &source, nullptr), 1);
    }
    int readsAfterDrawAt(double time) {
        now = time;
        EXPECT_EQ(TwDraw(), 1);
        return source.reads;
    }
    TwBar* bar = nullptr;
    Source source;
};

TEST_F(Refresh, ValuesAreReadEveryPeriodAndNewOnesAtTheNextDraw) {
    EXPECT_EQ(source.reads, 0);  // adding reads nothing yet
    EXPECT_EQ(readsAfterDrawAt(1000), 1);
    EXPECT_EQ(readsAfterDrawAt(1001.9), 1);
    EXPECT_EQ(readsAfterDrawAt(1002.0), 2);
    EXPECT_EQ(readsAfterDrawAt(1003.0), 2);
    EXPECT_EQ(readsAfterDrawAt(1004.5), 3);
    // The module's period of 0.2 s.
    ASSERT_EQ(TwDefine(" bar refresh=0.2 "), 1);
    EXPECT_EQ(readsAfterDrawAt(1004.6), 3);
    EXPECT_EQ(readsAfterDrawAt(1004.7), 4);
    EXPECT_EQ(readsAfterDrawAt(1004.95), 5);

    Source other;
    ASSERT_EQ(TwAddVarCB(bar, "w", TW_TYPE_INT32, setValue, getValue, &other, nullptr), 1);
    EXPECT_EQ(readsAfterDrawAt(1005.0), 5) << "the others wait for their period";
    EXPECT_EQ(other.reads, 1);
    ASSERT_EQ(TwRefreshBar(bar), 1);
    EXPECT_EQ(source.reads, 6) << "TwRefreshBar reads inside the call";
    // A null bar stands for all of them.
    Source elsewhere;
    TwBar* second = TwNewBar("second");
    ASSERT_EQ(TwAddVarCB(second, "v", TW_TYPE_INT32, setValue, getValue, &elsewhere, nullptr), 1);
    ASSERT_EQ(TwRefreshBar(nullptr), 1);
    EXPECT_EQ(source.reads, 7);
    EXPECT_EQ(elsewhere.reads, 1);
}

TEST_F(Refresh, NothingIsReadWhileTheBarIsHiddenOrIconifiedAndAllAtOnceWhenItReturns) {
    EXPECT_EQ(readsAfterDrawAt(1000), 1);
    ASSERT_EQ(TwDefine(" bar iconified=true "), 1);
    EXPECT_EQ(readsAfterDrawAt(1010), 1);
    ASSERT_EQ(TwDefine(" bar iconified=false visible=false "), 1);
    EXPECT_EQ(readsAfterDrawAt(1020), 1);
    ASSERT_EQ(TwDefine(" bar visible=true "), 1);
    EXPECT_EQ(readsAfterDrawAt(1020.1), 2);
    EXPECT_EQ(readsAfterDrawAt(1020.2), 2);
    // A control that is hidden is not read either.
    ASSERT_EQ(TwDefine(" bar/v visible=false "), 1);
    EXPECT_EQ(readsAfterDrawAt(1030), 2);
}

TEST_F(Refresh, AChangeThroughTheBarIsReadBackAtTheNextDraw) {
    EXPECT_EQ(readsAfterDrawAt(1000), 1);
    EXPECT_TRUE(click(bar->layout.valueX + 5, bar->layout.rows.at(0).rect.y + 3));
    type("7");
    TwKeyPressed(TW_KEY_RETURN, 0);
    EXPECT_EQ(source.writes, 1);
    EXPECT_EQ(source.value, 7);
    // The click and the field read the value as they acted; the draw after them reads it once.
    const int readsByTheEdit = source.reads;
    EXPECT_EQ(readsAfterDrawAt(1000.1), readsByTheEdit + 1);
    EXPECT_EQ(readsAfterDrawAt(1000.2), readsByTheEdit + 1);
}

void TW_CALL getAndDraw(void* value, void* data) {
    getValue(value, data);
    EXPECT_EQ(TwDraw(), 1);
}

TEST_F(Refresh, AGetCallbackThatDrawsIsReadOnce) {
    Source drawing;
    ASSERT_EQ(TwAddVarCB(bar, "d", TW_TYPE_INT32, nullptr, getAndDraw, &drawing, nullptr), 1);
    EXPECT_EQ(TwDraw(), 1);
    EXPECT_EQ(drawing.reads, 1);
    EXPECT_EQ(TwDraw(), 1);
    EXPECT_EQ(drawing.reads, 1);
}

// A value is written again only when its bytes change; what else decides its text (precision,
// hexa, the labels of a bool, the entries of an enum) must show at once, value unchanged.
TEST_F(Refresh, HowAValueIsWrittenChangesAtOnceThoughTheValueDoesNot) {
    float number = 1.5f;
    int code = 255;
    bool flag = true;
    int level = 1;
    ASSERT_EQ(TwAddVarRW(bar, "number", TW_TYPE_FLOAT, &number, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(bar, "code", TW_TYPE_INT32, &code, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(bar, "flag", TW_TYPE_BOOLCPP, &flag, nullptr), 1);
    const TwEnumVal highLow[] = {{0, "Low"}, {1, "High"}};
    const TwType levels = TwDefineEnum("Levels", highLow, 2);
    ASSERT_NE(levels, TW_TYPE_UNDEF);
    ASSERT_EQ(TwAddVarRW(bar, "level", levels, &level, nullptr), 1);
    readsAfterDrawAt(1000);
    auto shown = [&](const char* name) { return bar->find(name)->valueText; };
    EXPECT_EQ(shown("number"), "1.5");
    EXPECT_EQ(shown("code"), "255");
    EXPECT_EQ(shown("level"), "High");

    ASSERT_EQ(TwDefine(" bar/number precision=4\r\nbar/code hexa=true\r\nbar/flag true=On "), 1);
    EXPECT_EQ(TwDefineEnumFromString("Levels", " Low, Top "), levels) << "the same type";
    readsAfterDrawAt(1000.5);  // no read due: the refresh period is 2 s
    EXPECT_EQ(shown("number"), "1.5000");
    EXPECT_EQ(shown("code"), "0x000000FF");
    EXPECT_EQ(shown("flag"), "On");
    EXPECT_EQ(shown("level"), "Top");
    readsAfterDrawAt(1002.5);  // read again, bytes unchanged
    EXPECT_EQ(shown("number"), "1.5000");
    EXPECT_EQ(shown("level"), "Top");
}

}  // namespace
