// The registration exports. They keep nothing: every call builds its define strings, looks the
// bar up by name, and hands the caller's arguments on unchanged. Results are not examined; a
// bar that is not there reaches the engine as a null bar, which refuses it.
#include "ConsoleApi.h"
#include "DefineStrings.h"

extern "C" {

void ConsoleAddBar(const char* barName, const char* label) {
    const char* name = barName ? barName : "";
    TwNewBar(name);
    TwDefine(kz::barLabelDefine(name, label).c_str());
    TwDefine(kz::barRefreshDefine(name).c_str());
}

void ConsoleAddButton(const char* barName, const char* name, TwButtonCallback callback,
                      void* clientData, const char* label, const char* group) {
    const std::string define = kz::controlDefine(label, group);
    TwAddButton(TwGetBarByName(barName), name, callback, clientData, define.c_str());
}

void ConsoleAddSeperator(const char* barName, const char* group) {
    const std::string define = kz::separatorDefine(group);
    // The empty name, not null: separators are anonymous.
    TwAddSeparator(TwGetBarByName(barName), "", define.c_str());
}

void ConsoleAddVarCB(const char* barName, const char* name, TwType type,
                     TwSetVarCallback setCallback, TwGetVarCallback getCallback, void* clientData,
                     const char* label, const char* group) {
    const std::string define = kz::controlDefine(label, group);
    TwAddVarCB(TwGetBarByName(barName), name, type, setCallback, getCallback, clientData,
               define.c_str());
}

void ConsoleAddVarRW(const char* barName, const char* name, TwType type, void* variable,
                     const char* label, const char* group) {
    const std::string define = kz::controlDefine(label, group);
    TwAddVarRW(TwGetBarByName(barName), name, type, variable, define.c_str());
}

}  // extern "C"
