// The shape every parameter table has: one row per parameter with its name and aliases, how
// its value is written, which owners it serves, and the functions that set and read it. Each
// table (engine, bar, control) lives in files of its own; defines, TwSetParam and TwGetParam
// all look parameters up here, so a name's answer (unknown, refused with or without a reason,
// readable as text or numbers) comes from its row alone.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "base/Errors.h"
#include "base/TextUtil.h"
#include "params/Params.h"

namespace tw {

template <typename Owner>
struct ParamDef {
    const char* names;  // the name, then its aliases: "enum|val"
    ParamShape shape;
    // Both return null on success, else the reason of the failure (err::kNoReason: none).
    const char* (*set)(Context& context, Owner& owner, const ParamValue& value);
    // Reading may run a get callback, so it may change the context. Null: a name that cannot
    // be read ("Unknown parameter"): the legacy words and the engine's internal ones.
    const char* (*get)(Context& context, const Owner& owner, ParamOutput& out);
    bool (*applies)(const Owner& owner) = nullptr;  // null: every owner of the table has it
    // Where it does not apply: the reason setting gives (null: none) and the one reading gives.
    const char* refusedSet = nullptr;
    const char* refusedGet = err::kInvalidParameter;
};

// A table, or a part of one that a file of its own supplies.
template <typename Owner>
struct ParamRows {
    const ParamDef<Owner>* rows;
    std::size_t count;
};

template <typename Owner, std::size_t N>
constexpr ParamRows<Owner> rowsOf(const ParamDef<Owner> (&table)[N]) {
    return {table, N};
}

bool namesMatch(const char* names, std::string_view name);

// The first row of the tables that has the name; tables are searched in order, so an earlier
// table may answer a name differently for its owners.
template <typename Owner, typename Tables>
const ParamDef<Owner>* findParam(const Tables& tables, std::string_view name) {
    for (const auto& table : tables) {
        for (std::size_t i = 0; i < table.count; ++i) {
            if (namesMatch(table.rows[i].names, name)) return &table.rows[i];
        }
    }
    return nullptr;
}

inline ParamResult failed(const char* reason) {
    return {ParamResult::Status::Failed, reason && *reason ? reason : nullptr};
}

template <typename Owner>
using ParamTables = std::initializer_list<ParamRows<Owner>>;

template <typename Owner, typename Tables = ParamTables<Owner>>
ParamResult setFromTable(const Tables& tables, Context& context, Owner& owner,
                         std::string_view name, std::string_view text) {
    const ParamDef<Owner>* def = findParam<Owner>(tables, name);
    if (!def) return {ParamResult::Status::UnknownName, nullptr};
    if (def->applies && !def->applies(owner)) return failed(def->refusedSet);
    ParamValue value;
    if (const char* error = shapeValue(def->shape, text, value)) return failed(error);
    if (const char* error = def->set(context, owner, value)) return failed(error);
    return {};
}

template <typename Owner, typename Tables = ParamTables<Owner>>
ParamResult getFromTable(const Tables& tables, Context& context, const Owner& owner,
                         std::string_view name, ParamOutput& out) {
    const ParamDef<Owner>* def = findParam<Owner>(tables, name);
    if (!def) return {ParamResult::Status::UnknownName, nullptr};
    if (!def->get) return failed(err::kUnknownParameter);
    if (def->applies && !def->applies(owner)) return failed(def->refusedGet);
    out = ParamOutput{};
    if (const char* error = def->get(context, owner, out)) return failed(error);
    return {};
}

template <typename Owner, typename Tables = ParamTables<Owner>>
ParamArity arityIn(const Tables& tables, std::string_view name) {
    const ParamDef<Owner>* def = findParam<Owner>(tables, name);
    if (!def) return ParamArity::Unknown;
    return def->shape == ParamShape::NoValue ? ParamArity::NoValue : ParamArity::Value;
}

inline bool inRange(double value, double lo, double hi) {
    return value >= lo && value <= hi;
}

// A word out of a list of accepted ones (any case); the index, or -1.
int wordIndex(std::string_view text, std::initializer_list<const char*> words);

inline const char* outText(ParamOutput& out, std::string text) {
    out.isText = true;
    out.text = std::move(text);
    return nullptr;
}

inline const char* outNumbers(ParamOutput& out, std::initializer_list<double> values) {
    out.count = 0;
    for (double value : values)
        out.numbers[out.count++] = value;
    return nullptr;
}

inline const char* outBool(ParamOutput& out, bool value) {
    return outNumbers(out, {value ? 1.0 : 0.0});
}

// The tables, one per kind of target.
ParamResult setGlobalParam(Context& context, std::string_view name, std::string_view text);
ParamResult getGlobalParam(Context& context, std::string_view name, ParamOutput& out);
ParamArity globalParamArity(std::string_view name);
ParamResult setBarParam(Context& context, Bar& bar, std::string_view name, std::string_view text);
ParamResult getBarParam(Context& context, const Bar& bar, std::string_view name, ParamOutput& out);
ParamArity barParamArity(std::string_view name);
ParamResult setControlParam(Context& context, Bar& bar, Control& control, std::string_view name,
                            std::string_view text);
ParamResult getControlParam(Context& context, Bar& bar, Control& control, std::string_view name,
                            ParamOutput& out);
ParamArity controlParamArity(const Control& control, std::string_view name);

}  // namespace tw
