// The host's two functions for tests that link the module without a host: AddLog records its
// lines, KZGetBase returns the base object a test sets (an empty module list by default). A test
// may watch both calls, to see them in order with other calls it records.
#pragma once

#include <string>
#include <vector>

#include "HostTypes.h"

namespace hoststub {

const std::vector<std::string>& logLines();
void setModules(std::vector<HostModuleHandle> modules);

// Called with ("AddLog", text) and ("KZGetBase", "") as the module makes those calls.
using Observer = void (*)(const std::string& call, const std::string& detail);
void setObserver(Observer observer);

}  // namespace hoststub
