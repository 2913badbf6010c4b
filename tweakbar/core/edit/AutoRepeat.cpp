#include "edit/AutoRepeat.h"

#include <cstdlib>

#include "base/Clock.h"
#include "edit/ValueEdit.h"
#include "model/Context.h"
#include "model/Engine.h"

namespace tw {
namespace {

constexpr double kFirstRepeatDelay = 0.5;
constexpr double kRepeatInterval = 0.1;
// A caller that stopped drawing this long ago has lost the frame; the press is not repeated
// into a burst when it comes back.
constexpr double kDrawGapStops = 1.0;
// Pointer travel from the press that ends the repeats.
constexpr int kRepeatSlack = 4;

}  // namespace

void holdPress(Context& context, const HeldPress& press) {
    const double now = clockSeconds();
    HeldPress& held = context.input.held;
    held = press;
    held.nextAt = now + kFirstRepeatDelay;
    held.lastDrawAt = now;
}

void heldPointerMoved(Context& context, int x, int y) {
    HeldPress& held = context.input.held;
    if (held.action == HeldPress::Action::None) return;
    if (std::abs(x - held.x) > kRepeatSlack || std::abs(y - held.y) > kRepeatSlack) {
        held = HeldPress{};
    }
}

void repeatHeldPress(Context& context, double now) {
    HeldPress& held = context.input.held;
    if (held.action == HeldPress::Action::None) return;
    if (now - held.lastDrawAt > kDrawGapStops) {
        held = HeldPress{};
        return;
    }
    held.lastDrawAt = now;
    // Every repeat due since the last frame, so the count follows the time held and not the
    // frame rate. A set callback may delete the control, which ends the repeats.
    while (held.action != HeldPress::Action::None && now >= held.nextAt) {
        held.nextAt += kRepeatInterval;
        const HeldPress press = held;
        stepControl(context, *press.bar, *press.control, press.channel, press.direction);
        if (engine().context != &context) return;
    }
}

}  // namespace tw
