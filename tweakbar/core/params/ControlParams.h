// What the control parameter tables share: the owner their rows work on, and which kinds of
// control each parameter applies to. The rows themselves live in one file per concern
// (common rows, number formats, values and enums, colour and vector widgets).
#pragma once

#include "model/Bar.h"
#include "params/ParamTable.h"

namespace tw {

struct ControlRef {
    Bar& bar;
    Control& control;
};

inline bool isVariable(const ControlRef& ref) {
    return ref.control.kind == ControlKind::Variable;
}

inline ValueKind kindOf(const ControlRef& ref) {
    return ref.control.typeInfo.kind;
}

inline bool isNumberVariable(const ControlRef& ref) {
    const ValueKind kind = kindOf(ref);
    return isVariable(ref) && (kind == ValueKind::Integer || kind == ValueKind::Char ||
                               kind == ValueKind::Float || kind == ValueKind::Double);
}

inline bool isRealVariable(const ControlRef& ref) {
    return isVariable(ref) && (kindOf(ref) == ValueKind::Float || kindOf(ref) == ValueKind::Double);
}

inline bool isColorVariable(const ControlRef& ref) {
    return isVariable(ref) && isColor(kindOf(ref));
}

inline bool isVectorVariable(const ControlRef& ref) {
    return isVariable(ref) && isVector(kindOf(ref));
}

// Rows that show one value: not buttons, groups, or the colour and vector rows that hold
// component rows.
inline bool hasSingleValue(const ControlRef& ref) {
    return isVariable(ref) && !isColor(kindOf(ref)) && !isVector(kindOf(ref));
}

ParamRows<ControlRef> numberParamRows();
ParamRows<ControlRef> valueParamRows();
ParamRows<ControlRef> widgetParamRows();

}  // namespace tw
