#include "input/HitTest.h"

#include "model/Context.h"
#include "widgets/Widget.h"

namespace tw {
namespace {

// The square at each corner of a resizable bar that starts a resize.
constexpr int kCornerSize = 7;

Hit hitBar(Bar& bar, int x, int y) {
    const BarLayout& layout = bar.layout;
    if (!layout.frame.contains(x, y)) return {};
    Hit hit;
    hit.bar = &bar;
    if (layout.iconifyButton.contains(x, y)) {
        hit.zone = Zone::IconifyButton;
        return hit;
    }
    if (layout.fontButton.contains(x, y)) {
        hit.zone = Zone::FontButton;
        return hit;
    }
    if (bar.resizable) {
        const Rect& f = layout.frame;
        const bool left = x < f.x + kCornerSize, right = x >= f.right() - kCornerSize;
        const bool top = y < f.y + kCornerSize, bottom = y >= f.bottom() - kCornerSize;
        if ((left || right) && (top || bottom)) {
            hit.zone = Zone::Corner;
            hit.corner = (left ? CornerLeft : 0) | (top ? CornerTop : 0);
            return hit;
        }
    }
    if (layout.title.contains(x, y)) {
        const int end = 2 * layout.rowHeight;
        const bool middle = x >= layout.title.x + end && x < layout.title.right() - end;
        hit.zone = middle ? Zone::Title : Zone::TitleEnd;
        return hit;
    }
    if (layout.scrollable) {
        hit.zone = layout.scrollUp.contains(x, y)      ? Zone::ScrollUp
                   : layout.scrollDown.contains(x, y)  ? Zone::ScrollDown
                   : layout.scrollThumb.contains(x, y) ? Zone::ScrollThumb
                   : layout.scrollTrack.contains(x, y) ? Zone::ScrollTrack
                                                       : Zone::None;
        if (hit.zone != Zone::None) return hit;
    }
    hit.zone = layout.valuesGrip.contains(x, y)  ? Zone::ValuesGrip
               : layout.fitLabels.contains(x, y) ? Zone::FitLabels
               : layout.fitValues.contains(x, y) ? Zone::FitValues
                                                 : Zone::None;
    if (hit.zone != Zone::None) return hit;
    for (int i = 0; i < layout.shownCount; ++i) {
        const Row& row = layout.rows[std::size_t(layout.firstShown + i)];
        if (row.rect.contains(x, y)) {
            hit.zone = Zone::Row;
            hit.row = &row;
            hit.inValue = x >= layout.valueX;
            return hit;
        }
    }
    hit.zone = Zone::Body;
    return hit;
}

}  // namespace

Hit hitTest(const Context& context, int x, int y) {
    Hit hit;
    if (popupArea(context).contains(x, y)) {
        hit.zone = Zone::Popup;
        hit.bar = context.input.popup.bar;
        return hit;
    }
    for (const auto& bar : context.bars) {
        if (bar->visible && bar->iconified && bar->layout.icon.contains(x, y)) {
            hit.zone = Zone::Icon;
            hit.bar = bar.get();
            return hit;
        }
    }
    // Front to back: alwaystop bars, the others from the last raised, then alwaysbottom bars.
    for (int pass = 2; pass >= 0; --pass) {
        for (auto it = context.stacking.rbegin(); it != context.stacking.rend(); ++it) {
            Bar& bar = **it;
            if (Context::layerOf(bar) != pass || !bar.shown()) continue;
            hit = hitBar(bar, x, y);
            if (hit.zone != Zone::None) return hit;
        }
    }
    return {};
}

Hover hoverOf(const Hit& hit) {
    Hover hover;
    if (hit.zone == Zone::None || hit.zone == Zone::Popup) return hover;
    hover.bar = hit.bar;
    hover.icon = hit.zone == Zone::Icon;
    hover.iconifyButton = hit.zone == Zone::IconifyButton;
    hover.fontButton = hit.zone == Zone::FontButton;
    hover.fitStrip = hit.zone == Zone::FitLabels || hit.zone == Zone::FitValues;
    if (hit.row) {
        hover.control = hit.row->control;
        hover.channel = hit.row->channel;
    }
    return hover;
}

}  // namespace tw
