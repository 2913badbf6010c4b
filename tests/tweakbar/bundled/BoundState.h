// Every piece of a context's pipeline state that the renderer may change, as one list of numbers
// (bound objects by address, values by their bytes), for checking that a frame left it as it
// was. Reading takes no reference that it keeps.
#pragma once

#include <d3d11.h>

#include <cstdint>
#include <vector>

namespace kztest {

using BoundState = std::vector<std::uintptr_t>;

BoundState boundState(ID3D11DeviceContext* context);

}  // namespace kztest
