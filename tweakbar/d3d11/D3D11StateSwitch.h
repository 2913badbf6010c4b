// How the renderer's pipeline takes the place of the game's for its one draw, and how the game's
// comes back. Two ways: with ID3D11DeviceContext1, the renderer keeps its pipeline in a device
// context state of its own and swaps it in and out (a handful of calls); without it, or where the
// swap does not keep the game's state apart, every piece it changes is saved and restored.
#pragma once

#include <d3d11.h>

#include <memory>

#include "D3D11Pipeline.h"

namespace tw {

class D3D11StateSwitch {
  public:
    virtual ~D3D11StateSwitch() = default;

    // Draws indexCount indices with the pipeline into target (the view the game bound, which
    // stays bound), and leaves the game's pipeline state exactly as it was.
    virtual void draw(const D3D11Pipeline& pipeline, ID3D11RenderTargetView* target,
                      UINT indexCount) = 0;

    // True for the device context state; false for saving and restoring.
    virtual bool swapsContextState() const = 0;
};

// The swap when the device offers it and a trial swap keeps the game's state apart, else the
// explicit save and restore. Made with the renderer's device objects and released with them: the
// device context state holds references to what is bound in it.
std::unique_ptr<D3D11StateSwitch> makeStateSwitch(ID3D11Device* device,
                                                  ID3D11DeviceContext* context);

}  // namespace tw
