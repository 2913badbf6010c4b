// Define strings: the syntax callers write, and how malformed text fails.
#include "EngineFixture.h"

namespace {

class Defines : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        bar = TwNewBar("settings");
        other = TwNewBar("my bar");
        ASSERT_EQ(TwAddVarRW(bar, "settings.opacity", TW_TYPE_UINT8, &opacity, nullptr), 1);
    }
    TwBar* bar = nullptr;
    TwBar* other = nullptr;
    unsigned char opacity = 0;
};

TEST_F(Defines, WellFormedTextTakesEffect) {
    // The module's own strings.
    ASSERT_EQ(TwDefine(" settings label='GUI Settings' "), 1);
    ASSERT_EQ(TwDefine(" settings refresh=0.2 "), 1);
    ASSERT_EQ(TwDefine(" GLOBAL fontsize=3 "), 1);
    ASSERT_EQ(TwDefine(" GLOBAL contained=true "), 1);
    EXPECT_EQ(text(bar, nullptr, "label"), "GUI Settings");
    EXPECT_DOUBLE_EQ(doubleParam(bar, nullptr, "refresh"), 0.2);
    EXPECT_EQ(intParam(bar, nullptr, "fontsize"), 3);
    EXPECT_EQ(intParam(bar, nullptr, "contained"), 1);

    // Several targets on new lines and on one line, three kinds of quotes, any case.
    ASSERT_EQ(TwDefine("settings LABEL=\"Two words\" Alpha=10\n"
                       "  'my bar' label=`back ticks` iconified=1\n"
                       "settings/settings.opacity label='Op' help=\"it's fine\" visible=FALSE "
                       "'my bar' color='1 2 3'"),
              1);
    EXPECT_EQ(text(bar, nullptr, "label"), "Two words");
    EXPECT_EQ(intParam(bar, nullptr, "alpha"), 10);
    EXPECT_EQ(text(other, nullptr, "label"), "back ticks");
    EXPECT_EQ(intParam(other, nullptr, "iconified"), 1);
    EXPECT_EQ(ints(other, nullptr, "color"), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(text(bar, "settings.opacity", "label"), "Op");
    EXPECT_EQ(text(bar, "settings.opacity", "help"), "it's fine");
    EXPECT_EQ(intParam(bar, "settings.opacity", "visible"), 0);
    int v = 0;
    ASSERT_EQ(TwAddVarRW(other, "a var", TW_TYPE_INT32, &v, nullptr), 1);
    ASSERT_EQ(TwDefine(" 'my bar'/'a var' label=ok "), 1);
    EXPECT_EQ(text(other, "a var", "label"), "ok");

    for (const char* on : {"true", "TRUE", "1"}) {
        ASSERT_EQ(TwDefine((std::string(" settings movable=0 movable=") + on).c_str()), 1) << on;
        EXPECT_EQ(intParam(bar, nullptr, "movable"), 1) << on;
    }
    ASSERT_EQ(TwDefine(" settings movable=FaLsE "), 1);
    EXPECT_EQ(intParam(bar, nullptr, "movable"), 0);

    EXPECT_EQ(TwDefine(""), 1);
    EXPECT_EQ(TwDefine(" \t\r\n "), 1);
    EXPECT_EQ(TwDefine(nullptr), 0);

    // Control definitions: pairs only, quoted or not.
    ASSERT_EQ(TwAddVarRW(bar, "x", TW_TYPE_INT32, &v, " label='X' group=G min=0 keyincr=+ "), 1);
    EXPECT_EQ(text(bar, "x", "group"), "G");
    EXPECT_EQ(text(bar, "x", "keyincr"), "+");
    ASSERT_EQ(TwAddButton(bar, "b", nullptr, nullptr, " label='' group='G' "), 1);
    EXPECT_EQ(text(bar, "b", "label"), "");
    EXPECT_EQ(TwAddVarRW(bar, "y", TW_TYPE_INT32, &v, " label=y stray "), 0);
    EXPECT_EQ(lastError(), "Syntax error: expected param=value");
}

TEST_F(Defines, MalformedEntriesFailWithTheirMessageAndEarlierEntriesStay) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {" nobar label=x ", "Bar not found"},
        {" settings colour='1 2 3' ", "Unknown attribute"},
        {" settings/nothing label=x ", "Variable not found"},
        {" GLOBAL/x label=x ", "Variable not found"},
        {" settings label= ", "Value required"},
        {" settings label=", "Value required"},
        {" GLOBAL fontsize=7 ", "Bad value"},
        {" GLOBAL fontsize=0 ", "Bad value"},
        {" settings visible=maybe ", "Bad value"},
        {" settings alpha=300 ", "Bad value"},
        {" settings alpha=-1 ", "Bad value"},
        {" settings size='10' ", "Bad value"},
        {" settings size='10 20 30' ", "Bad value"},
        {" settings position='-5 10' ", "Bad value"},
        {" settings text=grey ", "Bad value"},
        {" settings refresh=soon ", "Bad value"},
        {" GLOBAL iconpos=middle ", "Bad value"},
        {" GLOBAL iconalign=diagonal ", "Bad value"},
        {" GLOBAL fontstyle=bold ", "Bad value"},
        {" GLOBAL buttonalign=justify ", "Bad value"},
        {" GLOBAL iconmargin='1' ", "Bad value"},
        {" settings label='open ", "Syntax error: unterminated quote"},
        {" label=x ", "Syntax error: parameter without a bar"},
        {" =x ", "Syntax error: parameter without a bar"},
        {" settings/settings.opacity min=x ", "Bad value"},
        {" settings/settings.opacity key=f16 ", "Bad value"},
        {" settings/settings.opacity true=on ", "Attribute does not apply to this control"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TwDefine(c.text), 0) << c.text;
        EXPECT_EQ(lastError(), c.error) << c.text;
    }

    EXPECT_EQ(TwDefine(" settings alpha=11 label=first \n nobar alpha=12 \n settings alpha=13 "),
              0);
    EXPECT_EQ(intParam(bar, nullptr, "alpha"), 11);
    EXPECT_EQ(text(bar, nullptr, "label"), "first");
    EXPECT_EQ(TwDefine(" settings alpha=21 fontsize=9 alpha=22 "), 0);
    EXPECT_EQ(intParam(bar, nullptr, "alpha"), 21);
}

}  // namespace
