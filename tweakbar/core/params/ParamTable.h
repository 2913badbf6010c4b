// The shape every parameter table has: a name, how its value is written, and the functions
// that set and read it. Each table (engine, bar, control) lives in a file of its own.
#pragma once

#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

#include "Errors.h"
#include "Params.h"
#include "TextUtil.h"

namespace tw {

template <typename Owner>
struct ParamDef {
    const char* name;
    ParamShape shape;
    const char* (*set)(Context& context, Owner& owner, const ParamValue& value);
    void (*get)(const Context& context, const Owner& owner, ParamOutput& out);
    bool (*applies)(const Owner& owner) = nullptr;  // null: every owner has it
};

template <typename Owner, std::size_t N>
const ParamDef<Owner>* findParam(const ParamDef<Owner> (&table)[N], std::string_view name) {
    for (const auto& def : table) {
        if (equalsNoCase(name, def.name)) return &def;
    }
    return nullptr;
}

template <typename Owner, std::size_t N>
const char* setFromTable(const ParamDef<Owner> (&table)[N], Context& context, Owner& owner,
                         std::string_view name, const ParamInput& input, const char* unknownText) {
    const ParamDef<Owner>* def = findParam(table, name);
    if (!def) return unknownText;
    if (def->applies && !def->applies(owner)) return err::kNotApplicable;
    ParamValue value;
    if (const char* error = shapeValue(def->shape, input, value)) return error;
    return def->set(context, owner, value);
}

template <typename Owner, std::size_t N>
const char* getFromTable(const ParamDef<Owner> (&table)[N], const Context& context,
                         const Owner& owner, std::string_view name, ParamOutput& out) {
    const ParamDef<Owner>* def = findParam(table, name);
    if (!def) return err::kUnknownParam;
    if (def->applies && !def->applies(owner)) return err::kNotApplicable;
    out = ParamOutput{};
    def->get(context, owner, out);
    return nullptr;
}

inline bool inRange(double value, double lo, double hi) {
    return value >= lo && value <= hi;
}

inline void outText(ParamOutput& out, std::string text) {
    out.isText = true;
    out.text = std::move(text);
}

inline void outBool(ParamOutput& out, bool value) {
    out.isBool = true;
    out.numbers[0] = value ? 1 : 0;
    out.count = 1;
}

inline void outNumbers(ParamOutput& out, double a) {
    out.numbers[0] = a;
    out.count = 1;
}

inline void outNumbers(ParamOutput& out, double a, double b) {
    out.numbers[0] = a;
    out.numbers[1] = b;
    out.count = 2;
}

inline void outNumbers(ParamOutput& out, double a, double b, double c) {
    out.numbers[0] = a;
    out.numbers[1] = b;
    out.numbers[2] = c;
    out.count = 3;
}

// The tables, one per kind of target.
const char* setGlobalParam(Context& context, std::string_view name, const ParamInput& input,
                           const char* unknownText);
const char* getGlobalParam(const Context& context, std::string_view name, ParamOutput& out);
const char* setBarParam(Context& context, Bar& bar, std::string_view name, const ParamInput& input,
                        const char* unknownText);
const char* getBarParam(const Context& context, const Bar& bar, std::string_view name,
                        ParamOutput& out);
const char* setControlParam(Context& context, Bar& bar, Control& control, std::string_view name,
                            const ParamInput& input, const char* unknownText);
const char* getControlParam(const Context& context, const Bar& bar, const Control& control,
                            std::string_view name, ParamOutput& out);

}  // namespace tw
