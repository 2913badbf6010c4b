// A module of the host, built three times for the notification tests: it tells the test program
// (through a function the program exports) that its OnConsoleInit ran.
#include <windows.h>

#ifdef EXPORTS_NOTIFICATION
extern "C" __declspec(dllexport) void OnConsoleInit() {
    using Record = void (*)(const char*);
    const FARPROC record = GetProcAddress(GetModuleHandleA(nullptr), "kztestNotified");
    if (record) reinterpret_cast<Record>(reinterpret_cast<void*>(record))(MODULE_TAG);
}
#else
extern "C" __declspec(dllexport) void OnSomethingElse() {}
#endif
