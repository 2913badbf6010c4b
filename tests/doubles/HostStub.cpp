#include "HostStub.h"

#include "HostImports.h"

namespace hoststub {

namespace {

struct State {
    std::vector<std::string> lines;
    std::vector<HostModuleHandle> modules;
    HostBase base{nullptr, nullptr};
    Observer observer = nullptr;
};

State& state() {
    static State s;
    return s;
}

void observe(const std::string& call, const std::string& detail) {
    if (state().observer) state().observer(call, detail);
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

void setObserver(Observer observer) {
    state().observer = observer;
}

}  // namespace hoststub

extern "C" {

HostBase* KZGetBase() {
    hoststub::observe("KZGetBase", "");
    return &hoststub::state().base;
}

void AddLog(const char* text) {
    const std::string line = text ? text : "<null>";
    hoststub::observe("AddLog", line);
    hoststub::state().lines.push_back(line);
}

}  // extern "C"
