// The parameters that reach a variable's value: "value" itself, and the entries of enums.
#include <algorithm>
#include <cstring>
#include <vector>

#include "model/Context.h"
#include "model/Engine.h"
#include "params/ControlParams.h"
#include "params/EnumText.h"
#include "values/ClientStrings.h"
#include "values/Refresh.h"
#include "values/ValueText.h"

namespace tw {
namespace {

bool hasEnumEntries(const ControlRef& ref) {
    return isVariable(ref) && (kindOf(ref) == ValueKind::Enum || kindOf(ref) == ValueKind::Integer);
}

// Entries given to an enum type replace those of every variable of that type; an integer
// variable keeps a list of its own.
const char* setEnum(Context& context, ControlRef& ref, const ParamValue& value) {
    std::vector<EnumEntry> entries;
    if (!parseEnumText(value.text, entries)) return err::kBadValue;
    sortEntries(entries);
    Control& control = ref.control;
    if (const EnumType* type = control.typeInfo.enumType) {
        for (auto& registered : context.enums) {
            if (registered.get() == type) registered->entries = std::move(entries);
        }
        enumTypeChanged(context, *type);
        return nullptr;
    }
    control.ownEnum = std::move(entries);
    control.ownEnumSet = true;
    updateValueText(control);
    context.structureChanged();
    return nullptr;
}

const char* getEnum(Context&, const ControlRef& ref, ParamOutput& out) {
    const auto* entries = ref.control.enumEntries();
    return outText(out, entries ? enumText(*entries) : std::string());
}

// The bytes of a value from its text; false when the text is none. Text is cut to the bytes
// there are: the fixed string's size, or the room the engine keeps for a caller's string.
bool valueFromText(const Control& control, std::string_view text, std::vector<unsigned char>& raw) {
    const TypeInfo& type = control.typeInfo;
    const std::string_view trimmed = trim(text);
    double number = 0;
    switch (type.kind) {
        case ValueKind::FixedString:
        case ValueKind::DynamicString:
        case ValueKind::StdString:
            std::fill(raw.begin(), raw.end(), 0);
            std::memcpy(raw.data(), text.data(), std::min(text.size(), raw.size() - 1));
            return true;
        case ValueKind::Bool: {
            bool flag = false;
            if (parseBool(trimmed, flag)) {
                number = flag ? 1 : 0;
            } else if (!parseNumber(trimmed, number)) {
                return false;
            }
            writeNumber(type, raw.data(), number != 0 ? 1 : 0);
            return true;
        }
        case ValueKind::Char:
            // A number is the character's code; anything else, its first character.
            if (!parseNumber(trimmed, number)) {
                if (trimmed.empty()) return false;
                number = static_cast<unsigned char>(trimmed[0]);
            }
            break;
        case ValueKind::Integer:
        case ValueKind::Enum:
        case ValueKind::Float:
        case ValueKind::Double:
            if (!parseNumber(trimmed, number)) return false;
            break;
        default:
            return false;
    }
    writeNumber(type, raw.data(), number);
    return true;
}

// Written at once, through the set callback if there is one, outside min/max and even on a
// read-only row: the caller's own program sets it.
const char* setValue(Context& context, ControlRef& ref, const ParamValue& value) {
    Control& control = ref.control;
    // A caller's string is written through its copy function only.
    const ValueKind kind = control.typeInfo.kind;
    if (control.pointer && isClientString(kind) && !canCopyToClient(kind)) {
        return err::kInvalidParameter;
    }
    std::vector<unsigned char> raw(control.value);
    if (!valueFromText(control, value.text, raw)) return err::kBadValue;
    if (!storeControl(context, ref.bar, control, raw.data())) return err::kInvalidParameter;
    return nullptr;
}

const char* getValue(Context& context, const ControlRef& ref, ParamOutput& out) {
    Control& control = ref.control;
    readControl(context, ref.bar, control);
    if (!stillThere(context, ref.bar, &control)) return err::kInvalidParameter;
    const unsigned char* raw = control.value.data();
    if (isText(control.typeInfo.kind)) {
        const auto* end =
            static_cast<const unsigned char*>(std::memchr(raw, 0, control.value.size()));
        const std::size_t length = end ? std::size_t(end - raw) : control.value.size();
        return outText(out, std::string(reinterpret_cast<const char*>(raw), length));
    }
    return outNumbers(out, {readNumber(control.typeInfo, raw)});
}

const ParamDef<ControlRef> kValueParams[] = {
    {"enum|val", ParamShape::Free, setEnum, getEnum, hasEnumEntries},
    {"value", ParamShape::Free, setValue, getValue, hasSingleValue},
};

}  // namespace

ParamRows<ControlRef> valueParamRows() {
    return rowsOf(kValueParams);
}

}  // namespace tw
