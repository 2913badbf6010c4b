// The parameters of number variables: their limits, step, precision and hexadecimal form.
#include <cmath>

#include "model/Context.h"
#include "params/ControlParams.h"
#include "values/ValueText.h"

namespace tw {
namespace {

void formatChanged(Context& context, Control& control) {
    updateValueText(control);
    context.changed();
}

// A limit or step in the variable's own type: an integer keeps the whole number the text starts
// with ("0.5" is 0, "1e10" is 1) and wraps as a C cast does (-5 in a byte is 251); a float
// keeps float precision.
const char* numberInType(const Control& control, std::string_view text, double& number) {
    if (trim(text).empty()) return err::kValueRequired;
    const bool integer =
        control.typeInfo.kind == ValueKind::Integer || control.typeInfo.kind == ValueKind::Char;
    const bool read =
        integer ? leadingIntegers(text, &number, 1) == 1 : leadingNumber(text, number);
    if (!read) return err::kBadValue;
    number = castToType(control.typeInfo, number);
    return nullptr;
}

// A minimum above the maximum is kept as it is: values then end at the maximum.
template <double Control::*Number, bool Control::*IsSet>
const char* setLimit(Context& context, ControlRef& ref, const ParamValue& value) {
    Control& control = ref.control;
    if (const char* error = numberInType(control, value.text, control.*Number)) return error;
    control.*IsSet = true;
    formatChanged(context, control);
    return nullptr;
}

const char* getMin(Context&, const ControlRef& ref, ParamOutput& out) {
    return outNumbers(out, {effectiveMin(ref.control)});
}

const char* getMax(Context&, const ControlRef& ref, ParamOutput& out) {
    return outNumbers(out, {effectiveMax(ref.control)});
}

// Any step is taken: 0 makes the keys change nothing, a negative one turns them around. A step
// on a number written automatically also fixes how many digits it shows.
const char* setStep(Context& context, ControlRef& ref, const ParamValue& value) {
    Control& control = ref.control;
    if (const char* error = numberInType(control, value.text, control.step)) return error;
    control.stepSet = true;
    if (isRealVariable(ref) && control.precision < 0) {
        control.precision = precisionOfStep(std::fabs(control.step));
    }
    formatChanged(context, control);
    return nullptr;
}

const char* getStep(Context&, const ControlRef& ref, ParamOutput& out) {
    return outNumbers(out, {effectiveStep(ref.control)});
}

// Taken by every value row, used by floating numbers only.
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

// True for true, 1 or an empty value; any other text turns it off.
const char* setHexa(Context& context, ControlRef& ref, const ParamValue& value) {
    bool on = trim(value.text).empty();
    if (!on && !parseBool(value.text, on)) on = false;
    ref.control.hexa = on;
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
    {"min", ParamShape::Free, setLimit<&Control::min, &Control::minSet>, getMin, isNumberVariable,
     err::kUnknownType},
    {"max", ParamShape::Free, setLimit<&Control::max, &Control::maxSet>, getMax, isNumberVariable,
     err::kUnknownType},
    {"step", ParamShape::Free, setStep, getStep, isNumberVariable, err::kUnknownType},
    {"precision", ParamShape::Integer, setPrecision, getPrecision},
    {"hexa", ParamShape::Free, setHexa, getHexa, isIntegerVariable},
    {"decimal", ParamShape::NoValue, setDecimal, nullptr, isIntegerVariable},
};

}  // namespace

ParamRows<ControlRef> numberParams() {
    return rowsOf(kNumberParams);
}

}  // namespace tw
