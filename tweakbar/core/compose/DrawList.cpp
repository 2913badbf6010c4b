#include "compose/DrawList.h"

#include <algorithm>

#include "base/TextUtil.h"
#include "compose/FurniturePaint.h"
#include "compose/HelpBar.h"
#include "draw/Painter.h"
#include "look/Metrics.h"
#include "look/Palette.h"
#include "model/Context.h"
#include "values/ValueText.h"
#include "widgets/ColourRows.h"
#include "widgets/DropDown.h"
#include "widgets/RotationWidget.h"
#include "widgets/RotoSliderWidget.h"
#include "widgets/RowButtons.h"

namespace tw {

const char* channelName(const Control& control, int channel) {
    static constexpr const char* kQuaternion[] = {"Quat X", "Quat Y", "Quat Z", "Quat S"};
    static constexpr const char* kDirection[] = {"Dir X", "Dir Y", "Dir Z"};
    if (!isVector(control.typeInfo.kind)) return colourRowLabel(channel);
    return componentCount(control.typeInfo.kind) == 4 ? kQuaternion[channel] : kDirection[channel];
}

namespace {
class BarPainter {
  public:
    BarPainter(Painter& painter, const Context& context, const Bar& bar)
        : painter_(painter),
          context_(context),
          bar_(bar),
          layout_(bar.layout),
          face_(context.face(bar)),
          palette_(paletteFor(bar)) {}

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
            if (context_.globals.overlap || !coveredFromAbove(row.rect)) paintRow(row);
        }
        slots.rowButtons = painter_.reserveQuad();
        for (std::uint32_t i = 1; i < kRowButtonQuads; ++i)
            painter_.reserveQuad();
        slots.selection = painter_.reserveQuad();
        slots.caret = painter_.reserveQuad();
        paintScrollbar();
        if (!layout_.bottomLine.empty()) {
            const Rect& line = layout_.bottomLine;
            clippedText(line, line.x + kValuePadding, textTop(line), helpBottomLine(context_),
                        palette_.shortcut);
        }
        paintFurniture(painter_, context_, bar_, face_, palette_);
        painter_.setClip(frame);
        painter_.outline(frame, palette_.border);
        paintRotoSlider(painter_, context_, bar_);
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

    int textTop(const Rect& row) const { return row.y + (row.h - face_.lineHeight) / 2; }

    // Text clipped to an area inside the bar.
    void clippedText(const Rect& area, int x, int y, std::string_view text, PackedColor color) {
        painter_.setClip(intersect(layout_.frame, area));
        painter_.text(face_, x, y, text, color);
        painter_.setClip(layout_.frame);
    }

    void paintTitle() {
        const Rect& title = layout_.title;
        painter_.fill(title, palette_.titleTop, palette_.titleBottom);
        const std::string& text = bar_.title();
        // Between the buttons, which show while the pointer is over the bar.
        const int left = layout_.fontButton.empty() ? title.x + 4 : layout_.fontButton.right() + 4;
        const int right =
            layout_.iconifyButton.empty() ? title.right() - 4 : layout_.iconifyButton.x - 4;
        const int width = face_.measure(text.c_str());
        // Centred when it fits, else from the left and cut at the button.
        const int x = std::max(left, title.x + (title.w - width) / 2);
        clippedText({left, title.y, right - left, title.h},
                    std::min(x, std::max(left, right - width)), textTop(title), text,
                    palette_.titleText);
    }

    // A small box with a minus, or a plus when closed: groups and colours.
    int paintFoldMarker(int x, const Rect& row, bool opened, PackedColor color) {
        const int size = foldMarkerWidth(face_) - 4;
        const Rect box{x, row.y + (row.h - size) / 2, size, size};
        painter_.outline(box, color);
        const int mid = size / 2;
        painter_.fill({box.x + 2, box.y + mid, size - 4, 1}, color);
        if (!opened) painter_.fill({box.x + mid, box.y + 2, 1, size - 4}, color);
        return x + foldMarkerWidth(face_);
    }

    void paintRow(const Row& row) {
        const Rect& r = row.rect;
        const int left = layout_.labelX + row.depth * layout_.indent;
        const int top = textTop(r);
        const Control& control = *row.control;
        switch (row.kind) {
            case RowKind::Group: {
                const int x = paintFoldMarker(left, r, control.opened, palette_.group);
                clippedText(r, x, top, control.shownLabel(), palette_.group);
                return;
            }
            case RowKind::Separator:
                painter_.fill({left, r.y + r.h / 2, r.right() - left, 1}, palette_.separator);
                return;
            case RowKind::Text:
                paintText(row, left, top);
                return;
            case RowKind::Button:
                paintButton(row, left, top);
                return;
            case RowKind::Variable:
            case RowKind::Channel:
                paintVariable(row, left, top);
                return;
            case RowKind::Widget:
                paintRotationWidget(painter_, face_, rotationWidgetArea(layout_, row), control,
                                    widgetIsActive(control));
                return;
        }
    }

    // Under the pointer, or being turned.
    bool widgetIsActive(const Control& control) const {
        const Hover& hover = context_.input.hover;
        const Drag& drag = context_.input.drag;
        return (hover.bar == &bar_ && hover.control == &control && hover.channel == kWidgetRow) ||
               (drag.kind == DragKind::Rotate && drag.control == &control);
    }

