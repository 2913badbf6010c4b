#include "RecordingInput.h"

#include "InputEvents.h"

namespace recording {

std::vector<std::string> calls;
bool handled = false;
bool wantsCapture = false;

void reset() {
    calls.clear();
    handled = false;
    wantsCapture = false;
}

}  // namespace recording

namespace tw {

namespace {

const char* nameOf(MouseButton button) {
    switch (button) {
        case MouseButton::Left:
            return "left";
        case MouseButton::Right:
            return "right";
        case MouseButton::Middle:
            return "middle";
    }
    return "?";
}

bool record(std::string call) {
    recording::calls.push_back(std::move(call));
    return recording::handled;
}

}  // namespace

bool inputMouseMove(int x, int y) {
    return record("move " + std::to_string(x) + "," + std::to_string(y));
}
bool inputMouseButton(MouseButton button, bool down) {
    return record(std::string("button ") + nameOf(button) + (down ? " down" : " up"));
}
bool inputMouseWheel(int delta) {
    return record("wheel " + std::to_string(delta));
}
bool inputKeyDown(Key key, int modifiers) {
    return record("key " + std::to_string(static_cast<int>(key)) + " mods " +
                  std::to_string(modifiers));
}
bool inputChar(unsigned char c, int modifiers) {
    return record("char " + std::to_string(c) + " mods " + std::to_string(modifiers));
}
void inputResize(int width, int height) {
    record("resize " + std::to_string(width) + "," + std::to_string(height));
}
bool inputWantsCapture() {
    return recording::wantsCapture;
}

}  // namespace tw
