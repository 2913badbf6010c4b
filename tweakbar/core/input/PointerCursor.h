// The cursor the pointer's place calls for: what a press there would do, or the drag in
// progress. The window adapter turns it into a system cursor.
#pragma once

namespace tw {

enum class CursorShape {
    Game,        // the engine has no cursor to show: the game keeps its own
    Text,        // a value the user can type into or select, or the open field
    Roto,        // a writable number's label and [o], and while the rotoslider turns
    NotAllowed,  // a read-only row
    Move,        // a title that moves its bar
    ResizeNwSe,  // the top-left and bottom-right corners of a resizable bar
    ResizeNeSw,  // the other two corners
};

struct PointerCursor {
    CursorShape shape = CursorShape::Game;
    int rotoIndex = 0;  // which rotating arrow, 0..11 (by the angle while turning)
};

// Takes the engine lock.
PointerCursor pointerCursor();

}  // namespace tw
