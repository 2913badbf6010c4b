#pragma once

#include "D3D11StateSwitch.h"

namespace tw {

// Saves and restores the game's state around each draw; works on every device.
std::unique_ptr<D3D11StateSwitch> makeExplicitStateSwitch(ID3D11DeviceContext* context);

}  // namespace tw
