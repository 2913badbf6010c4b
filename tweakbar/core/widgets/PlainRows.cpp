// Rows without a value: a button (a small square marker and its label, placed as the bar's
// buttonalign says), a line of text (a button without callback; the help bar's lines, whose
// value column holds their keys), and a separator.
#include <algorithm>
#include <string>

#include "edit/ValueEdit.h"
#include "look/Metrics.h"
#include "model/Context.h"
#include "widgets/RowPaint.h"
#include "widgets/Widget.h"

namespace tw {
namespace {

class ButtonRow final : public Widget {
  public:
    void paint(RowPainter& p, const Row& row) const override {
        const Rect& r = row.rect;
        const int left = p.labelLeft(row);
        const int marker = std::max(3, p.face.lineHeight / 3);
        // A button marked read-only is greyed like a read-only value.
        const PackedColor ink = row.control->isReadOnly() ? p.palette.readOnly : p.palette.label;
        p.painter.fill({left, r.y + (r.h - marker) / 2, marker, marker}, ink);
        const std::string& label = row.control->shownLabel();
        const int start = left + marker + 4;
        const int width = p.face.measure(label.c_str());
        int x = start;
        switch (p.bar.buttonAlign) {
            case ButtonAlign::Left:
                break;
            case ButtonAlign::Center:
                x = std::max(start, r.x + (r.w - width) / 2);
                break;
            case ButtonAlign::Right:
                x = std::max(start, r.right() - kValuePadding - width);
                break;
        }
        p.clippedText(r, x, p.textTop(r), label, ink);
    }

    bool highlighted(const Row& row) const override { return !row.control->isReadOnly(); }

    // Pressed, it shows the pressed highlight; it fires when released over the same button.
    void press(Context& context, Bar& bar, const Row& row, int, int, bool) const override {
        if (row.control->isReadOnly()) return;
        Drag& drag = context.input.drag;
        drag = Drag{};
        drag.kind = DragKind::Widget;
        drag.widget = this;
        drag.bar = &bar;
        drag.control = row.control;
        drag.pressedLook = true;
    }

    bool release(Context&, const Drag& drag, const Row* under) const override {
        if (under && under->control == drag.control && drag.control->button) {
            drag.control->button(drag.control->clientData);
        }
        return false;
    }

    // Left, Right and Return fire it, as its shortcut does.
    bool key(Context& context, Bar& bar, const Row& row, int, bool apply) const override {
        if (apply && !row.control->isReadOnly()) runShortcut(context, bar, *row.control, 1);
        return true;
    }

    PointerCursor cursor(const Context&, const Bar&, const Row& row, int, int,
                         bool) const override {
        return {row.control->isReadOnly() ? CursorShape::NotAllowed : CursorShape::Game};
    }
};

// The help bar's lines may have a text in the value column too, which cuts the label at the
// column. A value wider than the column (key names) starts further left, as far as the label
// leaves room.
class TextLine final : public Widget {
  public:
    void paint(RowPainter& p, const Row& row) const override {
        const Rect& r = row.rect;
        const int left = p.labelLeft(row), top = p.textTop(r);
        const Control& control = *row.control;
        const std::string& label = control.shownLabel();
        if (control.valueText.empty()) {
            p.clippedText(r, left, top, label, p.palette.textLine);
            return;
        }
        const int labelRight = left + p.face.measure(label) + p.face.lineHeight / 2;
        const int wanted = r.right() - p.face.measure(control.valueText) - 2 * kValuePadding;
        const int valueX = p.layout.valueX;
        const int start = std::max(std::min(valueX, wanted), std::min(labelRight, valueX));
        p.clippedText({r.x, r.y, start - 2 - r.x, r.h}, left, top, label, p.palette.textLine);
        p.clippedText({start, r.y, r.right() - start, r.h}, start + kValuePadding, top,
                      control.valueText, p.palette.value);
    }
};

// A line across the middle of a row, from just after the label's start to just before the end
// of the value boxes.
class SeparatorRow final : public Widget {
  public:
    void paint(RowPainter& p, const Row& row) const override {
        const Rect& r = row.rect;
        const int left = p.labelLeft(row) + 1;
        p.painter.fill({left, r.y + r.h / 2, r.right() - 1 - left, 1}, p.palette.separator);
    }
};

}  // namespace

const Widget& buttonRow() {
    static const ButtonRow widget{};
    return widget;
}

const Widget& textLine() {
    static const TextLine widget{};
    return widget;
}

const Widget& separatorRow() {
    static const SeparatorRow widget{};
    return widget;
}

}  // namespace tw
