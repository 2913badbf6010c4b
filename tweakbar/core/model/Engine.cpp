#include "model/Engine.h"

#include "base/Errors.h"
#include "model/ErrorReport.h"

namespace tw {
namespace {

std::recursive_mutex& engineMutex() {
    static std::recursive_mutex mutex;
    return mutex;
}

Engine& engineState() {
    static Engine state;
    return state;
}

}  // namespace

Engine& engine() {
    return engineState();
}

EngineLock::EngineLock() {
    engineMutex().lock();
    ++engineState().depth;
}

EngineLock::~EngineLock() {
    Engine& state = engineState();
    if (--state.depth == 0) {
        state.retiredControls.clear();
        state.retiredBars.clear();
        state.retiredContexts.clear();
    }
    engineMutex().unlock();
}

int fail(const char* message) {
    Engine& state = engine();
    state.pendingError = message;
    state.errorPending = true;
    reportError(state.errorHandler, state.pendingError.c_str());
    return 0;
}

int fail(const std::string& message) {
    return fail(message.c_str());
}

int fail(const std::string& message, const char* reason) {
    if (reason && *reason) {
        Engine& state = engine();
        state.reportingReason = true;
        reportError(state.errorHandler, reason);
        state.reportingReason = false;
    }
    return fail(message.c_str());
}

Context* requireContext() {
    Context* context = engine().context;
    if (!context) fail(err::kNotInitialized);
    return context;
}

bool stillThere(const Context& context, const Bar& bar, const Control* control) {
    return engine().context == &context && !bar.removed && !(control && control->removed);
}

std::unique_ptr<Context> createWindowContext() {
    Engine& state = engine();
    std::string error;
    auto backend = createGraphBackend(state.graphApi, state.device, state.fontScaling, error);
    if (!backend) {
        fail(error.empty() ? "The graphics backend failed to start" : error);
        return nullptr;
    }
    auto context = std::make_unique<Context>(std::move(backend), state.fontScaling);
    if (state.sizeGiven) context->setWindowSize(state.lastWidth, state.lastHeight);
    return context;
}

void retire(std::unique_ptr<Control> control) {
    control->removed = true;
    engine().retiredControls.push_back(std::move(control));
}

void retire(std::unique_ptr<Bar> bar) {
    bar->removed = true;
    for (auto& control : bar->controls)
        control->removed = true;
    engine().retiredBars.push_back(std::move(bar));
}

void retire(std::unique_ptr<Context> context) {
    // A callback that ends the engine or a window returns into code that still holds these;
    // the marks tell that code to stop.
    for (auto& bar : context->bars) {
        bar->removed = true;
        for (auto& control : bar->controls)
            control->removed = true;
    }
    engine().retiredContexts.push_back(std::move(context));
}

bool canCopyToClient(ValueKind kind) {
    const Engine& state = engine();
    if (kind == ValueKind::DynamicString) return state.copyCDStringToClient != nullptr;
    if (kind == ValueKind::StdString) return state.copyStdStringToClient != nullptr;
    return false;
}

}  // namespace tw
