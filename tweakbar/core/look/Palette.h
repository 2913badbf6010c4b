// The colours a bar is drawn in, derived from its colour, alpha and text choice; shared by the
// painting of the bar and of its feedback (hover highlight, selection, caret).
#pragma once

#include "draw/DisplayList.h"

struct CTwBar;

namespace tw {

inline constexpr PackedColor kBlack = packColor(0, 0, 0, 255);
inline constexpr PackedColor kWhite = packColor(255, 255, 255, 255);

struct Palette {
    PackedColor body, titleTop, titleBottom, titleText, border, shadow;
    PackedColor label, value, readOnly, group, structLabel, field, hover, pressed;
    // An open field is opaque, whatever the bar's alpha.
    PackedColor fieldEdit, editText, editReadOnly, selection;
    PackedColor separator, scrollTrack, scrollThumb;
    PackedColor shortcut;  // key names
    // A number's text at its minimum or maximum.
    PackedColor atBound;
    // The hovered row's small buttons: their face (held down: stronger) and mark (greyed at a
    // bound).
    PackedColor buttonFace, buttonHeld, buttonInk, buttonGreyed;
};

Palette paletteFor(const CTwBar& bar);

}  // namespace tw
