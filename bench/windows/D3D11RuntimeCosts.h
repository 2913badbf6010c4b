// What Direct3D alone charges under this runtime, beside what the engine's TwDraw costs: the
// least any overlay must do (bind the target, draw the renderer's vertices with everything else
// bound, unbind), the engine's own work (TwDraw with no target bound, so that it draws nothing),
// the swap in and out of the renderer's context state, a command list executed with the
// immediate context's state restored, and each call of saving and restoring. Printed as
// "runtime.<figure>.median" and ".p90" lines, nanoseconds.
#pragma once

#include "D3DTestWindow.h"
#include "RendererPipeline.h"

namespace kzbench {

// Once per frame between a clear and a Present, as an overlay meets them.
void measureRuntimeCosts(kztest::D3DTestWindow& window, const RendererPipeline& renderer);
void measureCallCosts(kztest::D3DTestWindow& window, const RendererPipeline& renderer);

}  // namespace kzbench
