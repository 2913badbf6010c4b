#include "widgets/RowButtons.h"

#include <algorithm>
#include <cmath>

#include "draw/Painter.h"
#include "look/Palette.h"
#include "model/BarLayout.h"
#include "model/Context.h"
#include "values/ValueText.h"
#include "widgets/Widget.h"

namespace tw {
namespace {

// Writes quads into a block of slots, one after the other; what is left stays empty.
class QuadBlock {
  public:
    QuadBlock(Vertex* vertices, const FontAtlas& atlas, const Rect& clip)
        : vertices_(vertices), atlas_(atlas), clip_(clip) {}

    void fill(const Rect& rect, PackedColor color) {
        if (room() && solidQuad(rect, color, clip_, atlas_, next())) ++used_;
    }
    void glyph(const Glyph& glyph, int x, int y, PackedColor color) {
        if (room() && glyphQuad(glyph, x, y, color, clip_, next())) ++used_;
    }
    // A triangle in a quad's place: its fourth corner repeats the third, so the quad's second
    // triangle has no area.
    void triangle(float ax, float ay, float bx, float by, float cx, float cy, PackedColor color) {
        if (!room()) return;
        for (const float x : {ax, bx, cx})
            if (x < float(clip_.x) || x > float(clip_.right())) return;
        for (const float y : {ay, by, cy})
            if (y < float(clip_.y) || y > float(clip_.bottom())) return;
        Vertex* out = next();
        out[0] = {ax, ay, atlas_.whiteU, atlas_.whiteV, color};
        out[1] = {bx, by, atlas_.whiteU, atlas_.whiteV, color};
        out[2] = {cx, cy, atlas_.whiteU, atlas_.whiteV, color};
        out[3] = out[2];
        ++used_;
    }

  private:
    bool room() const { return used_ < kRowButtonQuads; }
    Vertex* next() { return vertices_ + used_ * 4; }

