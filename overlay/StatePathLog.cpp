// The engine times its ways of keeping the game's pipeline state on the first frames it draws and
// keeps the cheaper; the host's log says which, and what each cost, so that a user who knows
// better for their game can force the other (GLOBAL statepath).
#include <cstring>
#include <string>

#include "AntTweakBar.h"
#include "Console.h"
#include "HostImports.h"

void Console::logStatePath() {
    if (statePathLogged) return;
    char text[256] = {};
    // An engine without the parameter (an installed library) is asked once.
    if (!TwGetParam(nullptr, nullptr, "statepath", TW_PARAM_CSTRING, sizeof text, text)) {
        statePathLogged = true;
        return;
    }
    if (std::strncmp(text, "auto", 4) == 0) return;  // still timing
    AddLog(("GUI state path: " + std::string(text)).c_str());
    statePathLogged = true;
}
