#include "HostStub.h"

#include "HostImports.h"
#include "RecordingTweakBar.h"

namespace hoststub {

namespace {

struct State {
    std::vector<std::string> lines;
    std::vector<HostModuleHandle> modules;
    HostBase base{nullptr, nullptr};
};

State& state() {
    static State s;
    return s;
}

}  // namespace

const std::vector<std::string>& logLines() {
    return state().lines;
}

void setModules(std::vector<HostModuleHandle> modules) {
    state().modules = std::move(modules);
    state().base.modulesBegin = state().modules.data();
    state().base.modulesEnd = state().modules.data() + state().modules.size();
}

}  // namespace hoststub

extern "C" {

HostBase* KZGetBase() {
    twdouble::recordEvent("KZGetBase");
    return &hoststub::state().base;
}

void AddLog(const char* text) {
    twdouble::recordEvent("AddLog", text ? text : "<null>");
    hoststub::state().lines.push_back(text ? text : "<null>");
}

}  // extern "C"
