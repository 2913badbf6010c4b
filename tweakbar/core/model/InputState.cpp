#include "model/InputState.h"

namespace tw {

void InputState::forget(const Bar* bar) {
    if (hover.bar == bar) hover = Hover{};
    if (drag.bar == bar) drag = Drag{};
    if (edit.bar == bar) edit = TextEdit{};
    if (popup.bar == bar) popup = EnumPopup{};
    if (held.bar == bar) held = HeldPress{};
}

void InputState::forget(const Control* control) {
    if (hover.control == control) hover = Hover{};
    if (drag.control == control) drag = Drag{};
    if (edit.control == control) edit = TextEdit{};
    if (popup.control == control) popup = EnumPopup{};
    if (held.control == control) held = HeldPress{};
}

}  // namespace tw
