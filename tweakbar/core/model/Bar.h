// A bar: a titled window of controls with its parameters, owned by the engine's context. The
// API hands out pointers to it as TwBar.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "AntTweakBar.h"
#include "model/BarLayout.h"
#include "model/Control.h"

namespace tw {

enum class ValuesWidthMode { FollowFont, Fixed, Fit };
enum class ButtonAlign { Left, Center, Right };
const char* buttonAlignName(ButtonAlign align);

}  // namespace tw

struct CTwBar {
    std::string name;
    std::string label;  // empty until set; the title shows the name meanwhile
    std::string help;
    tw::Rgb color;
    int alpha = 64;
    bool darkText = false;
    int x = 0, y = 0, width = 200, height = 320;
    tw::ValuesWidthMode valuesWidthMode = tw::ValuesWidthMode::FollowFont;
    int valuesWidth = 0;  // when Fixed
    double refresh = 2.0;
    bool visible = true, iconified = false;
    bool iconifiable = true, movable = true, resizable = true;
    bool contained = false;
    tw::ButtonAlign buttonAlign = tw::ButtonAlign::Right;
    bool alwaysTop = false, alwaysBottom = false;
    int fontSize = 2;
    bool isHelp = false;

    // Every control in creation order (owned), and the top level in display order.
    std::vector<std::unique_ptr<tw::Control>> controls;
    std::vector<tw::Control*> topLevel;

    // When the values were last read; a due refresh reads them at the next TwDraw.
    double lastRefresh = 0;
    bool refreshDue = true;
    int scroll = 0;     // index of the first row shown
    int iconSlot = -1;  // the place its icon holds among the icons while it is iconified
    tw::BarLayout layout;
    bool removed = false;  // taken out of the engine while a callback was running

    const std::string& title() const { return label.empty() ? name : label; }
    bool shown() const { return visible && !iconified; }

    tw::Control* find(const char* controlName) const;
    tw::Control* add(std::unique_ptr<tw::Control> control);
    // Moves a control into a group (null: the top level), at the end.
    void placeIn(tw::Control& control, tw::Control* group);
    // Takes a control, and the members of a group, out of the display order and the bar; the
    // objects are handed to the caller so that they can outlive a running callback.
    void detach(tw::Control& control, std::vector<std::unique_ptr<tw::Control>>& taken);
    // A group that lost its last member disappears too.
    void dropEmptyGroups(std::vector<std::unique_ptr<tw::Control>>& taken);
};

namespace tw {
using Bar = ::CTwBar;
}
