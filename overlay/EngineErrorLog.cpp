#include "EngineErrorLog.h"

#include <atomic>
#include <string>

#include "HostImports.h"
#ifdef KZ_BUNDLED_ENGINE
#include "TwFailingCall.h"
#endif

namespace {

std::atomic<TwErrorHandler> gPluginHandler{nullptr};

// A call that fails on every frame would write sixty lines a second; a run of the same line is
// written once, and its length when a different failure ends the run.
std::string gLastLine;
unsigned long gRepeats = 0;

const char* failingCall() {
#ifdef KZ_BUNDLED_ENGINE
    if (const char* call = TwGetFailingCall()) return call;
#endif
    return "engine";
}

// The bundled engine hands a failure's inner reason over before its whole text, which
// contains it: the log writes the whole text alone.
bool isInnerReason() {
#ifdef KZ_BUNDLED_ENGINE
    return TwIsErrorReason() != 0;
#else
    return false;
#endif
}

// The engine calls its handler under its own lock, so one failure is handled at a time.
void TW_CALL logEngineError(const char* text) {
    TwErrorHandler plugin = gPluginHandler.load(std::memory_order_acquire);
    if (isInnerReason()) {
        if (plugin) plugin(text);
        return;
    }
    const std::string line = std::string("KZConsole: ") + failingCall() + ": " + text;
    if (line == gLastLine) {
        ++gRepeats;
    } else {
        if (gRepeats > 0)
            AddLog(
                ("KZConsole: the error above repeated " + std::to_string(gRepeats) + " more times")
                    .c_str());
        AddLog(line.c_str());
        gLastLine = line;
        gRepeats = 0;
    }
    if (plugin) plugin(text);
}

}  // namespace

void routeEngineErrorsToLog() {
    TwHandleErrors(logEngineError);
}

void TW_CALL ConsoleChainErrorHandler(TwErrorHandler pluginHandler) {
    gPluginHandler.store(pluginHandler, std::memory_order_release);
    routeEngineErrorsToLog();
}
