// The registration exports against the recording double: which engine calls each export makes,
// in which order, with which define strings.
#include <gtest/gtest.h>

#include "ConsoleApi.h"
#include "RecordingTweakBar.h"

using twdouble::Call;
using Args = std::vector<std::string>;

namespace {

void TW_CALL pressed(void*) {}
void TW_CALL setValue(const void*, void*) {}
void TW_CALL getValue(void*, void*) {}

class Registration : public ::testing::Test {
  protected:
    void SetUp() override {
        TwInit(TW_DIRECT3D11, nullptr);
        TwNewBar("tweaks");
        twdouble::clearCalls();
    }
    // The calls after the bar lookups that every add export makes.
    static const Call& last() { return twdouble::calls().back(); }
};

TEST_F(Registration, AddBarCreatesThenLabelsThenSetsRefreshWhateverTheLabelOrName) {
    ConsoleAddBar("settings", "GUI Settings");
    EXPECT_EQ(twdouble::callNames(), (Args{"TwNewBar", "TwDefine", "TwDefine"}));
    EXPECT_EQ(twdouble::calls()[0].args, Args{"settings"});
    EXPECT_EQ(twdouble::calls()[1].args, Args{" settings label='GUI Settings' "});
    EXPECT_EQ(twdouble::calls()[2].args, Args{" settings refresh=0.2 "});
    // An empty label and a name that exists already are defined all the same.
    twdouble::clearCalls();
    ConsoleAddBar("tweaks", "");
    EXPECT_EQ(twdouble::callNames(), (Args{"TwNewBar", "TwDefine", "TwDefine"}));
    EXPECT_EQ(twdouble::calls()[1].args, Args{" tweaks label='' "});
    // A null name and label count as empty.
    ConsoleAddBar(nullptr, nullptr);
    EXPECT_EQ(twdouble::calls()[twdouble::calls().size() - 2].args, Args{"  label='' "});
}

// The label alone, or the label and the group unquoted after it; a separator is anonymous and
// quotes its group; null labels and groups count as empty.
TEST_F(Registration, ControlDefinesCarryTheLabelAndTheGroup) {
    ConsoleAddVarCB("tweaks", "settings.opacity", TW_TYPE_UINT8, setValue, getValue, nullptr,
                    "Opacity", "");
    EXPECT_EQ(twdouble::callNames(), (Args{"TwGetBarByName", "TwAddVarCB"}));
    EXPECT_EQ(last().args, (Args{"tweaks", "settings.opacity", "7", "<ptr>", "<ptr>", "<null>",
                                 " label='Opacity' "}));
    int value = 0;
    ConsoleAddVarRW("tweaks", "speed", TW_TYPE_INT32, &value, "Speed", "Motion");
    EXPECT_EQ(last().function, "TwAddVarRW");
    EXPECT_EQ(last().args.back(), " label='Speed' group=Motion ");
    ConsoleAddButton("tweaks", "go", pressed, &value, "", "");
    EXPECT_EQ(last().function, "TwAddButton");
    EXPECT_EQ(last().args, (Args{"tweaks", "go", "<ptr>", "<ptr>", " label='' "}));
    ConsoleAddVarRW("tweaks", "a", TW_TYPE_INT32, &value, nullptr, nullptr);
    EXPECT_EQ(last().args.back(), " label='' ");
    ConsoleAddButton("tweaks", "b", pressed, nullptr, nullptr, "G");
    EXPECT_EQ(last().args.back(), " label='' group=G ");

    for (const char* group : {static_cast<const char*>(nullptr), ""}) {
        ConsoleAddSeperator("tweaks", group);
        EXPECT_EQ(last().args, (Args{"tweaks", "", ""}));
    }
    ConsoleAddSeperator("tweaks", "Motion blur");
    EXPECT_EQ(last().args, (Args{"tweaks", "", " group='Motion blur' "}));
}

TEST_F(Registration, AnUnknownBarReachesTheEngineAsANullBar) {
    int value = 0;
    ConsoleAddVarRW("missing", "speed", TW_TYPE_INT32, &value, "Speed", "");
    ConsoleAddButton("missing", "go", pressed, nullptr, "Go", "");
    ConsoleAddSeperator("missing", nullptr);
    ConsoleAddVarCB("missing", "v", TW_TYPE_FLOAT, setValue, getValue, nullptr, "V", "");
    for (const Call& call : twdouble::calls()) {
        if (call.function == "TwGetBarByName") continue;
        EXPECT_EQ(call.args.front(), "<null bar>") << call.function;
    }
    EXPECT_EQ(twdouble::count("TwGetBarByName"), 4);
}

}  // namespace
