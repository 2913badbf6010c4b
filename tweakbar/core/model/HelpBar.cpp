#include "HelpBar.h"

#include <string>
#include <string_view>

#include "Context.h"

namespace tw {
namespace {

Control& addLine(Bar& help, Control* group, std::string text) {
    auto line = std::make_unique<Control>();
    line->kind = ControlKind::Button;
    line->label = std::move(text);
    line->labelSet = true;
    line->generated = true;
    Control& added = *help.add(std::move(line));
    if (group) help.placeIn(added, group);
    return added;
}

// One line per line of the text.
void addText(Bar& help, Control* group, std::string_view text) {
    while (!text.empty()) {
        const auto end = text.find('\n');
        addLine(help, group, std::string(text.substr(0, end)));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

void addShortcuts(Bar& help, Control* group, const Bar& bar) {
    for (const auto& control : bar.controls) {
        const std::string& label = control->shownLabel();
        if (!control->key.empty()) {
            const bool steps =
                control->kind == ControlKind::Variable && control->typeInfo.kind != ValueKind::Bool;
            addLine(help, group,
                    shortcutText(control->key) + (steps ? "  increases " : "  ") + label);
        }
        if (!control->keyDecr.empty()) {
            addLine(help, group, shortcutText(control->keyDecr) + "  decreases " + label);
        }
        if (!control->help.empty()) addLine(help, group, label + ": " + control->help);
    }
}

}  // namespace

void updateHelpBar(Context& context) {
    Bar* help = context.helpBar();
    if (!help || !context.helpDirty || !help->shown()) return;
    context.helpDirty = false;
    context.removeGenerated(*help);
    addText(*help, nullptr, context.globals.help);
    for (const auto& bar : context.bars) {
        if (bar.get() == help) continue;
        auto heading = std::make_unique<Control>();
        heading->kind = ControlKind::Group;
        heading->generated = true;
        heading->label = bar->title();
        heading->labelSet = true;
        Control* group = help->add(std::move(heading));
        addText(*help, group, bar->help);
        addShortcuts(*help, group, *bar);
        if (group->members.empty()) addLine(*help, group, "(no help or shortcuts)");
    }
    if (help->controls.empty()) addLine(*help, nullptr, "No bars yet.");
    context.changed();
}

}  // namespace tw
