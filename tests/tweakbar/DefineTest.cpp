// Define strings: the syntax callers write, how leniently values are read, and how malformed
// text fails.
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
    // Targets on lines ended by CR LF, three kinds of quotes, any case, blanks around '='.
    ASSERT_EQ(TwDefine("settings LABEL=\"Two words\" Alpha =10\r\n"
                       "  'my bar' label= `back ticks` iconified = 1\r\n"
                       "settings/settings.opacity label='Op' help=\"it's fine\" visible=FALSE\r\n"
                       "'my bar' color='1 2 3'"),
              1)
        << lastError();
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
    ASSERT_EQ(TwAddButton(bar, "b", nullptr, nullptr, " label='B' group='G' "), 1);
    EXPECT_EQ(text(bar, "b", "group"), "G");
    EXPECT_EQ(TwAddVarRW(bar, "y", TW_TYPE_INT32, &v, " label=y readonly "), 0);
    EXPECT_EQ(lastError(),
              "Parsing error in def string: '=' not found while reading attribute value "
              "[readonly        ...]");
    // bar\var addresses a variable as bar/var does, and a bar named GLOBAL comes first.
    ASSERT_EQ(TwDefine(" settings\\x label=Back "), 1);
    EXPECT_EQ(text(bar, "x", "label"), "Back");
    TwBar* named = TwNewBar("GLOBAL");
    ASSERT_EQ(TwDefine(" GLOBAL label=Mine "), 1);
    EXPECT_EQ(text(named, nullptr, "label"), "Mine");
    EXPECT_EQ(text(nullptr, nullptr, "help"), "");
}

