#include "compose/HelpBar.h"

#include <map>
#include <utility>

#include "base/Clock.h"
#include "base/KeyPress.h"
#include "compose/HelpContents.h"
#include "compose/Layout.h"
#include "look/Metrics.h"
#include "model/Context.h"

namespace tw {
namespace {

constexpr const char* kVersionLine = "atb  1.16";

// The width help text has on the help bar's rows at level 0: from the labels to the end of the
// value boxes.
int wrapWidth(const Context& context, const Bar& help) {
    const BarMetrics metrics = barMetrics(help, context);
    return constrainedFrame(help, context).w - metrics.valuesInset - metrics.labelIndents[0];
}

// A generated group is known across rebuilds by the titles of the groups that lead to it, so
// that one the user opened or closed stays so.
std::string pathOf(const Control& group) {
    std::string path;
    for (const Control* g = &group; g; g = g->group)
        path = g->label + '\n' + path;
    return path;
}

void replaceRows(Context& context, Bar& help, const std::vector<HelpLine>& lines) {
    std::map<std::string, bool> opened;
    for (const auto& control : help.controls) {
        if (control->generated && control->kind == ControlKind::Group) {
            opened[pathOf(*control)] = control->opened;
        }
    }
    context.removeGenerated(help);
    std::vector<Control*> groups;  // the open group of each level
    for (const HelpLine& line : lines) {
        auto row = std::make_unique<Control>();
        row->kind = line.kind == HelpLine::Kind::Group ? ControlKind::Group : ControlKind::Button;
        row->label = line.label;
        row->labelSet = true;
        row->valueText = line.value;
        row->extraDepth = line.indent;
        row->generated = true;
        Control& added = *help.add(std::move(row));
        groups.resize(std::size_t(line.level));
        if (line.level > 0) help.placeIn(added, groups.back());
        if (line.kind == HelpLine::Kind::Group) {
            const auto kept = opened.find(pathOf(added));
            added.opened = kept != opened.end() ? kept->second : line.opened;
            groups.push_back(&added);
        }
    }
}

void expireKeyMessage(Context& context, Bar& help, double now) {
    HelpBarState& state = context.helpState;
    if (state.keyMessage.empty() || now - state.keyPressedAt < kKeyMessageDuration) return;
    state.keyMessage.clear();
    if (help.shown()) context.repaintBar(help);
}

}  // namespace

void updateHelpBar(Context& context) {
    Bar* help = context.helpBar();
    if (!help) return;
    const double now = clockSeconds();
    expireKeyMessage(context, *help, now);
    if (!help->shown()) return;
    HelpBarState& state = context.helpState;
    const int width = wrapWidth(context, *help);
    if (!context.helpDirty && width == state.wrapWidth) return;
    if (state.built && now - state.builtAt < kHelpRebuildInterval) return;
    context.helpDirty = false;
    state.built = true;
    state.builtAt = now;
    state.wrapWidth = width;
    const BarMetrics metrics = barMetrics(*help, context);
    const HelpWrap wrap{context.face(*help), width, metrics.labelIndents};
    std::vector<HelpLine> lines = helpContents(context, wrap);
    if (lines == state.lines) return;
    replaceRows(context, *help, lines);
    state.lines = std::move(lines);
    context.changed();
}

void noteKeyPressed(Context& context, const KeyPress& press) {
    HelpBarState& state = context.helpState;
    state.keyMessage = "Key pressed: " + shortcutText(shortcutOf(press));
    state.keyPressedAt = clockSeconds();
    if (Bar* help = context.helpBar(); help && help->shown()) context.repaintBar(*help);
}

std::string helpBottomLine(const Context& context) {
    const std::string& message = context.helpState.keyMessage;
    return message.empty() ? kVersionLine : message;
}

}  // namespace tw
