#include "compose/DrawList.h"

#include <algorithm>

#include "compose/FurniturePaint.h"
#include "compose/HelpBar.h"
#include "draw/Painter.h"
#include "look/Metrics.h"
#include "look/Palette.h"
#include "model/Context.h"
#include "widgets/RowButtons.h"
#include "widgets/RowPaint.h"
#include "widgets/Widget.h"

namespace tw {
namespace {

// Over every other bar and icon while a list is open.
constexpr PackedColor kVeil = packColor(0, 0, 0, 0x1F);

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
          palette_(rows_.palette) {}

    BarSlots paint() {
        const Rect& frame = layout_.frame;
        // The shadow falls outside the bar only, so it never darkens a translucent body.
        painter_.setClip({frame.x, frame.y, frame.w + 3, frame.h + 3});
        painter_.fill({frame.right(), frame.y + 3, 3, frame.h}, palette_.shadow);
        painter_.fill({frame.x + 3, frame.bottom(), frame.w - 3, 3}, palette_.shadow);
        painter_.setClip(frame);
        painter_.fill({frame.x, layout_.title.bottom(), frame.w, frame.h - layout_.title.h},
                      palette_.body);
        paintTitle();
        BarSlots slots;
        // Rows do not overlap, so the highlight under all of them looks as it would under its
        // own row alone; the selection band and the caret go over the text of their field.
        slots.hover = painter_.reserveQuad();
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
                              helpBottomLine(context_), palette_.shortcut);
        }
        paintFurniture(painter_, context_, bar_, rows_.face, palette_);
        painter_.setClip(frame);
        painter_.outline(frame, palette_.border);
        // What a widget's drag shows over its bar (the rotoslider's circle).
        const Drag& drag = context_.input.drag;
        if (drag.kind == DragKind::Widget && drag.bar == &bar_) {
            drag.widget->paintDrag(painter_, context_, bar_);
        }
        paintVeil(painter_, context_, bar_, frame);
        return slots;
    }

  private:
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
        painter_.fill(title, palette_.titleTop, palette_.titleBottom);
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
};

void paintIcon(Painter& painter, const Context& context, const Bar& bar) {
    const Rect& icon = bar.layout.icon;
    const FontFace& face = context.backend->atlas().face(context.globals.fontSize);
    const Palette palette = paletteFor(bar);
    const bool hot = context.input.hover.bar == &bar && context.input.hover.icon;
    painter.setClip(drawingArea(context));
    painter.fill({icon.right(), icon.y + 2, 2, icon.h}, palette.shadow);
    painter.fill({icon.x + 2, icon.bottom(), icon.w - 2, 2}, palette.shadow);
    const PackedColor base = packColor(bar.color.r, bar.color.g, bar.color.b, 255);
    painter.fill(icon, withAlpha(mix(base, kWhite, 0.15f), 225),
                 withAlpha(mix(base, kBlack, 0.3f), 225));
    painter.fill({icon.x, icon.y, icon.w, std::max(3, icon.h / 5)}, withAlpha(kWhite, 70));
    painter.outline(icon, hot ? packColor(255, 255, 255, 230) : palette.border);
    // The help bar is a question mark; other bars an arrow that points where they open to.
    if (bar.isHelp) {
        const Glyph& g = face.glyphs[static_cast<unsigned char>('?')];
        painter.text(face, icon.x + (icon.w - g.advance) / 2,
                     icon.y + (icon.h - face.lineHeight) / 2, "?", kWhite);
    } else {
        const Rect head =
            paintArrowGlyph(painter, {icon.x, icon.y + 2, icon.w, icon.h / 2 + 1}, true, kWhite);
        const int stem = std::max(1, icon.w / 6) | 1;
        painter.fill({head.x + head.w / 2 - stem / 2, head.bottom(), stem,
                      icon.bottom() - 3 - head.bottom()},
                     kWhite);
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
