// Entry points that start and stop the engine, size its drawing area, and report errors.
#include "ApiGuard.h"
#include "Errors.h"
#include "Params.h"
#include "TwFrameStats.h"

using namespace tw;

int TW_CALL TwInit(TwGraphAPI graphAPI, void* device) {
    return guarded(0, [&] {
        Engine& state = engine();
        if (state.context) return fail(err::kAlreadyInitialized);
        std::string error;
        auto backend = createGraphBackend(graphAPI, device, state.fontScaling, error);
        if (!backend) return fail(error.empty() ? "The graphics backend failed to start" : error);
        state.context = std::make_unique<Context>(std::move(backend), state.fontScaling);
        // Struct types are numbered per context, from the first one, each time.
        state.structs.clear();
        return 1;
    });
}

int TW_CALL TwTerminate(void) {
    return guarded(0, [] {
        Context* context = requireContext();
        if (!context) return 0;
        // A callback that terminates the engine returns into code that still holds these;
        // the marks tell that code to stop.
        for (auto& bar : context->bars) {
            bar->removed = true;
            for (auto& control : bar->controls)
                control->removed = true;
        }
        retire(std::move(engine().context));
        engine().libraryStrings.clear();
        return 1;
    });
}

int TW_CALL TwWindowSize(int width, int height) {
    return guarded(0, [&] {
        Context* context = requireContext();
        if (!context) return 0;
        if (width < 0 || height < 0 || width > kMaxCoordinate || height > kMaxCoordinate) {
            return fail(err::kBadValue);
        }
        context->setWindowSize(width, height);
        return 1;
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
