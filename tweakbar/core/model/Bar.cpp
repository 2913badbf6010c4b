#include "model/Bar.h"

#include <algorithm>
#include <cstring>

namespace tw {

const char* buttonAlignName(ButtonAlign align) {
    constexpr const char* kNames[] = {"left", "center", "right"};
    return kNames[int(align)];
}

}  // namespace tw

using tw::Control;
using tw::ControlKind;

Control* CTwBar::find(const char* controlName) const {
    if (!controlName || !*controlName) return nullptr;
    for (const auto& control : controls) {
        if (control->name == controlName) return control.get();
    }
    return nullptr;
}

Control* CTwBar::add(std::unique_ptr<Control> control) {
    Control* added = control.get();
    controls.push_back(std::move(control));
    topLevel.push_back(added);
    return added;
}

namespace {

std::vector<Control*>& containerOf(CTwBar& bar, Control& control) {
    return control.group ? control.group->members : bar.topLevel;
}

void unlink(CTwBar& bar, Control& control) {
    auto& list = containerOf(bar, control);
    list.erase(std::remove(list.begin(), list.end(), &control), list.end());
}

}  // namespace

void CTwBar::placeIn(Control& control, Control* group) {
    unlink(*this, control);
    control.group = group;
    containerOf(*this, control).push_back(&control);
}

void CTwBar::detach(Control& control, std::vector<std::unique_ptr<Control>>& taken) {
    while (!control.members.empty())
        detach(*control.members.back(), taken);
    unlink(*this, control);
    control.removed = true;
    const auto owned = std::find_if(controls.begin(), controls.end(),
                                    [&](const auto& c) { return c.get() == &control; });
    if (owned != controls.end()) {
        taken.push_back(std::move(*owned));
        controls.erase(owned);
    }
}

void CTwBar::dropEmptyGroups(std::vector<std::unique_ptr<Control>>& taken) {
    for (bool dropped = true; dropped;) {
        dropped = false;
        for (const auto& control : controls) {
            if (control->kind == ControlKind::Group && control->members.empty()) {
                detach(*control, taken);
                dropped = true;
                break;
            }
        }
    }
}
