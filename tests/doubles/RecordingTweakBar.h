// A test double of the part of the tweak-bar API that the module calls: it records every call
// with its arguments, keeps a list of bars (the help bar at index 0 after TwInit) whose integer
// parameters can be set and read back, and returns what a test tells it.
#pragma once

#include <string>
#include <vector>

#include "AntTweakBar.h"

namespace twdouble {

struct Call {
    std::string function;
    // Strings as they were passed ("<null>" for a null pointer), numbers in decimal, bars by
    // name ("<null bar>" for a null bar), other pointers as "<ptr>" or "<null>".
    std::vector<std::string> args;
};

const std::vector<Call>& calls();
std::vector<std::string> callNames();
// Index of the first call of function, or -1.
int indexOf(const std::string& function);
int count(const std::string& function);
void clearCalls();
// Records an event of the test's own (a module notified, say) between the API calls.
void recordEvent(const std::string& what, const std::string& detail = "");

// What the next calls return.
void setInitResult(int result);
void setEventResult(int result);

// What TwGetParam reads for a GLOBAL parameter as a C string; unset, the read fails.
void setGlobalText(const std::string& param, const std::string& text);

// The integer parameters of a bar, as TwSetParam left them ("alpha", "position"...).
std::vector<int> barParam(const std::string& barName, const std::string& param);

}  // namespace twdouble
