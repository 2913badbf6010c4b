#include "EventSignal.h"

#include <windows.h>

namespace kzhost {

void signalEvent(const std::string& eventName) {
    if (HANDLE event = OpenEventA(EVENT_MODIFY_STATE, FALSE, eventName.c_str())) {
        SetEvent(event);
        CloseHandle(event);
    }
}

}  // namespace kzhost
