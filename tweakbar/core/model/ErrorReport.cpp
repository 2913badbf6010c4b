#include "model/ErrorReport.h"

#include <cstdio>
#include <string>

namespace tw {

void reportError(TwErrorHandler handler, const char* text) {
    if (handler) {
        handler(text);
        return;
    }
    const std::string line = std::string("ERROR(AntTweakBar) >> ") + text + "\n";
    std::fputs(line.c_str(), stderr);
    writeToDebugger(line.c_str());
}

}  // namespace tw
