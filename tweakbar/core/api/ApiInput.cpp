// Entry points of the generic input. None reports an error: before TwInit, or while the
// drawing area has no size, they only answer 0.
#include "api/ApiGuard.h"
#include "compose/HelpBar.h"
#include "compose/Layout.h"
#include "input/InputEvents.h"

using namespace tw;

namespace {

// `call`: the entry point, as the error handler is told it.
template <typename Body>
int withInputContext(Body&& body, const char* call = __builtin_FUNCTION()) {
    const auto withContext = [&] {
        Context* context = engine().context;
        if (!context || !context->sized || context->resourcesReleased) return 0;
        if (context->windowWidth <= 0 || context->windowHeight <= 0) return 0;
        // Input acts on what the user sees: the layout as the next frame will draw it.
        updateHelpBar(*context);
        if (context->layoutDirty) layoutAll(*context);
        return body(*context) ? 1 : 0;
    };
    return guarded(0, withContext, call);
}

int keyInput(int key, int modifiers, bool apply, const char* call = __builtin_FUNCTION()) {
    KeyPress press;
    if (!normalizeKeyPress(key, modifiers, press)) return 0;
    const auto pressKey = [&](Context& context) {
        if (apply) noteKeyPressed(context, press);
        return keyPressed(context, press, apply);
    };
    return withInputContext(pressKey, call);
}

}  // namespace

int TW_CALL TwMouseMotion(int mouseX, int mouseY) {
    return withInputContext([&](Context& context) { return mouseMotion(context, mouseX, mouseY); });
}

int TW_CALL TwMouseButton(TwMouseAction action, TwMouseButtonID button) {
    return withInputContext(
        [&](Context& context) { return mouseButton(context, button, action == TW_MOUSE_PRESSED); });
}

int TW_CALL TwMouseWheel(int pos) {
    return withInputContext([&](Context& context) { return mouseWheel(context, pos); });
}

int TW_CALL TwKeyPressed(int key, int modifiers) {
    return keyInput(key, modifiers, true);
}

int TW_CALL TwKeyTest(int key, int modifiers) {
    return keyInput(key, modifiers, false);
}
