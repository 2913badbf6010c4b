// What the control parameter tables share: the owner their rows work on, and which kinds of
// control each parameter applies to. The rows themselves live in one file per concern (every
// row's, value rows', numbers', group rows', and the pieces of colours and vectors); which
// tables a kind of row reads is the kind table of ControlParams.cpp.
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

inline bool isIntegerVariable(const ControlRef& ref) {
    return isVariable(ref) && (kindOf(ref) == ValueKind::Integer || kindOf(ref) == ValueKind::Char);
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

// The tables, by the rows that read them.
ParamRows<ControlRef> valueRowParams();  // key, true/false, enum, value
ParamRows<ControlRef> numberParams();    // min, max, step, precision, hexa
ParamRows<ControlRef> groupRowParams();  // opened, the colour and vector widgets' own
ParamRows<ControlRef> partParams();      // what a piece of a colour or vector answers its own way

}  // namespace tw
