// The parameters of number variables: their limits, step, precision and hexadecimal form.
#include "model/Context.h"
#include "params/ControlParams.h"
#include "values/ValueText.h"

namespace tw {
namespace {

bool isIntegerVariable(const ControlRef& ref) {
    return isVariable(ref) && (kindOf(ref) == ValueKind::Integer || kindOf(ref) == ValueKind::Char);
}

void formatChanged(Context& context, Control& control) {
    updateValueText(control);
    context.changed();
}

const char* setMin(Context& context, ControlRef& ref, const ParamValue& value) {
    Control& control = ref.control;
    if (value.numbers[0] > effectiveMax(control)) return err::kBadValue;
    control.min = value.numbers[0];
    control.minSet = true;
    context.changed();
    return nullptr;
}

const char* getMin(Context&, const ControlRef& ref, ParamOutput& out) {
    return outNumbers(out, {effectiveMin(ref.control)});
}

const char* setMax(Context& context, ControlRef& ref, const ParamValue& value) {
    Control& control = ref.control;
    if (value.numbers[0] < effectiveMin(control)) return err::kBadValue;
    control.max = value.numbers[0];
    control.maxSet = true;
    context.changed();
    return nullptr;
}

const char* getMax(Context&, const ControlRef& ref, ParamOutput& out) {
    return outNumbers(out, {effectiveMax(ref.control)});
}

// A step on a number written automatically also fixes how many digits it shows.
const char* setStep(Context& context, ControlRef& ref, const ParamValue& value) {
    Control& control = ref.control;
    if (!(value.numbers[0] > 0)) return err::kBadValue;
    control.step = value.numbers[0];
    control.stepSet = true;
    if (isRealVariable(ref) && control.precision < 0) {
        control.precision = precisionOfStep(control.step);
    }
    formatChanged(context, control);
    return nullptr;
}

const char* getStep(Context&, const ControlRef& ref, ParamOutput& out) {
    return outNumbers(out, {effectiveStep(ref.control)});
}

// Taken by every variable, used by floating numbers only.
const char* setPrecision(Context& context, ControlRef& ref, const ParamValue& value) {
    if (!inRange(value.numbers[0], -1, kMaxPrecision)) return err::kBadValue;
    if (!isRealVariable(ref)) return nullptr;
    ref.control.precision = int(value.numbers[0]);
    formatChanged(context, ref.control);
    return nullptr;
}

const char* getPrecision(Context&, const ControlRef& ref, ParamOutput& out) {
    if (!isRealVariable(ref)) return err::kInvalidParameter;
    return outNumbers(out, {double(ref.control.precision)});
}

const char* setHexa(Context& context, ControlRef& ref, const ParamValue& value) {
    ref.control.hexa = value.flag;
    formatChanged(context, ref.control);
    return nullptr;
}

const char* setDecimal(Context& context, ControlRef& ref, const ParamValue&) {
    ref.control.hexa = false;
    formatChanged(context, ref.control);
    return nullptr;
}

const char* getHexa(Context&, const ControlRef& ref, ParamOutput& out) {
    return outBool(out, ref.control.hexa);
}

const ParamDef<ControlRef> kNumberParams[] = {
    {"min", ParamShape::Real, setMin, getMin, isNumberVariable, err::kUnknownType},
    {"max", ParamShape::Real, setMax, getMax, isNumberVariable, err::kUnknownType},
    {"step", ParamShape::Real, setStep, getStep, isNumberVariable, err::kUnknownType},
    {"precision", ParamShape::Integer, setPrecision, getPrecision, isVariable},
    {"hexa", ParamShape::OptionalBool, setHexa, getHexa, isIntegerVariable},
    {"decimal", ParamShape::NoValue, setDecimal, nullptr, isIntegerVariable},
};

}  // namespace

ParamRows<ControlRef> numberParamRows() {
    return rowsOf(kNumberParams);
}

}  // namespace tw
