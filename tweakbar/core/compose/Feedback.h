// The feedback that follows the input state frame by frame without a repaint: the hover
// highlight (stronger on a pressed button), and the selection band and the caret of a text field,
// each one quad in a slot of its bar's segment.
#pragma once

namespace tw {

class Context;

// Writes the slots that must change for this frame's input state, and records those ranges
// in the display list's patches.
void writeFeedback(Context& context);

}  // namespace tw
