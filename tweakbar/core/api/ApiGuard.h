// How every entry point runs: under the engine lock, with no exception escaping to a C caller,
// its name kept for the error handler (TwGetFailingCall).
#pragma once

#include <exception>
#include <utility>

#include "model/Engine.h"

namespace tw {

// `call` defaults to the name of the function that calls guarded, the entry point itself.
template <typename Result, typename Body>
Result guarded(Result failure, Body&& body, const char* call = __builtin_FUNCTION()) {
    EngineLock lock;
    Engine& state = engine();
    const char* const outerCall = std::exchange(state.runningCall, call);
    Result result = failure;
    try {
        result = body();
    } catch (const std::exception& e) {
        fail(e.what());
    }
    state.runningCall = outerCall;
    return result;
}

}  // namespace tw
