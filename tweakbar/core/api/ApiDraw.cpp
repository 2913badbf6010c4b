// TwDraw: read the values that are due, lay out if the layout changed, bring the display list
// up to date (whole, or the segments that changed, and the feedback quads), and hand the list to
// the backend. A frame where nothing changed only draws.
#include "api/ApiGuard.h"
#include "base/Clock.h"
#include "base/Errors.h"
#include "compose/HelpBar.h"
#include "compose/Layout.h"
#include "compose/ListUpdate.h"
#include "edit/AutoRepeat.h"
#include "values/Refresh.h"

using namespace tw;

namespace {

// The minimum size and containment are applied when a bar is drawn, and from then on the bar's
// parameters report where it really is.
void commitFrames(Context& context) {
    for (auto& bar : context.bars) {
        const Rect& frame = bar->layout.frame;
        if (frame.empty()) continue;
        bar->x = frame.x;
        bar->y = frame.y;
        bar->width = frame.w;
        bar->height = frame.h;
    }
}

}  // namespace

int TW_CALL TwDraw(void) {
    return guarded(0, [] {
        Context* context = requireContext();
        if (!context) return 0;
        if (!context->sized) return fail(err::kBadSize);
        // A get callback that draws would read its own value again, without end.
        if (context->drawing) return 1;
        context->drawing = true;
        struct EndOfDraw {
            bool& drawing;
            ~EndOfDraw() { drawing = false; }
        } endOfDraw{context->drawing};
        const double now = clockSeconds();
        repeatHeldPress(*context, now);
        if (engine().context != context) return 1;
        refreshValues(*context, now);
        // A callback may have ended the engine; then there is nothing left to draw.
        if (engine().context != context) return 1;
        updateHelpBar(*context);
        if (context->layoutDirty) layoutAll(*context);
        if (context->listDirty) commitFrames(*context);
        updateDisplayList(*context);
        context->drawn = true;
        if (context->resourcesReleased) return 1;
        return context->backend->render(context->displayList) ? 1 : fail("Drawing failed");
    });
}
