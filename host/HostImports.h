// Functions that the host framework exports for its modules. The module binds them through
// import libraries made from KZBase.def and KZLog.def, so it loads with the host's own DLLs.
#pragma once

#include "HostTypes.h"

extern "C" {
// KZBase.dll: the host's base object, alive as long as the process.
HostBase* KZGetBase();
// KZLog.dll: appends one line of 8-bit text to the host's log.
void AddLog(const char* text);
}
