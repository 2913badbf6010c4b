#include "widgets/WidgetTable.h"

#include <array>
#include <cstddef>

#include "model/Control.h"
#include "widgets/NumberRow.h"

namespace tw {

// Each defined in the widget's own file.
const Widget& groupRow();
const Widget& separatorRow();
const Widget& buttonRow();
const Widget& textLine();
const Widget& structRow();
const Widget& colourRow();
const Widget& vectorRow();
const Widget& boolRow();
const Widget& enumRow();
const Widget& textRow();

namespace {

struct Entry {
    bool (*shows)(const Control& control);  // null: every control the entries above leave
    const Widget& (*widget)();
};

// The first entry whose test a control passes shows it.
const Entry kTable[] = {
    {[](const Control& c) { return c.kind == ControlKind::Group; }, groupRow},
    {[](const Control& c) { return c.kind == ControlKind::Separator; }, separatorRow},
    {[](const Control& c) { return c.kind == ControlKind::Button && c.button; }, buttonRow},
    {[](const Control& c) { return c.kind == ControlKind::Button; }, textLine},
    {[](const Control& c) { return c.typeInfo.kind == ValueKind::Struct; }, structRow},
    {[](const Control& c) { return isColor(c.typeInfo.kind); }, colourRow},
    {[](const Control& c) { return isVector(c.typeInfo.kind); }, vectorRow},
    {[](const Control& c) { return c.typeInfo.kind == ValueKind::Bool; }, boolRow},
    {[](const Control& c) { return c.enumEntries() != nullptr; }, enumRow},
    {[](const Control& c) { return isText(c.typeInfo.kind); }, textRow},
    {nullptr, numberRow},
};

constexpr std::size_t kWidgets = sizeof kTable / sizeof kTable[0];

}  // namespace

const Widget& widgetFor(const Control& control) {
    const Entry* entry = kTable;
    while (entry->shows && !entry->shows(control))
        ++entry;
    return entry->widget();
}

WidgetList everyWidget() {
    static const auto widgets = [] {
        std::array<const Widget*, kWidgets> all{};
        for (std::size_t i = 0; i < kWidgets; ++i)
            all[i] = &kTable[i].widget();
        return all;
    }();
    return {widgets.data(), widgets.data() + widgets.size()};
}

}  // namespace tw
