// Entry points that start and stop the engine, size its drawing area, and report errors.
#include "api/ApiGuard.h"
#include "base/Errors.h"
#include "input/InputEvents.h"
#include "model/ErrorReport.h"
#include "params/Params.h"
#include "TwFailingCall.h"
#include "TwFrameStats.h"

using namespace tw;

namespace {

bool isDirect3D(TwGraphAPI api) {
    return api == TW_DIRECT3D9 || api == TW_DIRECT3D10 || api == TW_DIRECT3D11;
}

// A start that failed has recorded why; its handler hears next that the engine is not
// running, as one written for the original library expects. TwGetLastError keeps the cause.
int notStarted() {
    reportError(engine().errorHandler, err::kNotInitialized);
    return 0;
}

}  // namespace

int TW_CALL TwInit(TwGraphAPI graphAPI, void* device) {
    return guarded(0, [&] {
        Engine& state = engine();
        if (state.context) return fail(err::kAlreadyInitialized);
        if (graphAPI < TW_OPENGL || graphAPI > TW_OPENGL_CORE) {
            fail(err::kUnsupportedGraphApi);
            return notStarted();
        }
        if (isDirect3D(graphAPI) && !device) {
            fail(err::kInvalidGraphDevice);
            return notStarted();
        }
        state.graphApi = graphAPI;
        state.device = device;
        auto context = createWindowContext();
        if (!context) return notStarted();
        state.currentWindow = 0;
        state.context = context.get();
        state.windows[0] = std::move(context);
        // What failed while the engine was not running is no error of the one now started.
        state.errorPending = false;
        return 1;
    });
}

int TW_CALL TwTerminate(void) {
    return guarded(0, [] {
        Engine& state = engine();
        // Ending an engine that is not running is no failure worth reporting.
        if (!state.context) return 0;
        for (auto& window : state.windows)
            retire(std::move(window.second));
        state.windows.clear();
        state.context = nullptr;
        state.device = nullptr;
        // The last window size stays: the next TwInit's bars take shortcuts and the mouse at
        // once, as the same window still shows them.
        state.libraryStrings.clear();
        return 1;
    });
}

int TW_CALL TwWindowSize(int width, int height) {
    return guarded(0, [&] {
        if (width < 0 || height < 0 || width > kMaxCoordinate || height > kMaxCoordinate) {
            return fail(err::kBadValue);
        }
        windowResized(width, height);
        return requireContext() ? 1 : 0;
    });
}

const char* TW_CALL TwGetLastError(void) {
    return guarded<const char*>(nullptr, []() -> const char* {
        Engine& state = engine();
        if (!state.errorPending) return nullptr;
        state.reportedError = state.pendingError;
        state.errorPending = false;
        return state.reportedError.c_str();
    });
}

void TW_CALL TwHandleErrors(TwErrorHandler errorHandler) {
    guarded(0, [&] {
        engine().errorHandler = errorHandler;
        return 0;
    });
}

const char* TW_CALL TwGetFailingCall(void) {
    // Not guarded: that would name this function.
    EngineLock lock;
    return engine().runningCall;
}

int TW_CALL TwIsErrorReason(void) {
    EngineLock lock;
    return engine().reportingReason ? 1 : 0;
}

int TW_CALL TwGetFrameStats(TwFrameStats* stats) {
    return guarded(0, [&] {
        Context* context = requireContext();
        if (!context) return 0;
        if (!stats || !context->drawn) return fail(err::kBadValue);
        *stats = context->backend->lastFrame();
        stats->segmentsPainted = context->segments.paintedLastFrame;
        return 1;
    });
}
