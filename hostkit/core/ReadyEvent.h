// The named events through which KZBase.dll tells whoever brought it into a process that it has
// finished setting up (or could not hook Direct3D 11), and that the game's first frame has gone
// through its hooks. Named by process id, so a launcher can
// create them before the DLL arrives and a test can create them for its own process.
#pragma once

#include <string>

namespace kzhost {

inline std::string readyEventName(unsigned long processId) {
    return "KZBaseReady." + std::to_string(processId);
}

inline std::string failedEventName(unsigned long processId) {
    return "KZBaseFailed." + std::to_string(processId);
}

inline std::string firstFrameEventName(unsigned long processId) {
    return "KZBaseFirstFrame." + std::to_string(processId);
}

}  // namespace kzhost
