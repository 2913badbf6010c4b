// The parameters of one control: variables, buttons, separators and group headings.
#include "Context.h"
#include "Engine.h"
#include "ParamTable.h"
#include "ValueText.h"

namespace tw {
namespace {

struct ControlRef {
    Bar& bar;
    Control& control;
};

bool isVariable(const ControlRef& ref) {
    return ref.control.kind == ControlKind::Variable;
}

ValueKind kindOf(const ControlRef& ref) {
    return ref.control.typeInfo.kind;
}

bool isRangedNumber(const ControlRef& ref) {
    const ValueKind kind = kindOf(ref);
    return isVariable(ref) && (kind == ValueKind::Integer || kind == ValueKind::Char ||
                               kind == ValueKind::Float || kind == ValueKind::Double);
}

bool isReal(const ControlRef& ref) {
    return isVariable(ref) && (kindOf(ref) == ValueKind::Float ||
                               kindOf(ref) == ValueKind::Double || isVector(kindOf(ref)));
}

bool isInteger(const ControlRef& ref) {
    return isVariable(ref) && (kindOf(ref) == ValueKind::Integer || kindOf(ref) == ValueKind::Char);
}

bool isBool(const ControlRef& ref) {
    return isVariable(ref) && kindOf(ref) == ValueKind::Bool;
}

bool isSteppable(const ControlRef& ref) {
    return isRangedNumber(ref) || kindOf(ref) == ValueKind::Enum;
}

bool hasShortcut(const ControlRef& ref) {
    return ref.control.kind == ControlKind::Button || isBool(ref) ||
           (isVariable(ref) && isSteppable(ref));
}

bool canHaveEnum(const ControlRef& ref) {
    return isVariable(ref) && (kindOf(ref) == ValueKind::Integer || kindOf(ref) == ValueKind::Enum);
}

bool isFoldable(const ControlRef& ref) {
    return ref.control.kind == ControlKind::Group || ref.control.isFoldable();
}

bool isColorRow(const ControlRef& ref) {
    return isVariable(ref) && isColor(kindOf(ref));
}

void shownChanged(Context& context, Control& control) {
    updateValueText(control);
    context.structureChanged();
}

const char* setLabel(Context& context, ControlRef& ref, const ParamValue& value) {
    ref.control.label = std::string(value.text);
    ref.control.labelSet = true;
    context.structureChanged();
    return nullptr;
}

void getLabel(const Context&, const ControlRef& ref, ParamOutput& out) {
    outText(out, ref.control.label);
}

const char* setHelp(Context& context, ControlRef& ref, const ParamValue& value) {
    ref.control.help = std::string(value.text);
    context.structureChanged();
    return nullptr;
}

void getHelp(const Context&, const ControlRef& ref, ParamOutput& out) {
    outText(out, ref.control.help);
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

void getGroup(const Context&, const ControlRef& ref, ParamOutput& out) {
    outText(out, ref.control.group ? ref.control.group->name : std::string());
}

const char* setVisible(Context& context, ControlRef& ref, const ParamValue& value) {
    ref.control.visible = value.flag;
    if (value.flag) ref.bar.refreshDue = true;
    if (!value.flag) context.input.forget(&ref.control);
    context.structureChanged();
    return nullptr;
}

void getVisible(const Context&, const ControlRef& ref, ParamOutput& out) {
    outBool(out, ref.control.visible);
}

const char* setReadOnly(Context& context, ControlRef& ref, const ParamValue& value) {
    Control& control = ref.control;
    if (!value.flag && control.isBoundReadOnly()) return err::kBoundReadOnly;
    control.readOnlyParam = value.flag;
    if (control.isReadOnly()) context.input.forget(&control);
    context.changed();
    return nullptr;
}

void getReadOnly(const Context&, const ControlRef& ref, ParamOutput& out) {
    outBool(out, ref.control.isReadOnly());
}

const char* setMin(Context& context, ControlRef& ref, const ParamValue& value) {
    Control& control = ref.control;
    if (value.numbers[0] > effectiveMax(control)) return err::kBadValue;
    control.min = value.numbers[0];
    control.minSet = true;
    context.changed();
    return nullptr;
}

void getMin(const Context&, const ControlRef& ref, ParamOutput& out) {
    outNumbers(out, effectiveMin(ref.control));
}

const char* setMax(Context& context, ControlRef& ref, const ParamValue& value) {
    Control& control = ref.control;
    if (value.numbers[0] < effectiveMin(control)) return err::kBadValue;
    control.max = value.numbers[0];
    control.maxSet = true;
    context.changed();
    return nullptr;
}

void getMax(const Context&, const ControlRef& ref, ParamOutput& out) {
    outNumbers(out, effectiveMax(ref.control));
}

const char* setStep(Context& context, ControlRef& ref, const ParamValue& value) {
    if (!(value.numbers[0] > 0)) return err::kBadValue;
    ref.control.step = value.numbers[0];
    ref.control.stepSet = true;
    shownChanged(context, ref.control);
    return nullptr;
}

void getStep(const Context&, const ControlRef& ref, ParamOutput& out) {
    outNumbers(out, effectiveStep(ref.control));
}

const char* setPrecision(Context& context, ControlRef& ref, const ParamValue& value) {
    if (!inRange(value.numbers[0], -1, 12)) return err::kBadValue;
    ref.control.precision = int(value.numbers[0]);
    shownChanged(context, ref.control);
    return nullptr;
}

void getPrecision(const Context&, const ControlRef& ref, ParamOutput& out) {
    outNumbers(out, effectivePrecision(ref.control));
}

const char* setHexa(Context& context, ControlRef& ref, const ParamValue& value) {
    ref.control.hexa = value.flag;
    shownChanged(context, ref.control);
    return nullptr;
}

void getHexa(const Context&, const ControlRef& ref, ParamOutput& out) {
    outBool(out, ref.control.hexa);
}

template <Shortcut Control::*Member>
const char* setKey(Context& context, ControlRef& ref, const ParamValue& value) {
    Shortcut parsed;
    if (!parseShortcut(value.text, parsed)) return err::kBadShortcut;
    ref.control.*Member = parsed;
    context.structureChanged();
    return nullptr;
}

template <Shortcut Control::*Member>
void getKey(const Context&, const ControlRef& ref, ParamOutput& out) {
    outText(out, (ref.control.*Member).text);
}

template <std::string Control::*Member>
const char* setBoolLabel(Context& context, ControlRef& ref, const ParamValue& value) {
    ref.control.*Member = std::string(value.text);
    ref.control.boolLabelsSet = true;
    shownChanged(context, ref.control);
    return nullptr;
}

template <std::string Control::*Member>
void getBoolLabel(const Context&, const ControlRef& ref, ParamOutput& out) {
    outText(out, ref.control.*Member);
}

const char* setOpened(Context& context, ControlRef& ref, const ParamValue& value) {
    ref.control.opened = value.flag;
    context.changed();
    return nullptr;
}

void getOpened(const Context&, const ControlRef& ref, ParamOutput& out) {
    outBool(out, ref.control.opened);
}

// "0 {Low}, 1 {Medium}, 5 {High}", or plain labels numbered from 0 ("Low, Medium, High").
bool parseEnum(std::string_view text, std::vector<EnumEntry>& entries) {
    entries.clear();
    int next = 0;
    while (!trim(text).empty()) {
        std::string_view item = text;
        std::size_t consumed = text.size();
        const auto open = item.find('{');
        const auto comma = item.find(',');
        if (open != std::string_view::npos && (comma == std::string_view::npos || open < comma)) {
            const auto close = item.find('}', open);
            if (close == std::string_view::npos) return false;
            double number = 0;
            if (!parseNumber(item.substr(0, open), number)) return false;
            EnumEntry entry{roundToInt(number),
                            std::string(item.substr(open + 1, close - open - 1))};
            const auto after = item.find(',', close);
            if (!trim(item.substr(close + 1, after == std::string_view::npos
                                                 ? std::string_view::npos
                                                 : after - close - 1))
                     .empty()) {
                return false;
            }
            consumed = after == std::string_view::npos ? text.size() : after + 1;
            next = entry.value + 1;
            entries.push_back(std::move(entry));
        } else {
            const std::string_view label =
                trim(comma == std::string_view::npos ? item : item.substr(0, comma));
            consumed = comma == std::string_view::npos ? text.size() : comma + 1;
            if (label.empty()) return false;
            entries.push_back({next++, std::string(label)});
        }
        text.remove_prefix(consumed);
    }
    return true;
}

const char* setEnum(Context& context, ControlRef& ref, const ParamValue& value) {
    std::vector<EnumEntry> entries;
    if (!parseEnum(value.text, entries)) return err::kBadValue;
    sortEntries(entries);
    ref.control.ownEnum = std::move(entries);
    ref.control.ownEnumSet = true;
    shownChanged(context, ref.control);
    return nullptr;
}

void getEnum(const Context&, const ControlRef& ref, ParamOutput& out) {
    std::string text;
    if (const auto* entries = ref.control.enumEntries()) {
        for (const auto& entry : *entries) {
            if (!text.empty()) text += ", ";
            text += std::to_string(entry.value) + " {" + entry.label + "}";
        }
    }
    outText(out, std::move(text));
}

// How a COLOR32 is packed: "rgba" is 0xAABBGGRR (bytes R, G, B, A), "argb" 0xAARRGGBB. The
// legacy parameter "order" names them after the graphics APIs that use them: ogl and dx.
template <const char* Rgba, const char* Argb>
const char* setColorOrder(Context& context, ControlRef& ref, const ParamValue& value) {
    const std::string_view order = trim(value.text);
    if (!equalsNoCase(order, Rgba) && !equalsNoCase(order, Argb)) return err::kBadValue;
    ref.control.typeInfo.argbOrder = equalsNoCase(order, Argb);
    // The cached bytes stay; they now mean other channels.
    shownChanged(context, ref.control);
    return nullptr;
}

template <const char* Rgba, const char* Argb>
void getColorOrder(const Context&, const ControlRef& ref, ParamOutput& out) {
    outText(out, ref.control.typeInfo.argbOrder ? Argb : Rgba);
}

constexpr char kRgba[] = "rgba", kArgb[] = "argb", kOgl[] = "ogl", kDx[] = "dx";

const ParamDef<ControlRef> kControlParams[] = {
    {"label", ParamShape::Text, setLabel, getLabel},
    {"help", ParamShape::Text, setHelp, getHelp},
    {"group", ParamShape::Text, setGroup, getGroup},
    {"visible", ParamShape::Bool, setVisible, getVisible},
    {"readonly", ParamShape::Bool, setReadOnly, getReadOnly, isVariable},
    {"min", ParamShape::Real, setMin, getMin, isRangedNumber},
    {"max", ParamShape::Real, setMax, getMax, isRangedNumber},
    {"step", ParamShape::Real, setStep, getStep, isRangedNumber},
    {"precision", ParamShape::Integer, setPrecision, getPrecision, isReal},
    {"hexa", ParamShape::Bool, setHexa, getHexa, isInteger},
    {"key", ParamShape::Text, setKey<&Control::key>, getKey<&Control::key>, hasShortcut},
    {"keyincr", ParamShape::Text, setKey<&Control::key>, getKey<&Control::key>, isSteppable},
    {"keydecr", ParamShape::Text, setKey<&Control::keyDecr>, getKey<&Control::keyDecr>,
     isSteppable},
    {"true", ParamShape::Text, setBoolLabel<&Control::trueLabel>, getBoolLabel<&Control::trueLabel>,
     isBool},
    {"false", ParamShape::Text, setBoolLabel<&Control::falseLabel>,
     getBoolLabel<&Control::falseLabel>, isBool},
    {"opened", ParamShape::Bool, setOpened, getOpened, isFoldable},
    {"enum", ParamShape::Text, setEnum, getEnum, canHaveEnum},
    {"colororder", ParamShape::Text, setColorOrder<kRgba, kArgb>, getColorOrder<kRgba, kArgb>,
     isColorRow},
    {"order", ParamShape::Text, setColorOrder<kOgl, kDx>, getColorOrder<kOgl, kDx>, isColorRow},
};

}  // namespace

const char* setControlParam(Context& context, Bar& bar, Control& control, std::string_view name,
                            const ParamInput& input, const char* unknownText) {
    ControlRef ref{bar, control};
    return setFromTable(kControlParams, context, ref, name, input, unknownText);
}

const char* getControlParam(const Context& context, const Bar& bar, const Control& control,
                            std::string_view name, ParamOutput& out) {
    const ControlRef ref{const_cast<Bar&>(bar), const_cast<Control&>(control)};
    return getFromTable(kControlParams, context, ref, name, out);
}

}  // namespace tw
