#include "compose/HelpContents.h"

#include <algorithm>

#include "draw/WordWrap.h"
#include "model/Context.h"
#include "widgets/WidgetTable.h"

namespace tw {
namespace {

class Builder {
  public:
    Builder(const Context& context, const HelpWrap& wrap) : context_(context), wrap_(wrap) {}

    std::vector<HelpLine> build() {
        const Bar* help = context_.helpBar();
        text(context_.globals.help, 0, 0);
        if (help) text(help->help, 0, 0);
        entry("", "SHORTCUTS", 0, 0);
        for (const auto& bar : context_.bars) {
            if (bar.get() == help || !bar->visible) continue;
            group(bar->title(), 0, true);
            text(bar->help, 1, 0);
            rows(bar->topLevel, 1);
        }
        structures();
        // What the kinds of row explain about themselves, folded.
        for (const Widget* widget : everyWidget()) {
            if (!widget->helpTitle()) continue;
            group(widget->helpTitle(), 0, false);
            text(widget->helpText(), 1, 0);
        }
        return std::move(lines_);
    }

  private:
    void add(HelpLine::Kind kind, std::string label, std::string value, int level, int indent,
             bool opened = true) {
        HelpLine line;
        line.kind = kind;
        line.label = std::move(label);
        line.value = std::move(value);
        line.level = level;
        line.indent = indent;
        line.opened = opened;
        lines_.push_back(std::move(line));
    }
    void text(const std::string& text, int level, int indent) {
        const int width =
            wrap_.width - (indentAt(wrap_.indents, level + indent) - wrap_.indents[0]);
        for (std::string& line : wrapText(wrap_.face, text, width))
            add(HelpLine::Kind::Text, std::move(line), "", level, indent);
    }
    void entry(std::string label, std::string value, int level, int indent) {
        add(HelpLine::Kind::Entry, std::move(label), std::move(value), level, indent);
    }
    void group(std::string title, int level, bool opened) {
        add(HelpLine::Kind::Group, std::move(title), "", level, 0, opened);
    }

    // The rows of a bar or group that have something to say; a group only when it has help
    // or holds such a row.
    void rows(const std::vector<Control*>& controls, int level) {
        for (const Control* control : controls) {
            if (!control->visible || control->isTextLine()) continue;
            if (control->kind == ControlKind::Group) {
                const std::size_t heading = lines_.size();
                group(control->shownLabel(), level, true);
                text(control->help, level + 1, 0);
                rows(control->members, level + 1);
                if (lines_.size() == heading + 1) lines_.pop_back();
                continue;
            }
            // A struct's members are listed with its type; the struct itself only for its help.
            const bool isStruct = control->kind == ControlKind::Variable &&
                                  control->typeInfo.kind == ValueKind::Struct;
            const bool keys = !control->key.empty() || !control->keyDecr.empty();
            if (control->help.empty() && (isStruct || !keys)) continue;
            std::string value;
            if (control->isReadOnly()) {
                value = "(read only)";
            } else if (!isStruct) {
                value = shortcutColumn(*control);
            }
            entry(control->shownLabel(), std::move(value), level, 0);
            text(control->help, level, 1);
        }
    }

    // Named struct types whose members or variables have help.
    void structures() {
        std::vector<const StructType*> listed;
        for (const auto& type : context_.structs) {
            if (!type->name.empty() && !typeHelps(*type).empty()) listed.push_back(type.get());
        }
        if (listed.empty()) return;
        group(listed.size() == 1 ? "Structure" : "Structures", 0, false);
        for (const StructType* type : listed) {
            entry("{" + type->name + "}", "", 1, 0);
            for (const std::string& help : variableHelps(*type))
                text(help, 1, 1);
            for (const StructMember& member : type->members) {
                if (member.help.empty()) continue;
                entry(member.label.empty() ? member.name : member.label, "", 1, 1);
                text(member.help, 1, 2);
            }
        }
    }

    // The helps of every variable of a type (once each), then of its members.
    std::vector<std::string> typeHelps(const StructType& type) const {
        std::vector<std::string> helps = variableHelps(type);
        for (const StructMember& member : type.members) {
            if (!member.help.empty()) helps.push_back(member.help);
        }
        return helps;
    }
    std::vector<std::string> variableHelps(const StructType& type) const {
        std::vector<std::string> helps;
        for (const auto& bar : context_.bars) {
            for (const auto& control : bar->controls) {
                if (control->typeInfo.structType != &type || control->help.empty()) continue;
                if (std::find(helps.begin(), helps.end(), control->help) == helps.end()) {
                    helps.push_back(control->help);
                }
            }
        }
        return helps;
    }

    const Context& context_;
    const HelpWrap& wrap_;
    std::vector<HelpLine> lines_;
};

}  // namespace

std::vector<HelpLine> helpContents(const Context& context, const HelpWrap& wrap) {
    return Builder(context, wrap).build();
}

std::string shortcutColumn(const Control& control) {
    const std::string incr = control.key.empty() ? "(none)" : shortcutText(control.key);
    if (control.keyDecr.empty()) return control.key.empty() ? "" : incr;
    return incr + "  " + shortcutText(control.keyDecr);
}

}  // namespace tw
