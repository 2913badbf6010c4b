// Where a recorded failure goes besides TwGetLastError: the caller's handler, or else a line
// on stderr and in the debugger output, so that a caller who never reads the error still sees it.
#pragma once

#include "AntTweakBar.h"

namespace tw {

void reportError(TwErrorHandler handler, const char* text);

// The debugger's output on Windows; nothing elsewhere.
void writeToDebugger(const char* line);

}  // namespace tw
