// The F1 and F2 toggles and the system cursor: shown exactly while the bars take input.
#include "Console.h"

void Console::toggleVisible() {
    visible = !visible;
    syncCursor();
}

void Console::toggleInteractive() {
    interactive = !interactive;
    syncCursor();
}

void Console::syncCursor() {
    const bool want = visible && interactive;
    // The display count is shared with the game, so it is raised by at most one and lowered
    // only by what was raised.
    if (cursorShown && !want) {
        ShowCursor(FALSE);
        cursorShown = false;
    } else if (!cursorShown && want) {
        ShowCursor(TRUE);
        cursorShown = true;
    }
}
