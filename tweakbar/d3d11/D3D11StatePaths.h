// The renderer's ways of keeping the game's pipeline state (D3D11StateSwitch) and the choice
// between them (StatePathChoice). The ways hold device objects and are made and released with
// the renderer's; the choice lasts as long as the renderer, i.e. is made once per device.
#pragma once

#include <windows.h>
#include <d3d11.h>

#include <memory>

#include "D3D11StateSwitch.h"
#include "StatePathChoice.h"

namespace tw {

class D3D11StatePaths {
  public:
    D3D11StatePaths();

    void create(ID3D11Device* device, ID3D11DeviceContext* context);
    void release();

    // Draws through the way of this frame, timing it while the choice is being made; returns
    // the way.
    StatePath draw(const D3D11Pipeline& pipeline, const D3D11BoundTarget& target, UINT indexCount);

    StatePathChoice& choice() { return choice_; }
    const StatePathChoice& choice() const { return choice_; }

  private:
    StatePathChoice choice_;
    std::unique_ptr<D3D11StateSwitch> swap_, saved_;
    double microsecondsPerTick_ = 0;
};

}  // namespace tw
