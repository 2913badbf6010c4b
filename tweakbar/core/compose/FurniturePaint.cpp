#include "compose/FurniturePaint.h"

#include <algorithm>
#include <string>

#include "compose/ShortcutLine.h"
#include "draw/Painter.h"
#include "look/Metrics.h"
#include "look/Palette.h"
#include "model/Context.h"

namespace tw {
namespace {

constexpr int kHandleLength = 7;  // as long as the corner that resizes

bool isHovered(const Context& context, const Bar& bar) {
    return context.input.hover.bar == &bar && !context.input.hover.icon;
}

void paintButtonBox(Painter& painter, const Rect& box, bool hot, const Palette& palette) {
    if (hot) painter.fill(box, withAlpha(palette.titleText, 70));
    painter.outline(box, withAlpha(palette.titleText, 150));
}

// A capital F of bars, so that it stays crisp at every size.
void paintFontButton(Painter& painter, const Rect& b, bool hot, const Palette& palette) {
    paintButtonBox(painter, b, hot, palette);
    const Rect inner = b.inset(2, 2);
    const int stroke = std::max(1, b.w / 8), x = inner.x + 1;
    painter.fill({x, inner.y, stroke, inner.h}, palette.titleText);
    painter.fill({x, inner.y, inner.w - 1, stroke}, palette.titleText);
    painter.fill({x, inner.y + inner.h / 2 - stroke / 2, inner.w * 2 / 3, stroke},
                 palette.titleText);
}

void paintCornerHandles(Painter& painter, const Rect& f, PackedColor ink) {
    const int n = kHandleLength;
    for (const bool left : {true, false}) {
        const int x = left ? f.x : f.right() - 2, across = left ? f.x : f.right() - n;
        for (const bool top : {true, false}) {
            const int y = top ? f.y : f.bottom() - 2, down = top ? f.y : f.bottom() - n;
            painter.fill({across, y, n, 2}, ink);
            painter.fill({x, down, 2, n}, ink);
        }
    }
}

void paintValuesGrip(Painter& painter, const Rect& grip, PackedColor ink) {
    const int mid = grip.x + grip.w / 2;
    painter.fill({mid - 1, grip.y + 1, 1, grip.h - 2}, ink);
    painter.fill({mid + 1, grip.y + 1, 1, grip.h - 2}, ink);
}

void paintScrollArrows(Painter& painter, const BarLayout& layout, const Palette& palette) {
    for (const bool up : {true, false}) {
        const Rect& end = up ? layout.scrollUp : layout.scrollDown;
        painter.fill(end, palette.scrollTrack);
        paintArrowGlyph(painter, end.inset(1, 1), up, palette.scrollThumb);
    }
}

void paintShortcutLine(Painter& painter, const Context& context, const Bar& bar,
                       const FontFace& face, const Palette& palette) {
    // The help bar's line shows the last key pressed instead.
    const std::string text = bar.isHelp ? std::string() : bottomLineText(context.input.hover);
    if (text.empty()) return;
    const Rect& line = bar.layout.shortcutLine;
    painter.setClip(intersect(bar.layout.frame, line));
    painter.text(face, line.x + kValuePadding, line.y + (line.h - face.lineHeight) / 2, text,
                 palette.shortcut);
    painter.setClip(bar.layout.frame);
}

void repaintShown(Context& context, Bar* bar) {
    if (bar && bar->shown()) context.repaintBar(*bar);
}

}  // namespace

Rect paintArrowGlyph(Painter& painter, const Rect& box, bool up, PackedColor color) {
    const int rows = std::max(2, (std::min(box.w, box.h) + 1) / 2);
    const int cx = box.x + box.w / 2, top = box.y + (box.h - rows) / 2;
    for (int i = 0; i < rows; ++i) {
        const int half = up ? i : rows - 1 - i;
        painter.fill({cx - half, top + i, 2 * half + 1, 1}, color);
    }
    return {cx - (rows - 1), top, 2 * rows - 1, rows};
}

void paintFurniture(Painter& painter, const Context& context, const Bar& bar, const FontFace& face,
                    const Palette& palette) {
    const BarLayout& layout = bar.layout;
    painter.setClip(layout.frame);
    if (!isHovered(context, bar)) return;
    if (layout.scrollable) paintScrollArrows(painter, layout, palette);
    const Hover& hover = context.input.hover;
    if (!layout.fontButton.empty()) {
        paintFontButton(painter, layout.fontButton, hover.fontButton, palette);
    }
    if (!layout.iconifyButton.empty()) {
        const Rect& b = layout.iconifyButton;
        paintButtonBox(painter, b, hover.iconifyButton, palette);
        paintArrowGlyph(painter, b.inset(2, 2), false, palette.titleText);
    }
    if (bar.resizable) paintCornerHandles(painter, layout.frame, withAlpha(palette.label, 150));
    paintValuesGrip(painter, layout.valuesGrip, withAlpha(palette.label, 140));
    paintShortcutLine(painter, context, bar, face, palette);
}

void repaintFurnitureOnHover(Context& context, const Hover& was, const Hover& now) {
    if (was.bar != now.bar) {
        repaintShown(context, was.bar);
        repaintShown(context, now.bar);
        return;
    }
    if (was.iconifyButton != now.iconifyButton || was.fontButton != now.fontButton ||
        bottomLineText(was) != bottomLineText(now)) {
        repaintShown(context, now.bar);
    }
}

}  // namespace tw
