// The process-wide state behind the C API: one context per window between TwInit and
// TwTerminate, the functions that copy text into callers' strings, the last error and its
// handler, and the one recursive lock that every entry point takes.
//
// Callbacks run with the lock held and may call the API again, even to delete the bar or the
// control that is calling. So nothing is destroyed while an entry point is running: removed
// bars, controls and contexts are marked and parked here, and freed when the outermost entry
// point returns. Code that ran a callback checks the marks before it goes on.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "base/VarType.h"
#include "model/Bar.h"
#include "model/Context.h"

namespace tw {

struct Engine {
    // Every window's context by its id; the current one is what the API acts on.
    std::map<int, std::unique_ptr<Context>> windows;
    Context* context = nullptr;
    int currentWindow = 0;
    // What TwInit was given, for the contexts of windows that appear later.
    TwGraphAPI graphApi = TW_DIRECT3D11;
    void* device = nullptr;
    // The last TwWindowSize, even one made before TwInit: new contexts start with it.
    bool sizeGiven = false;
    int lastWidth = 0, lastHeight = 0;
    double fontScaling = 1;  // GLOBAL fontscaling, set before TwInit

    // Registered by callers, possibly before TwInit, and kept across TwTerminate.
    TwCopyCDStringToClient copyCDStringToClient = nullptr;
    TwCopyStdStringToClient copyStdStringToClient = nullptr;
    // Copies that TwCopyCDStringToLibrary handed out; a get callback's copy is released once
    // its text has been read.
    std::vector<std::unique_ptr<std::string>> libraryStrings;

    unsigned unnamedControls = 0;  // numbers the TW_UNNAMED_hhhh names

    TwErrorHandler errorHandler = nullptr;
    const char* runningCall = nullptr;  // the innermost entry point on the lock's owner thread
    bool reportingReason = false;       // the handler is being given a failure's inner reason

    std::string pendingError;
    bool errorPending = false;
    std::string reportedError;  // what TwGetLastError last returned; lives until the next read

    int depth = 0;  // entry points running on the lock's owner thread
    std::vector<std::unique_ptr<Control>> retiredControls;
    std::vector<std::unique_ptr<Bar>> retiredBars;
    std::vector<std::unique_ptr<Context>> retiredContexts;
};

// Only while an EngineLock is held.
Engine& engine();

// Taken by every entry point for its whole duration.
class EngineLock {
  public:
    EngineLock();
    ~EngineLock();
    EngineLock(const EngineLock&) = delete;
    EngineLock& operator=(const EngineLock&) = delete;
};

// Records a failure for TwGetLastError and hands it to the error handler (or to stderr and the
// debugger); returns 0 so that entry points can `return fail(...)`.
int fail(const char* message);
int fail(const std::string& message);
// A failure with an inner reason (a parameter's "Bad value" inside the text that names it): the
// handler hears the reason first, then the whole text, which is what TwGetLastError gives.
int fail(const std::string& message, const char* reason);

// The running context, or null after recording "Not initialized".
Context* requireContext();

// After a callback: whether the context, the bar and the control (if any) are still in place.
bool stillThere(const Context& context, const Bar& bar, const Control* control = nullptr);

// A fresh context for a window, sized by the last TwWindowSize; null after recording why the
// backend could not start.
std::unique_ptr<Context> createWindowContext();

// Parks objects until the outermost entry point returns.
void retire(std::unique_ptr<Control> control);
void retire(std::unique_ptr<Bar> bar);
void retire(std::unique_ptr<Context> context);

}  // namespace tw
