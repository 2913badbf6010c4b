// A stand-in for the engine's input that writes down every call, and answers as told.
#pragma once

#include <string>
#include <vector>

namespace recording {

extern std::vector<std::string> calls;
// What the input calls report as handled.
extern bool handled;
// What inputWantsCapture reports.
extern bool wantsCapture;

void reset();

}  // namespace recording
