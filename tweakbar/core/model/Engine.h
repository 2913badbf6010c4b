// The process-wide state behind the C API: the context between TwInit and TwTerminate, the
// enum and struct types, the functions that copy text into callers' strings, the last error,
// and the one recursive lock that every entry point takes.
//
// Callbacks run with the lock held and may call the API again, even to delete the bar or the
// control that is calling. So nothing is destroyed while an entry point is running: removed
// bars, controls and contexts are marked and parked here, and freed when the outermost entry
// point returns. Code that ran a callback checks the marks before it goes on.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "Bar.h"
#include "Context.h"
#include "VarType.h"

namespace tw {

struct Engine {
    std::unique_ptr<Context> context;
    EnumRegistry enums;
    double fontScaling = 1;  // GLOBAL fontscaling, set before TwInit
    StructRegistry structs;  // emptied by TwInit, so each context numbers its own from the first

    // Registered by callers, possibly before TwInit, and kept across TwTerminate.
    TwCopyCDStringToClient copyCDStringToClient = nullptr;
    TwCopyStdStringToClient copyStdStringToClient = nullptr;
    // Copies that TwCopyCDStringToLibrary handed out; a get callback's copy is released once
    // its text has been read.
    std::vector<std::unique_ptr<std::string>> libraryStrings;

    unsigned unnamedControls = 0;  // numbers the TW_UNNAMED_hhhh names

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

// Records a failure for TwGetLastError; returns 0 so that entry points can `return fail(...)`.
int fail(const char* message);
int fail(const std::string& message);

// The running context, or null after recording "Not initialized".
Context* requireContext();

// After a callback: whether the context, the bar and the control (if any) are still in place.
bool stillThere(const Context& context, const Bar& bar, const Control* control = nullptr);

// Parks objects until the outermost entry point returns.
void retire(std::unique_ptr<Control> control);
void retire(std::unique_ptr<Bar> bar);
void retire(std::unique_ptr<Context> context);

}  // namespace tw
