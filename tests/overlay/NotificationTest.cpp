// OnConsoleInit in the host's modules: real DLLs, called in the host's order, once, on the first
// frame, after the engine is up and the settings bar is built.
#include "OverlayTestSupport.h"

using kztest::OverlayTest;
using Args = std::vector<std::string>;

extern "C" __declspec(dllexport) void kztestNotified(const char* module) {
    twdouble::recordEvent("notified", module);
}

namespace {

std::vector<std::string> notifiedModules() {
    std::vector<std::string> modules;
    for (const twdouble::Call& call : twdouble::calls())
        if (call.function == "notified") modules.push_back(call.args.at(0));
    return modules;
}

HMODULE load(const char* name) {
    HMODULE module = LoadLibraryA(name);
    if (!module) throw std::runtime_error(std::string("cannot load ") + name);
    return module;
}

TEST_F(OverlayTest, ModulesThatExportTheNotificationAreCalledInTheHostsOrderOnce) {
    hoststub::setModules({load("notified_first.dll"), load("not_notified.dll"),
                          GetModuleHandleA(nullptr), load("notified_third.dll")});
    present();
    // The first frame ends with them, after the engine has started and the settings bar is built.
    const Args names = twdouble::callNames();
    ASSERT_GE(names.size(), 4u);
    EXPECT_EQ(Args(names.end() - 4, names.end()),
              (Args{"TwAddButton", "KZGetBase", "notified", "notified"}));
    present();
    keyUp(VK_F1);
    present();
    EXPECT_EQ(notifiedModules(), (Args{"first", "third"}));
}

TEST_F(OverlayTest, AnEmptyModuleListOrANullHandleCallsNothing) {
    hoststub::setModules({nullptr});
    present();
    EXPECT_TRUE(notifiedModules().empty());
    EXPECT_EQ(twdouble::count("KZGetBase"), 1);
}

}  // namespace
