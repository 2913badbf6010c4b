// The renderer's own pipeline as its device context state holds it: the objects it binds for its
// one draw and the index count it draws, so that what Direct3D alone charges for drawing the same
// vertices with the same objects can be measured. Taken from frames the engine draws on its swap
// (GLOBAL statepath=swap), by watching the state it swaps in.
#pragma once

#include <d3d11_1.h>

#include "D3D11Pipeline.h"
#include "D3DTestWindow.h"

namespace kzbench {

class RendererPipeline {
  public:
    // The engine must be running on the window's device with its bars made; this draws a few
    // frames on its swap.
    explicit RendererPipeline(kztest::D3DTestWindow& window);
    ~RendererPipeline();
    RendererPipeline(const RendererPipeline&) = delete;
    RendererPipeline& operator=(const RendererPipeline&) = delete;

    ID3DDeviceContextState* state() const { return state_; }
    UINT indexCount() const { return indexCount_; }

    // The pieces bound in that state; this holds a reference to each.
    const tw::D3D11Pipeline& pipeline() const { return pipeline_; }

  private:
    ID3DDeviceContextState* state_ = nullptr;
    UINT indexCount_ = 0;
    tw::D3D11Pipeline pipeline_;
};

}  // namespace kzbench
