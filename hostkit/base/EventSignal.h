// Telling whoever waits on the host (the launcher, a test) through the named events of
// ReadyEvent.h. The waiter made the event before the host could signal it; a host that finds no
// event tells nobody.
#pragma once

#include <string>

namespace kzhost {

void signalEvent(const std::string& eventName);

}  // namespace kzhost
