// What lies under a point: an open enum list, an icon, or a part of the front-most bar there.
#pragma once

#include "model/BarLayout.h"
#include "model/InputState.h"

namespace tw {

class Context;

enum class Zone {
    None,
    Popup,
    Icon,
    IconifyButton,
    FontButton,
    Corner,
    Title,
    TitleEnd,  // the title's ends, which hold the buttons and do not move the bar
    ScrollUp,
    ScrollDown,
    ScrollThumb,
    ScrollTrack,
    ValuesGrip,
    FitLabels,
    FitValues,
    Row,
    Body,
};

struct Hit {
    Zone zone = Zone::None;
    Bar* bar = nullptr;
    const Row* row = nullptr;
    bool inValue = false;  // a row's value field
    int corner = 0;        // Corner flags of a resize corner
};

// The layout must be current.
Hit hitTest(const Context& context, int x, int y);

// The hover state that a hit shows.
Hover hoverOf(const Hit& hit);

}  // namespace tw
