#include "compose/DrawList.h"

#include <algorithm>
#include <cstring>

#include "compose/Feedback.h"
#include "compose/FurniturePaint.h"
#include "compose/HelpBar.h"
#include "draw/Painter.h"
#include "look/Metrics.h"
#include "look/Palette.h"
#include "look/Shadow.h"
#include "model/Context.h"
#include "widgets/RowButtons.h"
#include "widgets/RowPaint.h"
#include "widgets/Widget.h"

namespace tw {
namespace {

// Over every other bar and icon while a list is open.
constexpr PackedColor kVeil = packColor(0, 0, 0, 0x1F);
// The help bar's version line, and the last key pressed in its place.
constexpr PackedColor kHelpBottomLine = packColor(128, 128, 128, 255);

// While a list is shown, every bar but the list's own one, and every icon, is darkened.
void paintVeil(Painter& painter, const Context& context, const Bar& bar, const Rect& area) {
    if (context.input.popup.bar == &bar || popupArea(context).empty()) return;
    painter.setClip(area);
    painter.fill(area, kVeil);
}

class BarPainter {
  public:
    BarPainter(Painter& painter, const Context& context, const Bar& bar)
        : rows_(painter, context, bar),
          painter_(painter),
          context_(context),
          bar_(bar),
          layout_(bar.layout),
          palette_(rows_.palette),
          pointerOver_(context.input.hover.bar == &bar && !context.input.hover.icon) {}

    BarSlots paint() {
        const Rect& frame = layout_.frame;
        paintOutside();
        painter_.setClip(frame);
        const Palette body = paletteFor(bar_, pointerOver_);
        painter_.fill(frame, CornerColors{body.bodyTopLeft, body.bodyMiddle, body.bodyMiddle,
                                          body.bodyBottomRight});
        paintTitle();
        painter_.fill(layout_.strip, palette_.strip);
        BarSlots slots;
        // Rows do not overlap, so the highlight under all of them looks as it would under its
        // own row alone; the selection band and the caret go over the text of their field.
        slots.hover = painter_.reserveQuad();
        for (std::uint32_t i = 1; i < kHoverQuads; ++i)
            painter_.reserveQuad();
        for (int i = 0; i < layout_.shownCount; ++i) {
            const Row& row = layout_.rows[std::size_t(layout_.firstShown + i)];
            if (context_.globals.overlap || !coveredFromAbove(row.rect)) {
                row.widget->paint(rows_, row);
            }
        }
        slots.rowButtons = painter_.reserveQuad();
        for (std::uint32_t i = 1; i < kRowButtonQuads; ++i)
            painter_.reserveQuad();
        slots.selection = painter_.reserveQuad();
        slots.caret = painter_.reserveQuad();
        paintScrollbar();
        if (!layout_.bottomLine.empty()) {
            const Rect& line = layout_.bottomLine;
            rows_.clippedText(line, line.x + kValuePadding, rows_.textTop(line),
                              helpBottomLine(context_), kHelpBottomLine);
        }
        paintFurniture(painter_, context_, bar_, rows_.face, palette_);
        painter_.setClip(frame);
        painter_.fill({frame.right() - 1, frame.y, 1, frame.h - 1}, palette_.frameEdge);
        painter_.fill({frame.x, frame.bottom() - 1, frame.w, 1}, palette_.frameEdge);
        // What a widget's drag shows over its bar (the rotoslider's circle).
        const Drag& drag = context_.input.drag;
        if (drag.kind == DragKind::Widget && drag.bar == &bar_) {
            drag.widget->paintDrag(painter_, context_, bar_);
        }
        paintVeil(painter_, context_, bar_, frame);
        return slots;
    }

  private:
    // A light line above and left of the bar, and its shadow.
    void paintOutside() {
        const Rect& frame = layout_.frame;
        painter_.setClip({frame.x - 1, frame.y - 1, frame.w + 4, frame.h + 4});
        painter_.fill({frame.x - 1, frame.y - 1, frame.w + 1, 1}, palette_.frameTop);
        painter_.fill({frame.x - 1, frame.y, 1, frame.h}, palette_.frameLeft);
        paintShadow(painter_, frame);
    }

    // Whether a bar drawn above this one (not an icon) lies over part of an area of it.
    bool coveredFromAbove(const Rect& area) const {
        bool above = false, covered = false;
        context_.forEachBackToFront([&](const Bar& other) {
            if (above && other.shown() && !intersect(other.layout.frame, area).empty()) {
                covered = true;
            }
            above = above || &other == &bar_;
        });
        return covered;
    }

    void paintTitle() {
        const Rect& title = layout_.title;
        painter_.fill({title.x, title.y, title.w, 1}, palette_.titleLine);
        painter_.fill({title.x, title.y + 1, title.w, title.h - 1}, palette_.titleTop,
                      palette_.titleBottom);
        const std::string& text = bar_.title();
        // Between the buttons, which show while the pointer is over the bar.
        const int left = layout_.fontButton.empty() ? title.x + 4 : layout_.fontButton.right() + 4;
        const int right =
            layout_.iconifyButton.empty() ? title.right() - 4 : layout_.iconifyButton.x - 4;
        const int width = rows_.face.measure(text.c_str());
        // Centred when it fits, else from the left and cut at the button.
        const int x = std::max(left, title.x + (title.w - width) / 2);
        rows_.clippedText({left, title.y, right - left, title.h},
                          std::min(x, std::max(left, right - width)), rows_.textTop(title), text,
                          palette_.titleText);
    }

