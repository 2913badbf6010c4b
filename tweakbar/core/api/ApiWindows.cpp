// Entry points for several windows: each window id has a context of its own (bars, help bar,
// enum types, drawing area, GLOBAL settings), made the first time the id is selected. The last
// error and its handler stay shared.
#include "api/ApiGuard.h"

using namespace tw;

int TW_CALL TwSetCurrentWindow(int windowID) {
    return guarded(0, [&] {
        if (!requireContext()) return 0;
        Engine& state = engine();
        auto found = state.windows.find(windowID);
        if (found == state.windows.end()) {
            auto context = createWindowContext();
            if (!context) return 0;
            found = state.windows.emplace(windowID, std::move(context)).first;
        }
        state.currentWindow = windowID;
        state.context = found->second.get();
        return 1;
    });
}

int TW_CALL TwGetCurrentWindow(void) {
    return guarded(0, [] { return requireContext() ? engine().currentWindow : 0; });
}

int TW_CALL TwWindowExists(int windowID) {
    return guarded(0, [&] { return engine().windows.count(windowID) ? 1 : 0; });
}
