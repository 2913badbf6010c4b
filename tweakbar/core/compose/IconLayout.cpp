#include "compose/IconLayout.h"
#include "look/Metrics.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace tw {

Rect iconSlotRect(const IconArea& area, int slot) {
    const bool right =
        area.corner == IconCorner::BottomRight || area.corner == IconCorner::TopRight;
    const bool bottom =
        area.corner == IconCorner::BottomLeft || area.corner == IconCorner::BottomRight;
    const int step = area.size;
    const int extent =
        area.vertical ? area.height - 2 * area.marginY : area.width - 2 * area.marginX;
    const bool known = area.width > 0 && area.height > 0;
    const int perLine = known ? std::max(1, extent / std::max(1, step)) : INT_MAX;
    const int along = slot % perLine, across = slot / perLine;
    const int column = area.vertical ? across : along, row = area.vertical ? along : across;
    const int x = right ? area.width - area.marginX - area.size - column * step
                        : area.marginX + column * step;
    const int y =
        bottom ? area.height - area.marginY - area.size - row * step : area.marginY + row * step;
    return {x, y, area.size, area.size};
}

void assignIconSlots(Context& context) {
    std::vector<bool> taken;
    const auto take = [&taken](int slot) {
        if (std::size_t(slot) >= taken.size()) taken.resize(std::size_t(slot) + 1);
        taken[std::size_t(slot)] = true;
    };
    for (auto& bar : context.bars) {
        if (!bar->visible || !bar->iconified) {
            bar->iconSlot = -1;
        } else if (bar->iconSlot >= 0) {
            take(bar->iconSlot);
        }
    }
    for (auto& bar : context.bars) {
        if (!bar->visible || !bar->iconified || bar->iconSlot >= 0) continue;
        const auto free = std::find(taken.begin(), taken.end(), false);
        bar->iconSlot = int(free - taken.begin());
        take(bar->iconSlot);
    }
}

void layoutIcons(Context& context) {
    assignIconSlots(context);
    const Globals& g = context.globals;
    IconArea area;
    area.corner = g.iconCorner;
    area.vertical = g.iconsVertical;
    // A margin larger than a third of the area would push the icons out of it.
    area.marginX = std::min(g.iconMarginX, context.windowWidth / 3);
    area.marginY = std::min(g.iconMarginY, context.windowHeight / 3);
    area.width = context.windowWidth;
    area.height = context.windowHeight;
    area.size = fontHeight(g.fontSize, g.fontScaling);
    for (auto& bar : context.bars) {
        bar->layout.icon = bar->iconSlot >= 0 ? iconSlotRect(area, bar->iconSlot) : Rect{};
    }
}

}  // namespace tw
