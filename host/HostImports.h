// Functions that the host framework exports for its modules. The module binds them through
// import libraries made from KZBase.def and KZLog.def, so it loads with the host's own DLLs.
// Usable from C and C++.
#ifndef KZ_HOST_HOSTIMPORTS_H
#define KZ_HOST_HOSTIMPORTS_H

#include "HostTypes.h"

#ifdef __cplusplus
extern "C" {
#endif
// KZBase.dll: the host's base object, alive as long as the process.
HostBase* KZGetBase(void);
// KZLog.dll: appends one line of 8-bit text to the host's log.
void AddLog(const char* text);
#ifdef __cplusplus
}
#endif

#endif  // KZ_HOST_HOSTIMPORTS_H
