// A number: an integer, a char, a float or a double without enum entries, or one component of
// a colour, a quaternion or a direction (the row's channel). Writable, it shows [-][+][o] when
// hovered: [-] and [+] step (and repeat while held), a press on the label or on [o] starts the
// rotoslider, a press on the value drags it a step per pixel or, without moving, opens it to
// be typed.
#include <any>
#include <cstdlib>

#include "edit/AutoRepeat.h"
#include "edit/ValueEdit.h"
#include "model/Context.h"
#include "values/ValueText.h"
#include "widgets/NumberRow.h"
#include "widgets/RotoSlider.h"
#include "widgets/RowPaint.h"
#include "widgets/ValueRow.h"

namespace tw {
namespace {

constexpr const char* kRotoSliderHelp =
    "To change a number by turning: press the left button on the number's label, or on its "
    "[o] button, and keep it down. A circle appears around the press point. Move the pointer "
    "around it: turning counter-clockwise increases the value, clockwise decreases it. Near "
    "the centre nothing changes; the farther out the pointer goes, the finer the control. "
    "Release the button to keep the value.";

// A press that moves less than this stays a click.
constexpr int kDragThreshold = 3;
// [-][+][o] need a values column wider than this many buttons; so does the rotoslider.
constexpr int kButtonsRoom = 5;

// What a drag of a number keeps until the release.
struct NumberDrag {
    enum class Mode { Slide, Turn, Hold };
    explicit NumberDrag(Mode how, int x = 0, int y = 0, const RotoTurn& turned = RotoTurn())
        : mode(how), centreX(x), centreY(y), turn(turned) {}

    Mode mode;
    int centreX, centreY;  // Turn: the rotoslider's centre and its turn so far
    RotoTurn turn;
};

double stepOf(const Control& control, int channel) {
    return channel >= 0 ? channelStep(control) : effectiveStep(control);
}

Drag& startDrag(Context& context, Bar& bar, const Row& row, NumberDrag state) {
    Drag& drag = context.input.drag;
    drag = Drag{};
    drag.kind = DragKind::Widget;
    drag.widget = &numberRow();
    drag.bar = &bar;
    drag.control = row.control;
    drag.channel = row.channel;
    drag.hidesRowButtons = state.mode != NumberDrag::Mode::Hold;
    drag.widgetState = state;
    return drag;
}

// Turning the number around (centreX, centreY).
void beginTurn(Context& context, Bar& bar, const Row& row, int centreX, int centreY) {
    Control& control = *row.control;
    const NumberRange range = numberRange(control, row.channel);
    const unsigned char* current = actionValue(context, bar, control);
    if (!current) return;
    const double start = numberOf(control, current, row.channel);
    const NumberDrag state(NumberDrag::Mode::Turn, centreX, centreY,
                           RotoTurn(start, range.lo, range.hi, stepOf(control, row.channel)));
    startDrag(context, bar, row, state).startValue = start;
    context.repaintBar(bar);
}

void beginHold(Context& context, Bar& bar, const Row& row, int direction, int x, int y) {
    HeldPress press;
    press.action = HeldPress::Action::StepNumber;
    press.bar = &bar;
    press.control = row.control;
    press.channel = row.channel;
    press.direction = direction;
    press.x = x;
    press.y = y;
    startDrag(context, bar, row, NumberDrag(NumberDrag::Mode::Hold));
    holdPress(context, press);
    stepControl(context, bar, *row.control, row.channel, direction);
}

class NumberRow final : public ValueRow {
  public:
    // A component fits three digits.
    int valueWidth(const Row& row, const FontFace& face) const override {
        return row.channel >= 0 ? face.measure("255") : ValueRow::valueWidth(row, face);
    }

    void paint(RowPainter& p, const Row& row) const override {
        if (row.channel < 0) return p.textRow(row, p.palette.label, p.valueInk(row), false);
        const Control& control = *row.control;
        p.valueLabel(row, p.palette.label, false);
        Rect field;
        if (!p.valueField(row, field)) return;
        char text[32];
        formatValue(control, control.value.data(), row.channel, text, sizeof text);
        p.valueText(row, text, p.valueInk(row), 0);
    }

    RowButtonSet buttons(const Context& context, const Bar& bar, const Row& row) const override {
        return writableButtons(context, bar, row, kButtonsRoom,
                               {RowButton::Decrement, RowButton::Increment, RowButton::Roto});
    }

