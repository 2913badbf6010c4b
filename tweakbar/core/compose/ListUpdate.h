// Brings the display list up to date for a frame: built whole when the layout or the order of
// the bars changed, otherwise only the segments marked for a repaint, then the feedback quads.
#pragma once

namespace tw {

class Context;

void updateDisplayList(Context& context);

}  // namespace tw
