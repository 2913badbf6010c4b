// The exports through which the host's plug-ins build bars in the overlay. Include this header
// and link KZConsole.dll's import library; call the functions from OnConsoleInit (the overlay
// calls it once, on the first frame, when it is ready) or later.
//
// Bars are addressed by name. Labels are shown as they are, and a label, or the group of a
// separator, must not contain a single quote; a bar name and the group of a button or variable
// must be single words (no blanks, no quotes). A null label or group counts as empty. Nothing is
// reported: a bar name that names no bar makes the call do nothing.
#pragma once

#include "AntTweakBar.h"

#ifdef __cplusplus
extern "C" {
#endif

// A new bar titled label, whose values are read again five times a second.
void ConsoleAddBar(const char* barName, const char* label);
// A button; callback runs on the thread that handles the overlay's input, with clientData.
void ConsoleAddButton(const char* barName, const char* name, TwButtonCallback callback,
                      void* clientData, const char* label, const char* group);
// A separator line, in group when group is neither null nor empty.
void ConsoleAddSeperator(const char* barName, const char* group);
// A variable served by callbacks; clientData is given to both.
void ConsoleAddVarCB(const char* barName, const char* name, TwType type,
                     TwSetVarCallback setCallback, TwGetVarCallback getCallback, void* clientData,
                     const char* label, const char* group);
// A variable bound to memory that the caller keeps valid as long as the process runs.
void ConsoleAddVarRW(const char* barName, const char* name, TwType type, void* variable,
                     const char* label, const char* group);
// Lines all bars up, then applies the saved layout (KZConsole.cfg beside the executable).
// Call it after creating your bars.
void ConsoleLoadSettings(void);

#ifdef __cplusplus
}
#endif
