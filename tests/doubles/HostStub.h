// The host's two functions for tests that link the module without a host: AddLog records its
// lines, KZGetBase returns the base object a test sets (an empty module list by default).
#pragma once

#include <string>
#include <vector>

#include "HostTypes.h"

namespace hoststub {

const std::vector<std::string>& logLines();
void setModules(std::vector<HostModuleHandle> modules);

}  // namespace hoststub
