// Entry points for parameters: defines, TwGetParam/TwSetParam, and enum types.
#include <cstdint>
#include <cstdio>
#include <string>

#include "ApiGuard.h"
#include "DefineParser.h"
#include "Errors.h"
#include "ParamTable.h"
#include "TextUtil.h"
#include "ValueText.h"

using namespace tw;

namespace {

// The target of TwGetParam/TwSetParam: a null bar is GLOBAL, an empty variable name the bar.
const char* resolveTarget(Context& context, TwBar* bar, const char* varName, ParamTarget& target) {
    const bool hasVar = varName && *varName;
    if (!bar) return hasVar ? err::kVariableNotFound : nullptr;
    target.bar = context.validate(bar);
    if (!target.bar) return err::kBarNotFound;
    if (hasVar) {
        target.control = target.bar->find(varName);
        if (!target.control) return err::kVariableNotFound;
    }
    return nullptr;
}

std::string textForm(const ParamOutput& out) {
    if (out.isText || !out.text.empty()) return out.text;
    if (out.isBool) return out.numbers[0] != 0 ? "true" : "false";
    std::string text;
    for (int i = 0; i < out.count; ++i) {
        char number[32];
        std::snprintf(number, sizeof number, "%.9g", out.numbers[i]);
        if (i) text += ' ';
        text += number;
    }
    return text;
}

// An enum type's entries changed: every control of that type shows its value anew.
void enumChanged(Context& context, const EnumType& type) {
    for (auto& bar : context.bars) {
        for (auto& control : bar->controls) {
            if (control->typeInfo.enumType == &type) updateValueText(*control);
        }
    }
    context.structureChanged();
}

TwType defineEnum(const char* name, std::vector<EnumEntry> entries) {
    Context* context = requireContext();
    if (!context) return TW_TYPE_UNDEF;
    if (!name || !*name) return fail(err::kInvalidName), TW_TYPE_UNDEF;
    EnumRegistry& enums = engine().enums;
    std::size_t index = 0;
    while (index < enums.size() && enums[index]->name != name)
        ++index;
    // Defining a name again replaces its entries and keeps its type value.
    if (index == enums.size()) {
        enums.push_back(std::make_unique<EnumType>());
        enums.back()->name = name;
    }
    sortEntries(entries);
    enums[index]->entries = std::move(entries);
    enumChanged(*context, *enums[index]);
    return static_cast<TwType>(kEnumTypeBase + int(index));
}

}  // namespace

int TW_CALL TwDefine(const char* def) {
    return guarded(0, [&] {
        Context* context = requireContext();
        if (!context) return 0;
        if (!def) return fail(err::kNullDefine);
        if (const char* error = applyDefine(*context, def)) return fail(error);
        return 1;
    });
}

TwType TW_CALL TwDefineEnum(const char* name, const TwEnumVal* enumValues, unsigned int nbValues) {
    return guarded(TW_TYPE_UNDEF, [&] {
        if (!enumValues && nbValues > 0) return fail(err::kBadValue), TW_TYPE_UNDEF;
        std::vector<EnumEntry> entries;
        for (unsigned int i = 0; i < nbValues; ++i) {
            const char* label = enumValues[i].Label;
            entries.push_back({enumValues[i].Value, label ? label : ""});
        }
        return defineEnum(name, std::move(entries));
    });
}

TwType TW_CALL TwDefineEnumFromString(const char* name, const char* enumString) {
    return guarded(TW_TYPE_UNDEF, [&] {
        if (!enumString) return fail(err::kBadValue), TW_TYPE_UNDEF;
        std::vector<EnumEntry> entries;
        std::string_view rest = enumString;
        while (!trim(rest).empty()) {
            const auto comma = rest.find(',');
            const std::string_view label = trim(rest.substr(0, comma));
            entries.push_back({int(entries.size()), std::string(label)});
            rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        }
        return defineEnum(name, std::move(entries));
    });
}

int TW_CALL TwGetParam(TwBar* bar, const char* varName, const char* paramName,
                       TwParamValueType paramValueType, unsigned int outValueMaxCount,
                       void* outValues) {
    return guarded(0, [&] {
        Context* context = requireContext();
        if (!context) return 0;
        ParamTarget target;
        if (const char* error = resolveTarget(*context, bar, varName, target)) return fail(error);
        if (!paramName) return fail(err::kUnknownParam);
        ParamOutput out;
        if (const char* error = getParam(*context, target, paramName, out)) return fail(error);
        if (!outValues || outValueMaxCount == 0) return fail(err::kBadValue);
        if (paramValueType == TW_PARAM_CSTRING) {
            copyText(textForm(out), static_cast<char*>(outValues), outValueMaxCount);
            return 1;
        }
        if (out.isText) return fail(err::kIncompatibleType);
        const int count = std::min(out.count, int(outValueMaxCount));
        for (int i = 0; i < count; ++i) {
            switch (paramValueType) {
                case TW_PARAM_INT32:
                    static_cast<std::int32_t*>(outValues)[i] = roundToInt(out.numbers[i]);
                    break;
                case TW_PARAM_FLOAT:
                    static_cast<float*>(outValues)[i] = float(out.numbers[i]);
                    break;
                case TW_PARAM_DOUBLE:
                    static_cast<double*>(outValues)[i] = out.numbers[i];
                    break;
                default:
                    return fail(err::kBadValue);
            }
        }
        return count;
    });
}

int TW_CALL TwSetParam(TwBar* bar, const char* varName, const char* paramName,
                       TwParamValueType paramValueType, unsigned int inValueCount,
                       const void* inValues) {
    return guarded(0, [&] {
        Context* context = requireContext();
        if (!context) return 0;
        ParamTarget target;
        if (const char* error = resolveTarget(*context, bar, varName, target)) return fail(error);
        if (!paramName) return fail(err::kUnknownParam);
        if (!inValues) return fail(err::kBadValue);
        ParamInput input;
        if (paramValueType == TW_PARAM_CSTRING) {
            input.text = static_cast<const char*>(inValues);
        } else {
            input.isText = false;
            input.count = int(std::min(inValueCount, 4u));
            for (int i = 0; i < input.count; ++i) {
                switch (paramValueType) {
                    case TW_PARAM_INT32:
                        input.numbers[i] = static_cast<const std::int32_t*>(inValues)[i];
                        break;
                    case TW_PARAM_FLOAT:
                        input.numbers[i] = static_cast<const float*>(inValues)[i];
                        break;
                    case TW_PARAM_DOUBLE:
                        input.numbers[i] = static_cast<const double*>(inValues)[i];
                        break;
                    default:
                        return fail(err::kBadValue);
                }
            }
        }
        if (const char* error = setParam(*context, target, paramName, input, err::kUnknownParam)) {
            return fail(error);
        }
        return 1;
    });
}
