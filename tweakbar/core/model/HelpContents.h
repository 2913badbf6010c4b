// What the help bar lists, line by line: the engine's help and the help bar's own, then for
// each bar its help and the rows that have help or shortcuts, the named struct types, and how
// the rotoslider is used. Computed from the model alone; HelpBar turns the lines into rows.
#pragma once

#include <string>
#include <vector>

#include "draw/FontAtlas.h"

namespace tw {

class Context;
struct Control;

struct HelpLine {
    enum class Kind { Text, Entry, Group };
    Kind kind = Kind::Text;
    std::string label;   // the text, the entry's label or the group's title
    std::string value;   // an entry's value column: its keys, "(read only)" or a heading
    int level = 0;       // how many groups hold the line
    int indent = 0;      // steps further in: text that explains the entry above it
    bool opened = true;  // groups

    bool operator==(const HelpLine& other) const;
    bool operator!=(const HelpLine& other) const { return !(*this == other); }
};

// Help texts are wrapped to the rows' width: width at level 0, one step less per level and
// indent.
struct HelpWrap {
    const FontFace& face;
    int width = 0;
    int step = 0;
};

std::vector<HelpLine> helpContents(const Context& context, const HelpWrap& wrap);

// The value column of a row with shortcuts: "INCR  DECR", "(none)  DECR" or "INCR".
std::string shortcutColumn(const Control& control);

// The help and label set on a struct member's row stand for that member of its struct type,
// which the help bar lists with the type.
void rememberMemberTexts(Context& context, const Control& member);

}  // namespace tw
