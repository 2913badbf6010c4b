// The only file of the core that knows the window system: it compiles to nothing elsewhere.
#include "model/ErrorReport.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tw {

void writeToDebugger(const char* line) {
#ifdef _WIN32
    OutputDebugStringA(line);
#else
    (void)line;
#endif
}

}  // namespace tw
