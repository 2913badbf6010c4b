// The parameters every row has (variables, buttons, separators, groups), and the lookup over
// all the control tables.
#include "params/ControlParams.h"

#include <algorithm>

#include "model/Context.h"
#include "model/Engine.h"
#include "values/ValueText.h"

namespace tw {
namespace {

bool isGroup(const ControlRef& ref) {
    return ref.control.kind == ControlKind::Group;
}

bool isFoldable(const ControlRef& ref) {
    return isGroup(ref) || ref.control.isFoldable();
}

// Buttons press, bools toggle, numbers and enums step.
bool hasShortcut(const ControlRef& ref) {
    if (ref.control.kind == ControlKind::Button) return true;
    const ValueKind kind = kindOf(ref);
    return isNumberVariable(ref) ||
           (isVariable(ref) && (kind == ValueKind::Bool || kind == ValueKind::Enum));
}

bool hasDecrement(const ControlRef& ref) {
    return hasShortcut(ref) && ref.control.kind != ControlKind::Button;
}

bool isBoolVariable(const ControlRef& ref) {
    return isVariable(ref) && kindOf(ref) == ValueKind::Bool;
}

// The help and label set on a struct member's row stand for that member of its struct type,
// which the help bar lists with the type.
void rememberMemberTexts(Context& context, const Control& member) {
    const Control* parent = member.group;
    if (!member.structRoot || !parent || !parent->typeInfo.structType) return;
    const auto position = std::find(parent->members.begin(), parent->members.end(), &member);
    for (auto& type : context.structs) {
        if (type.get() != parent->typeInfo.structType) continue;
        const auto index = std::size_t(position - parent->members.begin());
        if (index >= type->members.size()) return;
        type->members[index].help = member.help;
        type->members[index].label = member.shownLabel();
        context.helpDirty = true;
    }
}

const char* setLabel(Context& context, ControlRef& ref, const ParamValue& value) {
    ref.control.label = std::string(value.text);
    ref.control.labelSet = true;
    rememberMemberTexts(context, ref.control);
    context.structureChanged();
    return nullptr;
}

const char* getLabel(Context&, const ControlRef& ref, ParamOutput& out) {
    return outText(out, ref.control.label);
}

const char* setHelp(Context& context, ControlRef& ref, const ParamValue& value) {
    ref.control.help = std::string(value.text);
    rememberMemberTexts(context, ref.control);
    context.structureChanged();
    return nullptr;
}

const char* getHelp(Context&, const ControlRef& ref, ParamOutput& out) {
    return outText(out, ref.control.help);
}

bool contains(const Control& group, const Control& control) {
    for (const Control* c = &control; c; c = c->group) {
        if (c == &group) return true;
    }
    return false;
}

// Groups are made on first use, at the end of the top level, and vanish with their last member.
const char* setGroup(Context& context, ControlRef& ref, const ParamValue& value) {
    Bar& bar = ref.bar;
    Control& control = ref.control;
    const std::string name(trim(value.text));
    Control* group = nullptr;
    if (!name.empty()) {
        group = bar.find(name.c_str());
        if (group && group->kind != ControlKind::Group) return err::kNotAGroup;
        if (group && contains(control, *group)) return err::kGroupCycle;
        if (!group) {
            auto made = std::make_unique<Control>();
            made->kind = ControlKind::Group;
            made->name = name;
            made->generated = control.generated;
            group = bar.add(std::move(made));
        }
    }
    if (control.group != group) {
        bar.placeIn(control, group);
        std::vector<std::unique_ptr<Control>> emptied;
        bar.dropEmptyGroups(emptied);
        for (auto& gone : emptied) {
            context.input.forget(gone.get());
            retire(std::move(gone));
        }
    }
    context.structureChanged();
    return nullptr;
}

const char* getGroup(Context&, const ControlRef& ref, ParamOutput& out) {
    return outText(out, ref.control.group ? ref.control.group->name : std::string());
}

void setShown(Context& context, ControlRef& ref, bool visible) {
    ref.control.visible = visible;
    if (visible) ref.bar.refreshDue = true;
    if (!visible) context.input.forget(&ref.control);
    context.structureChanged();
}

const char* setVisible(Context& context, ControlRef& ref, const ParamValue& value) {
    setShown(context, ref, value.flag);
    return nullptr;
}

const char* setShow(Context& context, ControlRef& ref, const ParamValue&) {
    setShown(context, ref, true);
    return nullptr;
}

const char* setHide(Context& context, ControlRef& ref, const ParamValue&) {
    setShown(context, ref, false);
    return nullptr;
}

const char* getVisible(Context&, const ControlRef& ref, ParamOutput& out) {
    return outBool(out, ref.control.visible);
}

// On a group, every row inside takes it. A variable bound read-only (TwAddVarRO, or no set
// callback) takes readonly=false without complaint and stays read-only.
void markReadOnly(Context& context, Control& control, bool readOnly) {
    control.readOnlyParam = readOnly;
    if (control.isReadOnly()) context.input.forget(&control);
    for (Control* member : control.members)
        markReadOnly(context, *member, readOnly);
}

const char* setReadOnly(Context& context, ControlRef& ref, const ParamValue& value) {
    markReadOnly(context, ref.control, value.flag);
    context.changed();
    return nullptr;
}

const char* setReadWrite(Context& context, ControlRef& ref, const ParamValue&) {
    markReadOnly(context, ref.control, false);
    context.changed();
    return nullptr;
}

// A group reads read-only only when every row inside is.
bool readOnly(const Control& control) {
    if (control.kind != ControlKind::Group) return control.isReadOnly() || control.readOnlyParam;
    for (const Control* member : control.members) {
        if (!readOnly(*member)) return false;
    }
    return !control.members.empty();
}

const char* getReadOnly(Context&, const ControlRef& ref, ParamOutput& out) {
    return outBool(out, readOnly(ref.control));
}

template <Shortcut Control::*Member>
const char* setKey(Context& context, ControlRef& ref, const ParamValue& value) {
    Shortcut parsed;
    if (!parseShortcut(value.text, parsed)) return err::kBadValue;
    ref.control.*Member = parsed;
    context.structureChanged();
    return nullptr;
}

template <Shortcut Control::*Member>
const char* getKey(Context&, const ControlRef& ref, ParamOutput& out) {
    return outText(out, shortcutText(ref.control.*Member));
}

template <std::string Control::*Member>
const char* setBoolLabel(Context& context, ControlRef& ref, const ParamValue& value) {
    ref.control.*Member = std::string(value.text);
    updateValueText(ref.control);
    context.structureChanged();
    return nullptr;
}

template <std::string Control::*Member>
const char* getBoolLabel(Context&, const ControlRef& ref, ParamOutput& out) {
    return outText(out, ref.control.*Member);
}

void setOpenedTo(Context& context, ControlRef& ref, bool opened) {
    ref.control.opened = opened;
    context.changed();
}

const char* setOpened(Context& context, ControlRef& ref, const ParamValue& value) {
    setOpenedTo(context, ref, value.flag);
    return nullptr;
}

const char* setOpen(Context& context, ControlRef& ref, const ParamValue&) {
    setOpenedTo(context, ref, true);
    return nullptr;
}

const char* setClose(Context& context, ControlRef& ref, const ParamValue&) {
    setOpenedTo(context, ref, false);
    return nullptr;
}

const char* getOpened(Context&, const ControlRef& ref, ParamOutput& out) {
    return outBool(out, ref.control.opened);
}

// Written by engines onto the rows of structures; callers may hand them on as they got them,
// so they are taken and mean nothing here.
const char* acceptInternal(Context&, ControlRef&, const ParamValue&) {
    return nullptr;
}

const ParamDef<ControlRef> kCommonParams[] = {
    {"label", ParamShape::Text, setLabel, getLabel},
    {"help", ParamShape::Text, setHelp, getHelp},
    {"group", ParamShape::TextOrEmpty, setGroup, getGroup},
    {"visible", ParamShape::Bool, setVisible, getVisible},
    {"show", ParamShape::NoValue, setShow, nullptr},
    {"hide", ParamShape::NoValue, setHide, nullptr},
    {"readonly", ParamShape::OptionalBool, setReadOnly, getReadOnly},
    {"readwrite", ParamShape::NoValue, setReadWrite, nullptr},
    {"key|keyincr", ParamShape::TextOrEmpty, setKey<&Control::key>, getKey<&Control::key>,
     hasShortcut},
    {"keydecr", ParamShape::TextOrEmpty, setKey<&Control::keyDecr>, getKey<&Control::keyDecr>,
     hasDecrement},
    {"true", ParamShape::TextOrEmpty, setBoolLabel<&Control::trueLabel>,
     getBoolLabel<&Control::trueLabel>, isBoolVariable},
    {"false", ParamShape::TextOrEmpty, setBoolLabel<&Control::falseLabel>,
     getBoolLabel<&Control::falseLabel>, isBoolVariable},
    {"opened", ParamShape::Bool, setOpened, getOpened, isFoldable},
    {"open", ParamShape::NoValue, setOpen, nullptr, isFoldable},
    {"close", ParamShape::NoValue, setClose, nullptr, isFoldable},
    {"typeid|valptr", ParamShape::TextOrEmpty, acceptInternal, nullptr},
};

}  // namespace

ParamResult setControlParam(Context& context, Bar& bar, Control& control, std::string_view name,
                            std::string_view text) {
    ControlRef ref{bar, control};
    return setFromTable(
        {rowsOf(kCommonParams), numberParamRows(), valueParamRows(), widgetParamRows()}, context,
        ref, name, text);
}

ParamResult getControlParam(Context& context, Bar& bar, Control& control, std::string_view name,
                            ParamOutput& out) {
    const ControlRef ref{bar, control};
    return getFromTable(
        {rowsOf(kCommonParams), numberParamRows(), valueParamRows(), widgetParamRows()}, context,
        ref, name, out);
}

bool controlTakesNoValue(Bar& bar, Control& control, std::string_view name) {
    const ControlRef ref{bar, control};
    return takesNoValueIn(
        {rowsOf(kCommonParams), numberParamRows(), valueParamRows(), widgetParamRows()}, ref, name);
}

}  // namespace tw