    // A line of text across the row; the help bar's lines may have a text in the value column
    // too, which cuts the label at the column. A value wider than the column (key names) starts
    // further left, as far as the label leaves room.
    void paintText(const Row& row, int left, int top) {
        const Rect& r = row.rect;
        const Control& control = *row.control;
        const std::string& label = control.shownLabel();
        if (control.valueText.empty()) {
            clippedText(r, left, top, label, palette_.label);
            return;
        }
        const int labelRight = left + face_.measure(label) + face_.lineHeight / 2;
        const int wanted = r.right() - face_.measure(control.valueText) - 2 * kValuePadding;
        const int start =
            std::max(std::min(layout_.valueX, wanted), std::min(labelRight, layout_.valueX));
        clippedText({r.x, r.y, start - 2 - r.x, r.h}, left, top, label, palette_.label);
        clippedText({start, r.y, r.right() - start, r.h}, start + kValuePadding, top,
                    control.valueText, palette_.shortcut);
    }

    void paintButton(const Row& row, int left, int top) {
        const Rect& r = row.rect;
        const int marker = std::max(3, face_.lineHeight / 3);
        // A button marked read-only is greyed like a read-only value.
        const PackedColor ink = row.control->isReadOnly() ? palette_.readOnly : palette_.label;
        painter_.fill({left, r.y + (r.h - marker) / 2, marker, marker}, ink);
        const std::string& label = row.control->shownLabel();
        const int start = left + marker + 4;
        const int width = face_.measure(label.c_str());
        int x = start;
        switch (bar_.buttonAlign) {
            case ButtonAlign::Left:
                break;
            case ButtonAlign::Center:
                x = std::max(start, r.x + (r.w - width) / 2);
                break;
            case ButtonAlign::Right:
                x = std::max(start, r.right() - kValuePadding - width);
                break;
        }
        clippedText(r, x, top, label, ink);
    }

    void paintVariable(const Row& row, int left, int top) {
        const Rect& r = row.rect;
        const Control& control = *row.control;
        const bool color = isColor(control.typeInfo.kind);
        const PackedColor labelInk =
            control.typeInfo.kind == ValueKind::Struct ? palette_.structLabel : palette_.label;
        int x = left;
        if (control.isFoldable() && row.kind == RowKind::Variable) {
            x = paintFoldMarker(left, r, control.opened, labelInk);
        }
        const Rect labelArea{r.x, r.y, layout_.valueX - 2 - r.x, r.h};
        clippedText(
            labelArea, x, top,
            row.kind == RowKind::Channel ? channelName(control, row.channel) : control.shownLabel(),
            labelInk);

        const Rect field = valueField(layout_, row);
        const TextEdit& edit = context_.input.edit;
        if (edit.bar == &bar_ && edit.control == &control && edit.channel == row.channel) {
            paintEdit(field, top, edit);
            return;
        }
        painter_.fill(field, palette_.field);
        if (!control.valueRead) return;
        const PackedColor ink = control.isReadOnly() && !isColourModeRow(row) ? palette_.readOnly
                                : atBound(control, row.channel)               ? palette_.atBound
                                                                              : palette_.value;
        const int textX = field.x + kValuePadding;
        if (row.kind == RowKind::Channel) {
            char text[32];
            formatValue(control, control.value.data(), row.channel, text, sizeof text);
            clippedText(field, textX, top, text, ink);
        } else if (color) {
            paintColourSwatch(painter_, field, layout_.frame, control);
        } else if (control.typeInfo.kind == ValueKind::Bool && control.valueText.empty()) {
            paintCheck(field, top, readNumber(control.typeInfo, control.value.data()) != 0, ink);
        } else {
            const bool list = control.enumEntries() && !control.isReadOnly();
            const int arrow = list ? face_.lineHeight / 2 + 2 : 0;
            clippedText({field.x, field.y, field.w - kValuePadding - arrow, field.h}, textX, top,
                        control.valueText, ink);
            if (list) paintArrow(field, ink);
        }
    }

    // The selection and the caret are feedback, drawn into the bar's slots.
    void paintEdit(const Rect& field, int top, const TextEdit& edit) {
        painter_.fill(field, palette_.fieldEdit);
        const int x = field.x + kValuePadding - edit.scrollX;
        clippedText(field, x, top, edit.text,
                    edit.readOnly ? palette_.editReadOnly : palette_.editText);
    }

    // A check mark when on, a short dash when off.
    void paintCheck(const Rect& field, int top, bool on, PackedColor ink) {
        painter_.setClip(intersect(layout_.frame, field));
        if (on) {
            painter_.glyph(face_.checkMark, field.x + kValuePadding, top, ink);
        } else {
            painter_.fill({field.x + kValuePadding + 1, field.y + field.h / 2 - 1,
                           std::max(4, field.h / 2), 2},
                          ink);
        }
        painter_.setClip(layout_.frame);
    }

    // A small triangle pointing down at the right of an enum's field.
    void paintArrow(const Rect& field, PackedColor ink) {
        const int size = std::max(2, face_.lineHeight / 4);
        const int x = field.right() - kValuePadding - 2 * size;
        const int y = field.y + (field.h - size) / 2;
        painter_.setClip(intersect(layout_.frame, field));
        for (int i = 0; i < size; ++i)
            painter_.fill({x + i, y + i, 2 * (size - i), 1}, ink);
        painter_.setClip(layout_.frame);
    }

    void paintScrollbar() {
        if (!layout_.scrollable) return;
        painter_.fill(layout_.scrollTrack, palette_.scrollTrack);
        painter_.fill(layout_.scrollThumb, palette_.scrollThumb);
    }

    Painter& painter_;
    const Context& context_;
    const Bar& bar_;
    const BarLayout& layout_;
    const FontFace& face_;
    Palette palette_;
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

bool isInteractive(const Row& row) {
    // A widget shows the pointer over it by its own look.
    return row.kind != RowKind::Separator && row.kind != RowKind::Text &&
           row.kind != RowKind::Widget &&
           !((row.kind == RowKind::Variable || row.kind == RowKind::Button) &&
             row.control->isReadOnly() && !row.control->isFoldable());
}

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