// Every legacy word and alias, in one define, as plug-ins written for older versions send them.
TEST_F(Defines, LegacyWordsAndAliasesActLikeTheParametersTheyStandFor) {
    int i = 0, e = 0;
    unsigned int c = 0;
    float f = 0;
    const TwType mode = TwDefineEnumFromString("Mode", "A,B");
    ASSERT_EQ(TwAddVarRW(bar, "i", TW_TYPE_INT32, &i, " group=G "), 1);
    ASSERT_EQ(TwAddVarRW(bar, "f", TW_TYPE_FLOAT, &f, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(bar, "e", mode, &e, nullptr), 1);
    ASSERT_EQ(TwAddVarRW(bar, "c", TW_TYPE_COLOR32, &c, nullptr), 1);
    ASSERT_EQ(TwDefine(" settings hide iconify\r\n'my bar' iconify\r\n"
                       " settings/G close\r\nsettings/i readonly=true hexa=1 keyincr=x\r\n"
                       " settings/f hide readonly=1 readwrite\r\n"
                       " settings/e val='3 (Three), 4 [Four]'\r\n"
                       " settings/c hls alpha\r\n"
                       " GLOBAL iconpos=rb "),
              1)
        << lastError();
    EXPECT_EQ(intParam(bar, nullptr, "visible"), 0);
    EXPECT_EQ(intParam(bar, nullptr, "iconified"), 1);
    EXPECT_EQ(intParam(other, nullptr, "iconified"), 1);
    EXPECT_EQ(intParam(bar, "G", "opened"), 0);
    EXPECT_EQ(intParam(bar, "i", "readonly"), 1);
    EXPECT_EQ(intParam(bar, "i", "hexa"), 1);
    EXPECT_EQ(text(bar, "i", "key"), text(bar, "i", "keyincr"));
    EXPECT_NE(text(bar, "i", "key"), "");
    EXPECT_EQ(intParam(bar, "f", "visible"), 0);
    EXPECT_EQ(intParam(bar, "f", "readonly"), 0);
    EXPECT_EQ(text(bar, "e", "enum"), "3 {Three},4 {Four}");
    EXPECT_EQ(text(bar, "c", "colormode"), "hls");
    EXPECT_EQ(intParam(bar, "c", "coloralpha"), 1);
    EXPECT_EQ(text(nullptr, nullptr, "iconpos"), "bottomright");

    ASSERT_EQ(TwDefine(" settings show\r\nsettings/G open\r\nsettings/i decimal\r\n"
                       "settings/f show\r\nsettings/c rgb noalpha "),
              1);
    EXPECT_EQ(intParam(bar, nullptr, "visible"), 1);
    EXPECT_EQ(intParam(bar, "G", "opened"), 1);
    EXPECT_EQ(intParam(bar, "i", "hexa"), 0);
    EXPECT_EQ(intParam(bar, "f", "visible"), 1);
    EXPECT_EQ(text(bar, "c", "colormode"), "rgb");
    EXPECT_EQ(intParam(bar, "c", "coloralpha"), 0);
    // A legacy word given a value takes it as the next name.
    EXPECT_EQ(answer(TwDefine(" settings/f show=1 ")),
              "Parsing error in def string: Unknown attribute [1               ...]");
}

TEST_F(Defines, MalformedEntriesFailWithTheirMessageAndEarlierEntriesStay) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {" nobar label=x ", "Parsing error in def string: Bar not found [nobar           ...]"},
        {" settings colour='1 2 3' ",
         "Parsing error in def string: Unknown attribute [colour          ...]"},
        {" settings/nothing label=x ",
         "Parsing error in def string: Variable not found [settings/nothing...]"},
        {" GLOBAL/x label=x ",
         "Parsing error in def string: Variable not found [GLOBAL/x        ...]"},
        {" settings alpha=62 settings/settings.opacity step=2 ",
         "Parsing error in def string: Unknown attribute [settings/setting...]"},
        {" settings alpha=62\nsettings/settings.opacity step=2 ",
         "Parsing error in def string: Unknown attribute line 2 [settings/setting...]"},
        {" settings label= ", "Value required [label           ...]"},
        {" settings label=", "Value required [label           ...]"},
        {" GLOBAL fontsize=7 ", "Bad value [fontsize        ...]"},
        {" GLOBAL iconpos=middle ", "Bad value [iconpos         ...]"},
        {" GLOBAL colorscheme=2 ", "Bad value [colorscheme     ...]"},
        {" settings label='open ",
         "Parsing error in def string: can't read attribute value [label           ...]"},
        {" label=x ", "Parsing error in def string: Bar not found [label           ...]"},
        {" settings/settings.opacity readonly ",
         "Parsing error in def string: '=' not found while reading attribute value "
         "[readonly        ...]"},
        {" settings/settings.opacity key=f16 ",
         "Parsing error in def string: wrong attribute value [key             ...]"},
        {" settings/settings.opacity true=on ",
         "Parsing error in def string: wrong attribute value [true            ...]"},
        {" settings fontscaling=2 ",
         "Parsing error in def string: Unknown attribute [fontscaling     ...]"},
        {" GLOBAL overlap=1\r\nGLOBAL fontscaling=2 ",
         "Parsing error in def string: Unknown attribute line 2 [fontscaling     ...]"},
        {" a_bar_with_a_long_name x=1 ",
         "Parsing error in def string: Bar not found [a_bar_with_a_lon...]"},
        // The line is named only when the text has several.
        {"settings alpha=1\r\n settings fontsize=9 ", "Bad value line 2 [fontsize        ...]"},
        {"\n\nnobar x=1",
         "Parsing error in def string: Bar not found line 3 [nobar           ...]"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TwDefine(c.text), 0) << c.text;
        EXPECT_EQ(lastError(), c.error) << c.text;
    }

    EXPECT_EQ(
        TwDefine(" settings alpha=11 label=first \r\n nobar alpha=12 \r\n settings alpha=13 "), 0);
    EXPECT_EQ(intParam(bar, nullptr, "alpha"), 11);
    EXPECT_EQ(text(bar, nullptr, "label"), "first");
    EXPECT_EQ(TwDefine(" settings alpha=21 fontsize=9 alpha=22 "), 0);
    EXPECT_EQ(intParam(bar, nullptr, "alpha"), 21);
}

}  // namespace
