// What the help bar remembers between frames: the lines it shows, when and at what width they
// were made, and the last key pressed with the time it was pressed.
#pragma once

#include <string>
#include <vector>

namespace tw {

// One line of the help bar, before it becomes a row.
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

struct HelpBarState {
    std::vector<HelpLine> lines;
    bool built = false;
    double builtAt = 0;
    int wrapWidth = 0;
    std::string keyMessage;  // empty once it has been shown long enough
    double keyPressedAt = 0;
};

}  // namespace tw