    Vertex* vertices_;
    const FontAtlas& atlas_;
    Rect clip_;
    std::uint32_t used_ = 0;
};

void paintMark(QuadBlock& block, const FontFace& face, RowButton kind, const Rect& area,
               PackedColor ink) {
    const int cx = area.x + area.w / 2, cy = area.y + area.h / 2;
    const int arm = std::max(1, (area.w - 3) / 2);
    const int thick = area.w >= 11 ? 2 : 1;
    switch (kind) {
        case RowButton::Decrement:
            block.fill({cx - arm, cy - thick / 2, 2 * arm + 1, thick}, ink);
            return;
        case RowButton::Increment:
            block.fill({cx - arm, cy - thick / 2, 2 * arm + 1, thick}, ink);
            block.fill({cx - thick / 2, cy - arm, thick, 2 * arm + 1}, ink);
            return;
        case RowButton::Roto: {
            const Glyph& o = face.glyphOf('o');
            block.glyph(o, cx - o.advance / 2, area.y + (area.h - face.lineHeight) / 2, ink);
            return;
        }
        case RowButton::Toggle: {
            // Two small arrowheads back to back: < >.
            const float h = float(arm), x = float(cx), y = float(cy) + 0.5f;
            block.triangle(x - 0.5f, y - h, x - 0.5f, y + h, x - 0.5f - h, y, ink);
            block.triangle(x + 0.5f, y - h, x + 0.5f + h, y, x + 0.5f, y + h, ink);
            return;
        }
        case RowButton::List: {
            const float h = float(arm), x = float(cx) + 0.5f, y = float(cy) - h / 2;
            block.triangle(x - h, y, x + h, y, x, y + h, ink);
            return;
        }
        case RowButton::None:
            return;
    }
}

bool heldOn(const Context& context, const Control& control, int channel, RowButton kind) {
    const HeldPress& held = context.input.held;
    return held.action == HeldPress::Action::StepNumber && held.control == &control &&
           held.channel == channel &&
           (kind == RowButton::Increment ? held.direction > 0
                                         : kind == RowButton::Decrement && held.direction < 0);
}

}  // namespace

int rowButtonWidth(int fontSize, double fontScaling) {
    static constexpr int kWidths[] = {8, 10, 12};
    return int(std::lround(kWidths[std::clamp(fontSize, 1, 3) - 1] * fontScaling));
}

bool rowButtonsFit(const Context& context, const Bar& bar, int room) {
    return bar.layout.valueWidth > room * rowButtonWidth(bar.fontSize, context.globals.fontScaling);
}

RowButtonSet placeRowButtons(const Context& context, const Bar& bar, const Row& row, int room,
                             std::initializer_list<RowButton> kinds) {
    RowButtonSet set;
    if (!rowButtonsFit(context, bar, room)) return set;
    const Rect field = valueField(bar.layout, row);
    const int width = rowButtonWidth(bar.fontSize, context.globals.fontScaling);
    set.count = int(kinds.size());
    int i = 0;
    for (const RowButton kind : kinds) {
        set.kinds[i] = kind;
        set.rects[i] = {field.right() - (set.count - i) * width, field.y, width, field.h};
        ++i;
    }
    return set;
}

RowButtonSet rowButtonsOf(const Context& context, const Bar& bar, const Row& row) {
    return row.widget->buttons(context, bar, row);
}

RowButton rowButtonAt(const RowButtonSet& set, int x, int y) {
    for (int i = 0; i < set.count; ++i)
        if (set.rects[i].contains(x, y)) return set.kinds[i];
    return RowButton::None;
}

const Rect* rowButtonRect(const RowButtonSet& set, RowButton kind) {
    for (int i = 0; i < set.count; ++i)
        if (set.kinds[i] == kind) return &set.rects[i];
    return nullptr;
}

bool rowButtonGreyed(const Control& control, int channel, RowButton kind) {
    if (kind != RowButton::Decrement && kind != RowButton::Increment) return false;
    const double value = numberOf(control, control.value.data(), channel);
    const NumberRange range = numberRange(control, channel);
    return kind == RowButton::Decrement ? value <= range.lo : value >= range.hi;
}

void hoveredRowButtons(Context& context, RowButtonQuads& out) {
    out = RowButtonQuads{};
    const InputState& input = context.input;
    const Hover& hover = input.hover;
    if (!hover.bar || !hover.control || !hover.bar->shown()) return;
    // The field being typed into, and a number being turned or dragged, show no buttons.
    if (input.edit.control == hover.control && input.edit.channel == hover.channel) return;
    if (input.drag.kind == DragKind::Widget && input.drag.hidesRowButtons) return;
    const Segment* segment = context.segments.find(hover.bar);
    const Row* row = shownRow(*hover.bar, hover.control, hover.channel);
    if (!segment || !row || segment->rowButtonSlots == kNoSlot) return;
    const RowButtonSet set = rowButtonsOf(context, *hover.bar, *row);
    if (set.count == 0) return;
    const Bar& bar = *hover.bar;
    const Palette palette = paletteFor(bar);
    const FontFace& face = context.face(bar);
    QuadBlock block(out.vertices, context.backend->atlas(),
                    intersect(bar.layout.frame, valueField(bar.layout, *row)));
    for (int i = 0; i < set.count; ++i) {
        const RowButton kind = set.kinds[i];
        const Rect faceRect{set.rects[i].x + 1, set.rects[i].y, set.rects[i].w - 1, set.rects[i].h};
        const bool held = heldOn(context, *row->control, row->channel, kind);
        block.fill(faceRect, held ? palette.buttonHeld : palette.buttonFace);
        const bool greyed = rowButtonGreyed(*row->control, row->channel, kind);
        paintMark(block, face, kind, faceRect, greyed ? palette.buttonGreyed : palette.buttonInk);
    }
    out.slot = segment->rowButtonSlots;
}

}  // namespace tw
