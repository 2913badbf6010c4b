// What the help bar remembers between frames: the lines it shows, when and at what width they
// were made, and the last key pressed with the time it was pressed.
#pragma once

#include <string>
#include <vector>

#include "model/HelpContents.h"

namespace tw {

struct HelpBarState {
    std::vector<HelpLine> lines;
    bool built = false;
    double builtAt = 0;
    int wrapWidth = 0;
    std::string keyMessage;  // empty once it has been shown long enough
    double keyPressedAt = 0;
};

}  // namespace tw