    void paintScrollbar() {
        if (!layout_.scrollable) return;
        painter_.fill(layout_.scrollTrack, palette_.scrollTrack);
        painter_.fill(layout_.scrollThumb, palette_.scrollThumb);
    }

    RowPainter rows_;
    Painter& painter_;
    const Context& context_;
    const Bar& bar_;
    const BarLayout& layout_;
    const Palette& palette_;
    const bool pointerOver_;
};

// Small figures of whole pixels for the icons, one string per row, 'X' for ink; one size per
// font size, centred in the square.
constexpr const char* kQuestionMarks[3][7] = {
    {"XX.", "..X", ".X.", "...", ".X."},
    {".XX.", "X..X", "..X.", "..X.", "....", "..X."},
    {".XXX.", "X...X", "....X", "..XX.", "..X..", ".....", "..X.."},
};
constexpr const char* kChevrons[3][4] = {
    {".X.", "X.X"},
    {"..X..", ".X.X.", "X...X"},
    {"...X...", "..X.X..", ".X...X.", "X.....X"},
};

template <std::size_t Rows>
void paintFigure(Painter& painter, const Rect& box, const char* const (&rows)[Rows],
                 PackedColor color) {
    int height = 0, width = 0;
    for (const char* row : rows) {
        if (!row) break;
        ++height;
        width = std::max(width, int(std::strlen(row)));
    }
    const int left = box.x + (box.w - width) / 2, top = box.y + (box.h - height + 1) / 2;
    for (int y = 0; y < height; ++y)
        for (int x = 0; rows[y][x]; ++x)
            if (rows[y][x] == 'X') painter.fill({left + x, top + y, 1, 1}, color);
}

// A square inside the icon's slot: a translucent fill of the bar's colour (grey for the help
// bar) with a lighter bottom line, a white frame, a shadow right and below, and a white figure:
// a question mark for the help bar, a chevron pointing up for the others.
void paintIcon(Painter& painter, const Context& context, const Bar& bar) {
    const BarMetrics metrics = barMetrics(context.globals.fontSize, context.globals.fontScaling);
    const Rect& slot = bar.layout.icon;
    const Rect icon{slot.x + 1, slot.y + 2, metrics.iconSize, metrics.iconSize};
    const bool hot = context.input.hover.bar == &bar && context.input.hover.icon;
    painter.setClip(drawingArea(context));
    const PackedColor shadow = packColor(0, 0, 0, 153);
    painter.fill({icon.right(), icon.y + 1, 1, icon.h}, shadow);
    painter.fill({icon.x + 1, icon.bottom(), icon.w, 1}, shadow);
    const PackedColor fill = bar.isHelp ? packColor(120, 120, 120, 115)
                                        : packColor(bar.color.r, bar.color.g, bar.color.b, 115);
    painter.fill(icon, hot ? withAlpha(fill, 200) : fill);
    painter.fill({icon.x + 1, icon.bottom() - 2, icon.w - 2, 1}, packColor(255, 255, 255, 60));
    painter.outline(icon, packColor(255, 255, 255, hot ? 255 : 153));
    const int size = std::clamp(context.globals.fontSize, 1, 3) - 1;
    if (bar.isHelp) {
        paintFigure(painter, icon, kQuestionMarks[size], kWhite);
    } else {
        paintFigure(painter, icon, kChevrons[size], kWhite);
    }
}

// The title next to the icon under the pointer, on the side away from the nearest edge; drawn
// after every icon so that none covers it.
void paintIconTitle(Painter& painter, const Context& context, const Bar& bar) {
    const Rect& icon = bar.layout.icon;
    const FontFace& face = context.backend->atlas().face(context.globals.fontSize);
    const std::string& title = bar.title();
    const int width = face.measure(title.c_str()) + 2 * kValuePadding + 2;
    const bool left = context.globals.iconCorner == IconCorner::BottomRight ||
                      context.globals.iconCorner == IconCorner::TopRight;
    const Rect tip{left ? icon.x - 4 - width : icon.right() + 4,
                   icon.y + (icon.h - face.lineHeight - 4) / 2, width, face.lineHeight + 4};
    painter.setClip(drawingArea(context));
    painter.fill(tip, packColor(20, 20, 20, 220));
    painter.outline(tip, packColor(255, 255, 255, 60));
    painter.text(face, tip.x + kValuePadding + 1, tip.y + 2, title, kWhite);
}

}  // namespace

BarSlots paintBar(Painter& painter, const Context& context, const Bar& bar) {
    return BarPainter(painter, context, bar).paint();
}

void paintIcons(Painter& painter, const Context& context) {
    for (const auto& bar : context.bars) {
        if (!bar->visible || !bar->iconified) continue;
        paintIcon(painter, context, *bar);
        paintVeil(painter, context, *bar, bar->layout.icon);
    }
    const Hover& hover = context.input.hover;
    if (hover.icon && hover.bar->visible && hover.bar->iconified) {
        paintIconTitle(painter, context, *hover.bar);
    }
}

}  // namespace tw
