// How the renderer's pipeline takes the place of the game's for its one draw, and how the game's
// comes back. Two ways: with ID3D11DeviceContext1, the renderer keeps its pipeline in a device
// context state of its own and swaps it in and out (a handful of calls, each swap costly on some
// runtimes); on every device, the pieces it changes are saved and restored (more calls, each
// cheap). D3D11StatePaths chooses between them.
#pragma once

#include <d3d11.h>

#include <memory>

#include "D3D11BoundTarget.h"
#include "D3D11Pipeline.h"

namespace tw {

class D3D11StateSwitch {
  public:
    virtual ~D3D11StateSwitch() = default;

    // Draws indexCount indices with the pipeline into the target the game bound (which stays
    // bound), and leaves the game's pipeline state exactly as it was.
    virtual void draw(const D3D11Pipeline& pipeline, const D3D11BoundTarget& target,
                      UINT indexCount) = 0;
};

// The swap, or null when the device does not offer it or a trial swap shows that it does not keep
// the game's state apart. Made with the renderer's device objects and released with them: the
// device context state holds references to what is bound in it.
std::unique_ptr<D3D11StateSwitch> makeContextStateSwitch(ID3D11Device* device,
                                                         ID3D11DeviceContext* context);

// Saving and restoring; works on every device.
std::unique_ptr<D3D11StateSwitch> makeExplicitStateSwitch(ID3D11DeviceContext* context);

}  // namespace tw