    void press(Context& context, Bar& bar, const Row& row, int x, int y,
               bool inValue) const override {
        if (!writable(*row.control)) return;
        if (rowButtonsFit(context, bar, kButtonsRoom)) {
            const int middle = row.rect.y + row.rect.h / 2;
            if (!inValue) return beginTurn(context, bar, row, x, middle);
            const RowButtonSet set = buttons(context, bar, row);
            switch (rowButtonAt(set, x, y)) {
                case RowButton::Roto: {
                    const Rect& roto = *rowButtonRect(set, RowButton::Roto);
                    return beginTurn(context, bar, row, roto.x + roto.w / 2, middle);
                }
                case RowButton::Decrement:
                    return beginHold(context, bar, row, -1, x, y);
                case RowButton::Increment:
                    return beginHold(context, bar, row, 1, x, y);
                default:
                    break;
            }
        }
        if (!inValue) return;
        Control& control = *row.control;
        const unsigned char* current = actionValue(context, bar, control);
        if (!current) return;
        Drag& drag = startDrag(context, bar, row, NumberDrag(NumberDrag::Mode::Slide));
        drag.startX = x;
        drag.startValue = numberOf(control, current, row.channel);
    }

    void drag(Context& context, Drag& drag, int x, int y) const override {
        auto* state = std::any_cast<NumberDrag>(&drag.widgetState);
        if (!state) return;
        switch (state->mode) {
            case NumberDrag::Mode::Slide: {
                const int dx = x - drag.startX;
                if (!drag.moved && std::abs(dx) < kDragThreshold) return;
                drag.moved = true;
                // One step per pixel.
                const double value = drag.startValue + dx * stepOf(*drag.control, drag.channel);
                dragNumber(context, *drag.bar, *drag.control, drag.channel, value);
                return;
            }
            case NumberDrag::Mode::Turn:
                state->turn.follow(x - state->centreX, y - state->centreY);
                // The line to the pointer moves with it, whether the value changed or not.
                context.repaintBar(*drag.bar);
                dragNumber(context, *drag.bar, *drag.control, drag.channel, state->turn.value());
                return;
            case NumberDrag::Mode::Hold:
                return;
        }
    }

    bool release(Context& context, const Drag& drag, const Row*) const override {
        const auto* state = std::any_cast<NumberDrag>(&drag.widgetState);
        if (!state) return false;
        switch (state->mode) {
            case NumberDrag::Mode::Slide:
                // A click that did not drag types a value instead.
                if (!drag.moved) beginTextEdit(context, *drag.bar, *drag.control, drag.channel);
                return false;
            case NumberDrag::Mode::Turn:
                // The circle goes away.
                context.repaintBar(*drag.bar);
                return true;
            case NumberDrag::Mode::Hold:
                return false;
        }
        return false;
    }

    // The circle reaches beyond the bar, which is in front since the press.
    void paintDrag(Painter& painter, const Context& context, const Bar& bar) const override {
        const Drag& drag = context.input.drag;
        const auto* state = std::any_cast<NumberDrag>(&drag.widgetState);
        if (!state || state->mode != NumberDrag::Mode::Turn) return;
        painter.setClip(drawingArea(context));
        paintRotoTurn(painter, state->centreX, state->centreY, state->turn, context.input.mouseX,
                      context.input.mouseY);
        painter.setClip(bar.layout.frame);
    }

    // Return opens the value to be typed; Left and Right step it.
    bool key(Context& context, Bar& bar, const Row& row, int key, bool apply) const override {
        Control& control = *row.control;
        return valueKey(
            control, key, apply, [&] { beginTextEdit(context, bar, control, row.channel); },
            [&](int direction) { stepControl(context, bar, control, row.channel, direction); });
    }

    // The label and [o] turn; the value takes text; [-] and [+] leave the game's cursor.
    PointerCursor cursor(const Context& context, const Bar& bar, const Row& row, int x, int y,
                         bool inValue) const override {
        const Control& control = *row.control;
        if (control.isReadOnly()) return {CursorShape::NotAllowed};
        if (!control.valueRead) return {};
        if (!inValue) {
            return {rowButtonsFit(context, bar, kButtonsRoom) ? CursorShape::Roto
                                                              : CursorShape::Game};
        }
        const RowButton button = rowButtonAt(buttons(context, bar, row), x, y);
        if (button == RowButton::Roto) return {CursorShape::Roto};
        return {button == RowButton::None ? CursorShape::Text : CursorShape::Game};
    }

    // While it turns, the rotating cursor that points along the turn.
    std::optional<PointerCursor> dragCursor(const Drag& drag, int x, int y) const override {
        const auto* state = std::any_cast<NumberDrag>(&drag.widgetState);
        if (!state || state->mode != NumberDrag::Mode::Turn) return std::nullopt;
        return PointerCursor{CursorShape::Roto,
                             rotoCursorIndex(screenAngle(x - state->centreX, y - state->centreY))};
    }

    const char* helpTitle() const override { return "RotoSlider"; }
    const char* helpText() const override { return kRotoSliderHelp; }
};

}  // namespace

const Widget& numberRow() {
    static const NumberRow widget{};
    return widget;
}

}  // namespace tw
