// Entry points for the drawing order and focus of bars. The order is kept back to front in
// the context's stacking list; alwaysbottom and alwaystop bars keep their layers whatever is
// asked, and an open enum list stays above everything.
#include "api/ApiGuard.h"
#include "base/Errors.h"
#include "compose/Layout.h"
#include "input/HitTest.h"

using namespace tw;

namespace {

// The bar a caller names for a stacking call, or null after recording why there is none.
Bar* stackedBar(Context& context, const TwBar* bar) {
    if (!bar) return fail(err::kInvalidParameter), nullptr;
    Bar* found = context.validate(bar);
    if (!found) return fail(err::kNotFound), nullptr;
    return found;
}

// The bar drawn first (or last) once the layers are applied.
Bar* endOfDrawingOrder(const Context& context, bool top) {
    Bar* found = nullptr;
    context.forEachBackToFront([&](Bar& bar) {
        if (top || !found) found = &bar;
    });
    return found;
}

template <typename Place>
int placeBar(const TwBar* bar, Place&& place) {
    return guarded(0, [&] {
        Context* context = requireContext();
        if (!context) return 0;
        Bar* found = stackedBar(*context, bar);
        if (!found) return 0;
        // The open enum list is drawn above all bars wherever it is asked to go.
        if (found != context->popupBar.get()) place(*context, *found);
        return 1;
    });
}

TwBar* barAtEnd(bool top) {
    return guarded<TwBar*>(nullptr, [&]() -> TwBar* {
        Context* context = requireContext();
        return context ? endOfDrawingOrder(*context, top) : nullptr;
    });
}

}  // namespace

int TW_CALL TwSetTopBar(const TwBar* bar) {
    return placeBar(bar, [](Context& context, Bar& found) {
        // An alwaysbottom bar asked to the top goes to the bottom, its own layer.
        if (found.alwaysBottom) {
            context.sendToBack(found);
        } else {
            context.bringToFront(found);
        }
    });
}

int TW_CALL TwSetBottomBar(const TwBar* bar) {
    return placeBar(bar, [](Context& context, Bar& found) {
        if (found.alwaysTop) {
            context.bringToFront(found);
        } else {
            context.sendToBack(found);
        }
    });
}

TwBar* TW_CALL TwGetTopBar(void) {
    return barAtEnd(true);
}

TwBar* TW_CALL TwGetBottomBar(void) {
    return barAtEnd(false);
}

TwBar* TW_CALL TwGetActiveBar(void) {
    return guarded<TwBar*>(nullptr, []() -> TwBar* {
        Context* context = requireContext();
        if (!context) return nullptr;
        if (context->layoutDirty) layoutAll(*context);
        const InputState& input = context->input;
        const Hit hit = hitTest(*context, input.mouseX, input.mouseY);
        const Bar* pointed = hit.zone == Zone::Popup || hit.zone == Zone::Icon ? nullptr : hit.bar;
        for (const auto& bar : context->bars) {
            if (bar->iconified) continue;
            if (bar.get() == pointed || bar.get() == input.edit.bar) return bar.get();
        }
        return nullptr;
    });
}
