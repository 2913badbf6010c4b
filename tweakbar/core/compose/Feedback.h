// The feedback that follows the input state frame by frame without a repaint: the hover
// highlight (stronger on a pressed button), and the selection band and the caret of a text field,
// each in slots of its bar's segment.
#pragma once

#include <cstdint>

namespace tw {

class Context;

// The hover highlight's quads: a band shading down its row and a line under it.
inline constexpr std::uint32_t kHoverQuads = 2;

// Writes the slots that must change for this frame's input state, and records those ranges
// in the display list's patches.
void writeFeedback(Context& context);

}  // namespace tw
