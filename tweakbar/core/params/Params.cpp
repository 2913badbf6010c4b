#include "Params.h"

#include <cmath>

#include "Errors.h"
#include "ParamTable.h"
#include "TextUtil.h"

namespace tw {

const char* shapeValue(ParamShape shape, const ParamInput& input, ParamValue& value) {
    value = ParamValue{};
    const int needed = shape == ParamShape::Integer2 ? 2 : shape == ParamShape::Integer3 ? 3 : 1;
    switch (shape) {
        case ParamShape::Text:
            if (!input.isText) return err::kIncompatibleType;
            value.text = input.text;
            return nullptr;
        case ParamShape::Bool:
            if (input.isText) return parseBool(input.text, value.flag) ? nullptr : err::kBadValue;
            if (input.count < 1) return err::kBadValue;
            value.flag = input.numbers[0] != 0;
            return nullptr;
        case ParamShape::WidthOrFit:
            if (input.isText && equalsNoCase(trim(input.text), "fit")) {
                value.flag = true;
                return nullptr;
            }
            break;
        default:
            break;
    }
    if (input.isText) {
        if (!parseNumbers(input.text, value.numbers, needed)) return err::kBadValue;
    } else {
        if (input.count < needed) return err::kBadValue;
        for (int i = 0; i < needed; ++i) {
            if (!std::isfinite(input.numbers[i])) return err::kBadValue;
            value.numbers[i] = input.numbers[i];
        }
    }
    if (shape != ParamShape::Real) {
        for (int i = 0; i < needed; ++i)
            value.numbers[i] = roundToInt(value.numbers[i]);
    }
    return nullptr;
}

const char* setParam(Context& context, const ParamTarget& target, std::string_view name,
                     const ParamInput& input, const char* unknownText) {
    if (!target.bar) return setGlobalParam(context, name, input, unknownText);
    if (!target.control) return setBarParam(context, *target.bar, name, input, unknownText);
    return setControlParam(context, *target.bar, *target.control, name, input, unknownText);
}

const char* getParam(Context& context, const ParamTarget& target, std::string_view name,
                     ParamOutput& output) {
    if (!target.bar) return getGlobalParam(context, name, output);
    if (!target.control) return getBarParam(context, *target.bar, name, output);
    return getControlParam(context, *target.bar, *target.control, name, output);
}

}  // namespace tw
