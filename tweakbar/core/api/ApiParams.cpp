// Entry points for parameters: defines, TwGetParam/TwSetParam, and enum types.
#include <cstdint>
#include <cstdio>
#include <string>

#include "api/ApiGuard.h"
#include "base/Errors.h"
#include "base/TextUtil.h"
#include "params/DefineParser.h"
#include "params/EnumText.h"
#include "params/ParamTable.h"

using namespace tw;

namespace {

// The target of TwGetParam/TwSetParam: a null bar is GLOBAL, an empty variable name the bar.
struct Addressed {
    ParamTarget target;
    std::string path;  // "BAR" or "BAR/VAR", as error texts quote it
};

// False, with the error recorded, when the target does not exist.
bool resolveTarget(Context& context, TwBar* bar, const char* varName, Addressed& out) {
    if (bar) {
        out.target.bar = context.validate(bar);
        if (!out.target.bar) return fail(err::kBarNotFound);
    }
    out.path = out.target.bar ? out.target.bar->name : "GLOBAL";
    if (!varName || !*varName) return true;
    out.path += std::string("/") + varName;
    if (out.target.bar) out.target.control = findVariable(*out.target.bar, varName);
    return out.target.control || fail("Unknown var '" + out.path + "'");
}

// Records the error of a parameter that could not be read or written; returns 0. A reason
// reaches the error handler on its own first.
int failParam(const ParamResult& result, const Addressed& at, const char* name, const char* verb) {
    const std::string quoted = "'" + at.path + " " + (name ? name : "") + "'";
    if (result.status == ParamResult::Status::UnknownName) return fail("Unknown param " + quoted);
    std::string message = std::string("Unable to ") + verb + " param " + quoted + " ";
    if (result.reason) message += std::string(" : ") + result.reason;
    return fail(message, result.reason);
}

int failGet(const char* reason, const Addressed& at, const char* name) {
    return failParam({ParamResult::Status::Failed, reason}, at, name, "get");
}

// Numbers read as text: printf's %g, one blank between them.
std::string numbersAsText(const ParamOutput& out) {
    std::string text;
    for (int i = 0; i < out.count; ++i) {
        char number[32];
        std::snprintf(number, sizeof number, "%g", out.numbers[i]);
        if (i) text += ' ';
        text += number;
    }
    return text;
}

// Numbers handed to TwSetParam become text, as a define would hold them, so that every
// parameter parses them one way: integers as %d, floating numbers as %g (six digits, so an
// integer parameter given 1e6 reads "1e+06" and takes 1).
template <typename T>
void appendNumbers(std::string& text, const void* values, unsigned count, const char* format) {
    for (unsigned i = 0; i < count; ++i) {
        char number[40];
        std::snprintf(number, sizeof number, format, static_cast<const T*>(values)[i]);
        if (i) text += ' ';
        text += number;
    }
}

TwType defineEnum(const char* name, std::vector<EnumEntry> entries) {
    Context* context = requireContext();
    if (!context) return TW_TYPE_UNDEF;
    if (!name || !*name) return fail(err::kInvalidName), TW_TYPE_UNDEF;
    EnumRegistry& enums = context->enums;
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
    context->closePopup();
    enumTypeChanged(*context, *enums[index]);
    return static_cast<TwType>(kEnumTypeBase + int(index));
}

}  // namespace

int TW_CALL TwDefine(const char* def) {
    return guarded(0, [&] {
        Context* context = engine().context;
        if (!def) return context ? fail(err::kNullDefine) : fail(err::kNotInitialized);
        const DefineError error = applyDefine(context, def);
        return error.text.empty() ? 1 : fail(error.text, error.reason);
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
        Addressed at;
        if (!resolveTarget(*context, bar, varName, at)) return 0;
        ParamOutput out;
        const ParamResult result = getParam(*context, at.target, paramName ? paramName : "", out);
        if (!result.done()) return failParam(result, at, paramName, "get");
        if (!outValues || outValueMaxCount == 0) return failGet(err::kBadValue, at, paramName);
        if (paramValueType == TW_PARAM_CSTRING) {
            copyText(out.isText ? out.text : numbersAsText(out), static_cast<char*>(outValues),
                     outValueMaxCount);
            return 1;
        }
        if (out.isText) return failGet(err::kIncompatibleType, at, paramName);
        const int count = std::min(out.count, int(outValueMaxCount));
        for (int i = 0; i < count; ++i) {
            switch (paramValueType) {
                case TW_PARAM_INT32:
                    static_cast<std::int32_t*>(outValues)[i] = truncateToInt(out.numbers[i]);
                    break;
                case TW_PARAM_FLOAT:
                    static_cast<float*>(outValues)[i] = float(out.numbers[i]);
                    break;
                case TW_PARAM_DOUBLE:
                    static_cast<double*>(outValues)[i] = out.numbers[i];
                    break;
                default:
                    return failGet(err::kIncompatibleType, at, paramName);
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
        Addressed at;
        if (!resolveTarget(*context, bar, varName, at)) return 0;
        const auto refuse = [&](const char* reason) {
            return failParam({ParamResult::Status::Failed, reason}, at, paramName, "set");
        };
        // No parameter holds more values than this; more cannot be valid.
        constexpr unsigned kMaxValues = 16;
        const unsigned count = std::min(inValueCount, kMaxValues);
        if (!inValues && count > 0) return refuse(err::kBadValue);
        std::string text;
        switch (paramValueType) {
            case TW_PARAM_CSTRING:
                // The words that take no value take any count.
                if (inValueCount == 1) {
                    text = static_cast<const char*>(inValues);
                } else if (!paramName || paramArity(at.target, paramName) != ParamArity::NoValue) {
                    return refuse(err::kTextCountMustBeOne);
                }
                break;
            case TW_PARAM_INT32:
                appendNumbers<std::int32_t>(text, inValues, count, "%d");
                break;
            case TW_PARAM_FLOAT:
                appendNumbers<float>(text, inValues, count, "%g");
                break;
            case TW_PARAM_DOUBLE:
                appendNumbers<double>(text, inValues, count, "%g");
                break;
            default:
                return refuse(err::kIncompatibleType);
        }
        const ParamResult result = setParam(*context, at.target, paramName ? paramName : "", text);
        return result.done() ? 1 : failParam(result, at, paramName, "set");
    });
}
