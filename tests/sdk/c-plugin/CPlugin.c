/* Every header of the SDK from C. In the overlay it builds a bar named "cplugin", installs an
   error handler of its own and makes one define that the engine refuses with a reason; the
   module's one log line and its own handler's two (the reason, then the whole text) must reach
   KZLog.txt. */
#include <stdio.h>

#include "AntTweakBar.h"
#include "ConsoleApi.h"
#include "HookExports.h"
#include "HostImports.h"
#include "HostTypes.h"

static int speed = 3;

static void TW_CALL logOwnError(const char* text) {
    char line[512];
    snprintf(line, sizeof line, "cplugin: its own handler got: %s", text);
    AddLog(line);
}

__declspec(dllexport) void OnConsoleInit(void) {
    TwHandleErrors(logOwnError);
    ConsoleAddBar("cplugin", "C plug-in");
    ConsoleAddVarRW("cplugin", "speed", TW_TYPE_INT32, &speed, "Speed", "");
    TwDefine(" cplugin alpha=300 ");
}
