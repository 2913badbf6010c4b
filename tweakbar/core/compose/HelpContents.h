// What the help bar lists, line by line: the engine's help and the help bar's own, then for
// each bar its help and the rows that have help or shortcuts, the named struct types, and what
// kinds of row explain about themselves (how the rotoslider is used). Computed from the model
// and the widgets; HelpBar turns the lines into rows.
#pragma once

#include <string>
#include <vector>

#include "draw/FontAtlas.h"
#include "model/BarLayout.h"
#include "model/HelpBarState.h"

namespace tw {

class Context;
struct Control;

// Help texts are wrapped to the rows' width: width at level 0, less at each level and indent by
// how much further right its labels start.
struct HelpWrap {
    const FontFace& face;
    int width = 0;
    const int (&indents)[kIndentLevels];
};

std::vector<HelpLine> helpContents(const Context& context, const HelpWrap& wrap);

// The value column of a row with shortcuts: "INCR  DECR", "(none)  DECR" or "INCR".
std::string shortcutColumn(const Control& control);

}  // namespace tw
