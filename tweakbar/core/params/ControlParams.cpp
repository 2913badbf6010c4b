// The parameters every row has (variables, buttons, separators, groups), and the kind table:
// which parameter tables each kind of row reads, so that a name none of them holds is unknown
// on that row, for reading and writing alike.
#include "params/ControlParams.h"

#include <algorithm>
#include <array>

#include "model/Context.h"
#include "model/Engine.h"
#include "values/ValueText.h"

namespace tw {
namespace {

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
    for (auto& part : control.parts)
        markReadOnly(context, *part, readOnly);
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

// A group, and a row made of pieces, reads read-only only when every row inside is. A
// colour's Mode never follows the colour's own state, so a colour added read-only reads 0
// while its components read 1.
bool readOnly(const Control& control) {
    if (control.kind == ControlKind::Group) {
        return !control.members.empty() &&
               std::all_of(control.members.begin(), control.members.end(),
                           [](const Control* member) { return readOnly(*member); });
    }
    if (!control.parts.empty()) {
        return std::all_of(control.parts.begin(), control.parts.end(),
                           [](const auto& part) { return readOnly(*part); });
    }
    const bool followsOwner =
        control.owner && control.followsOwnerReadOnly && control.owner->isReadOnly();
    return control.isReadOnly() || control.readOnlyParam || followsOwner;
}

const char* getReadOnly(Context&, const ControlRef& ref, ParamOutput& out) {
    return outBool(out, readOnly(ref.control));
}

// The legacy name of colororder, after the graphics APIs: only "ogl" (rgba) is taken.
const char* setOrder(Context& context, ControlRef& ref, const ParamValue& value) {
    if (wordIndex(value.text, {"ogl"}) != 0) return err::kNoReason;
    ref.control.typeInfo.argbOrder = false;
    updateValueText(ref.control);
    context.changed();
    return nullptr;
}

const ParamDef<ControlRef> kEveryRowParams[] = {
    {"label", ParamShape::Text, setLabel, getLabel},
    {"help", ParamShape::Text, setHelp, getHelp},
    {"group", ParamShape::TextOrEmpty, setGroup, getGroup},
    {"visible", ParamShape::Bool, setVisible, getVisible},
    {"show", ParamShape::NoValue, setShow, nullptr},
    {"hide", ParamShape::NoValue, setHide, nullptr},
    {"readonly", ParamShape::OptionalBool, setReadOnly, getReadOnly},
    {"readwrite", ParamShape::NoValue, setReadWrite, nullptr},
    {"order", ParamShape::Free, setOrder, nullptr, isColorVariable},
};

// The kinds of row, and the tables each reads, first match first: value rows (bools, numbers,
// characters, strings, enums, buttons, separators), group rows (groups, and the colour,
// quaternion, direction and struct rows that hold rows), and the pieces of colours and vectors,
// which are value rows with answers of their own.
enum class RowKind { Value, Group, Part };

using KindTables = std::array<ParamRows<ControlRef>, 4>;

const KindTables& tablesOf(RowKind kind) {
    static const ParamRows<ControlRef> none{nullptr, 0};
    static const KindTables kinds[] = {
        {rowsOf(kEveryRowParams), valueRowParams(), numberParams(), none},
        {rowsOf(kEveryRowParams), groupRowParams(), none, none},
        {partParams(), rowsOf(kEveryRowParams), valueRowParams(), numberParams()},
    };
    return kinds[int(kind)];
}

RowKind rowKind(const Control& control) {
    if (control.owner) return RowKind::Part;
    if (control.kind == ControlKind::Group) return RowKind::Group;
    const ValueKind kind = control.typeInfo.kind;
    const bool holdsRows = isColor(kind) || isVector(kind) || kind == ValueKind::Struct;
    return control.kind == ControlKind::Variable && holdsRows ? RowKind::Group : RowKind::Value;
}

}  // namespace

ParamResult setControlParam(Context& context, Bar& bar, Control& control, std::string_view name,
                            std::string_view text) {
    ControlRef ref{bar, control};
    return setFromTable(tablesOf(rowKind(control)), context, ref, name, text);
}

ParamResult getControlParam(Context& context, Bar& bar, Control& control, std::string_view name,
                            ParamOutput& out) {
    const ControlRef ref{bar, control};
    return getFromTable(tablesOf(rowKind(control)), context, ref, name, out);
}

ParamArity controlParamArity(const Control& control, std::string_view name) {
    return arityIn<ControlRef>(tablesOf(rowKind(control)), name);
}

}  // namespace tw
