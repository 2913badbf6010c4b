// How every entry point runs: under the engine lock, with no exception escaping to a C caller.
#pragma once

#include <exception>

#include "model/Engine.h"

namespace tw {

template <typename Result, typename Body>
Result guarded(Result failure, Body&& body) {
    EngineLock lock;
    try {
        return body();
    } catch (const std::exception& e) {
        fail(e.what());
        return failure;
    }
}

}  // namespace tw
