#include "params/Params.h"

#include "base/Errors.h"
#include "base/TextUtil.h"
#include "model/Bar.h"
#include "params/ParamTable.h"
#include "values/Parts.h"

namespace tw {

bool namesMatch(const char* names, std::string_view name) {
    const std::string_view all = names;
    for (std::size_t start = 0; start <= all.size();) {
        const std::size_t bar = all.find('|', start);
        const std::size_t end = bar == std::string_view::npos ? all.size() : bar;
        if (equalsNoCase(all.substr(start, end - start), name)) return true;
        start = end + 1;
    }
    return false;
}

int wordIndex(std::string_view text, std::initializer_list<const char*> words) {
    text = trim(text);
    int index = 0;
    for (const char* word : words) {
        if (equalsNoCase(text, word)) return index;
        ++index;
    }
    return -1;
}

const char* shapeValue(ParamShape shape, std::string_view text, ParamValue& value) {
    value = ParamValue{};
    value.text = text;
    int needed = 1, most = 1;
    switch (shape) {
        case ParamShape::Text:
            return text.empty() ? err::kValueRequired : nullptr;
        case ParamShape::TextOrEmpty:
        case ParamShape::NoValue:
        case ParamShape::Free:
            return nullptr;
        case ParamShape::OptionalBool:
            if (trim(text).empty()) {
                value.flag = true;
                return nullptr;
            }
            [[fallthrough]];
        case ParamShape::Bool:
            return parseBool(text, value.flag) ? nullptr : err::kBadValue;
        case ParamShape::Real:
            if (trim(text).empty()) return err::kValueRequired;
            if (!leadingNumber(text, value.numbers[0])) return err::kBadValue;
            value.count = 1;
            return nullptr;
        case ParamShape::WidthOrFit:
            if (equalsNoCase(trim(text), "fit")) {
                value.flag = true;
                return nullptr;
            }
            break;
        case ParamShape::Integer2:
            needed = most = 2;
            break;
        case ParamShape::Integer3Or4:
            needed = 3;
            most = 4;
            break;
        case ParamShape::Integer:
            break;
    }
    if (trim(text).empty()) return err::kValueRequired;
    value.count = leadingIntegers(text, value.numbers, most);
    return value.count >= needed ? nullptr : err::kBadValue;
}

ParamResult setParam(Context& context, const ParamTarget& target, std::string_view name,
                     std::string_view text) {
    if (!target.bar) return setGlobalParam(context, name, text);
    if (!target.control) return setBarParam(context, *target.bar, name, text);
    return setControlParam(context, *target.bar, *target.control, name, text);
}

ParamResult getParam(Context& context, const ParamTarget& target, std::string_view name,
                     ParamOutput& output) {
    if (!target.bar) return getGlobalParam(context, name, output);
    if (!target.control) return getBarParam(context, *target.bar, name, output);
    return getControlParam(context, *target.bar, *target.control, name, output);
}

ParamArity paramArity(const ParamTarget& target, std::string_view name) {
    if (!target.bar) return globalParamArity(name);
    if (!target.control) return barParamArity(name);
    return controlParamArity(*target.control, name);
}

Control* findVariable(const Bar& bar, std::string_view name) {
    if (Control* control = bar.find(std::string(name).c_str())) return control;
    return findPart(bar, name);
}

}  // namespace tw
