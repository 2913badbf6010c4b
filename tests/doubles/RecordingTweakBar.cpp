#include "RecordingTweakBar.h"

#include "TwFailingCall.h"

#include <cstdio>
#include <map>
#include <memory>

struct CTwBar {
    std::string name;
    std::map<std::string, std::vector<int>> params;
};

namespace twdouble {

namespace {

struct State {
    std::vector<Call> calls;
    std::vector<std::unique_ptr<CTwBar>> bars;
    bool initialized = false;
    int initResult = 1;
    int eventResult = 0;
    std::map<std::string, std::string> globalTexts;
};

State& state() {
    static State s;
    return s;
}

std::string text(const char* s) {
    return s ? std::string(s) : std::string("<null>");
}
std::string pointer(const void* p) {
    return p ? "<ptr>" : "<null>";
}
std::string bar(const TwBar* b) {
    return b ? b->name : std::string("<null bar>");
}
std::string number(long long n) {
    return std::to_string(n);
}

void record(const char* function, std::vector<std::string> args) {
    state().calls.push_back({function, std::move(args)});
}

CTwBar* find(const std::string& name) {
    for (auto& b : state().bars)
        if (b->name == name) return b.get();
    return nullptr;
}

}  // namespace

const std::vector<Call>& calls() {
    return state().calls;
}

std::vector<std::string> callNames() {
    std::vector<std::string> names;
    for (const Call& c : state().calls)
        names.push_back(c.function);
    return names;
}

int indexOf(const std::string& function) {
    const auto& all = state().calls;
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].function == function) return static_cast<int>(i);
    return -1;
}

int count(const std::string& function) {
    int n = 0;
    for (const Call& c : state().calls)
        n += c.function == function;
    return n;
}

void clearCalls() {
    state().calls.clear();
}

void recordEvent(const std::string& what, const std::string& detail) {
    state().calls.push_back({what, {detail}});
}

void setInitResult(int result) {
    state().initResult = result;
}
void setEventResult(int result) {
    state().eventResult = result;
}
void setGlobalText(const std::string& param, const std::string& text) {
    state().globalTexts[param] = text;
}

std::vector<int> barParam(const std::string& barName, const std::string& param) {
    const CTwBar* b = find(barName);
    if (!b) return {};
    const auto it = b->params.find(param);
    return it == b->params.end() ? std::vector<int>{} : it->second;
}

}  // namespace twdouble

using namespace twdouble;

extern "C" {

int TW_CALL TwInit(TwGraphAPI api, void* device) {
    record("TwInit", {number(api), pointer(device)});
    if (!state().initResult) return 0;
    state().initialized = true;
    state().bars.push_back(std::make_unique<CTwBar>(CTwBar{"TW_HELP", {}}));
    return 1;
}

int TW_CALL TwTerminate(void) {
    record("TwTerminate", {});
    state().bars.clear();
    state().initialized = false;
    return 1;
}

int TW_CALL TwWindowSize(int width, int height) {
    record("TwWindowSize", {number(width), number(height)});
    return 1;
}

int TW_CALL TwDraw(void) {
    record("TwDraw", {});
    return 1;
}

// The double reports no failures, so the module's error handler is never called.
void TW_CALL TwHandleErrors(TwErrorHandler) {}
const char* TW_CALL TwGetFailingCall(void) {
    return nullptr;
}
int TW_CALL TwIsErrorReason(void) {
    return 0;
}

int TW_CALL TwEventWin(void* wnd, unsigned int msg, unsigned long long wParam, long long lParam) {
    record("TwEventWin",
           {pointer(wnd), number(msg), number(static_cast<long long>(wParam)), number(lParam)});
    return state().eventResult;
}

TwBar* TW_CALL TwNewBar(const char* name) {
    record("TwNewBar", {text(name)});
    if (!state().initialized || !name || find(name)) return nullptr;
    state().bars.push_back(std::make_unique<CTwBar>(CTwBar{name, {}}));
    return state().bars.back().get();
}

int TW_CALL TwGetBarCount(void) {
    record("TwGetBarCount", {});
    return static_cast<int>(state().bars.size());
}

TwBar* TW_CALL TwGetBarByIndex(int index) {
    record("TwGetBarByIndex", {number(index)});
    if (index < 0 || static_cast<std::size_t>(index) >= state().bars.size()) return nullptr;
    return state().bars[static_cast<std::size_t>(index)].get();
}

TwBar* TW_CALL TwGetBarByName(const char* name) {
    record("TwGetBarByName", {text(name)});
    return name ? find(name) : nullptr;
}

const char* TW_CALL TwGetBarName(const TwBar* b) {
    record("TwGetBarName", {bar(b)});
    return b ? b->name.c_str() : nullptr;
}

int TW_CALL TwAddVarRW(TwBar* b, const char* name, TwType type, void* var, const char* def) {
    record("TwAddVarRW", {bar(b), text(name), number(type), pointer(var), text(def)});
    return b && name;
}

int TW_CALL TwAddVarCB(TwBar* b, const char* name, TwType type, TwSetVarCallback set,
                       TwGetVarCallback get, void* clientData, const char* def) {
    record("TwAddVarCB",
           {bar(b), text(name), number(type), pointer(reinterpret_cast<const void*>(set)),
            pointer(reinterpret_cast<const void*>(get)), pointer(clientData), text(def)});
    return b && name;
}

int TW_CALL TwAddButton(TwBar* b, const char* name, TwButtonCallback callback, void* clientData,
                        const char* def) {
    record("TwAddButton", {bar(b), text(name), pointer(reinterpret_cast<const void*>(callback)),
                           pointer(clientData), text(def)});
    return b && name;
}

int TW_CALL TwAddSeparator(TwBar* b, const char* name, const char* def) {
    record("TwAddSeparator", {bar(b), text(name), text(def)});
    return b != nullptr;
}

int TW_CALL TwDefine(const char* def) {
    record("TwDefine", {text(def)});
    return 1;
}

int TW_CALL TwGetParam(TwBar* b, const char* varName, const char* param, TwParamValueType type,
                       unsigned int maxCount, void* out) {
    record("TwGetParam", {bar(b), text(varName), text(param), number(type), number(maxCount)});
    if (!b && param && type == TW_PARAM_CSTRING && maxCount > 0) {
        const auto it = state().globalTexts.find(param);
        if (it == state().globalTexts.end()) return 0;
        std::snprintf(static_cast<char*>(out), maxCount, "%s", it->second.c_str());
        return 1;
    }
    if (!b || !param || type != TW_PARAM_INT32) return 0;
    const auto it = b->params.find(param);
    if (it == b->params.end()) return 0;
    unsigned int n = 0;
    for (; n < maxCount && n < it->second.size(); ++n)
        static_cast<int*>(out)[n] = it->second[n];
    return static_cast<int>(n);
}

int TW_CALL TwSetParam(TwBar* b, const char* varName, const char* param, TwParamValueType type,
                       unsigned int inCount, const void* in) {
    std::vector<std::string> args{bar(b), text(varName), text(param), number(type),
                                  number(inCount)};
    const int* values = static_cast<const int*>(in);
    if (type == TW_PARAM_INT32)
        for (unsigned int i = 0; i < inCount; ++i)
            args.push_back(number(values[i]));
    record("TwSetParam", std::move(args));
    if (!b || !param || type != TW_PARAM_INT32) return 0;
    b->params[param].assign(values, values + inCount);
    return 1;
}

}  // extern "C"
