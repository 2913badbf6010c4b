// The colours a bar is drawn in, derived from its colour, alpha and text choice; shared by the
// painting of the bar and of its feedback (hover highlight, selection, caret).
#pragma once

#include "draw/DisplayList.h"

struct CTwBar;

namespace tw {

inline constexpr PackedColor kBlack = packColor(0, 0, 0, 255);
inline constexpr PackedColor kWhite = packColor(255, 255, 255, 255);

struct Palette {
    // The body shades diagonally, darkest at the top left: its corners top left, top right and
    // bottom left, bottom right. It is more opaque while the pointer is over the bar.
    PackedColor bodyTopLeft, bodyMiddle, bodyBottomRight;
    // The title band over the body: a lighter first line, then a shade that fades downwards.
    PackedColor titleLine, titleTop, titleBottom, titleText;
    // Lines outside the top and left edges, inside the right and bottom ones.
    PackedColor frameTop, frameLeft, frameEdge;
    PackedColor label, value, readOnly, group, structLabel, choice, textLine;
    PackedColor field;  // a value's box
    // The hovered row: a band shading downwards and a line under it; pressed: stronger.
    PackedColor hoverTop, hoverBottom, hoverLine, pressedTop, pressedBottom;
    // A group's band, and its expander's box, mark and (while the pointer is over the bar)
    // outline and shadow.
    PackedColor groupBand, expander, expanderMark, expanderOutline, expanderShadow;
    // An open field is opaque, whatever the bar's alpha.
    PackedColor fieldEdit, editText, editReadOnly, selection;
    PackedColor separator, strip, scrollTrack, scrollThumb;
    PackedColor shortcut;  // the hovered row's keys on the line under the rows
    // A number's text at its minimum or maximum.
    PackedColor atBound;
    // The hovered row's small buttons: their face (held down: stronger) and mark (greyed at a
    // bound).
    PackedColor buttonFace, buttonHeld, buttonInk, buttonGreyed;
};

Palette paletteFor(const CTwBar& bar, bool pointerOver = false);

}  // namespace tw
