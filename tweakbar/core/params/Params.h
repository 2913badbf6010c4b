// Parameters by name: of the engine (GLOBAL), of a bar, or of a control. Defines, TwSetParam
// and TwGetParam all come through here, so every parameter has one text form and, where it is
// numeric, a number form.
#pragma once

#include <string>
#include <string_view>

struct CTwBar;

namespace tw {

class Context;
struct Control;

// Positions and sizes beyond this are refused, so that geometry sums never overflow.
inline constexpr int kMaxCoordinate = 32767;

// How a parameter's value is written.
enum class ParamShape { Text, Bool, Integer, Real, Integer2, Integer3, WidthOrFit };

// A value on its way in: text (a define, or TW_PARAM_CSTRING) or numbers.
struct ParamInput {
    bool isText = true;
    std::string_view text;
    double numbers[4] = {};
    int count = 0;
};

// A value on its way out: text, or numbers with an optional text form that differs from the
// numbers (a values column set to "fit").
struct ParamOutput {
    bool isText = false;
    bool isBool = false;
    std::string text;
    double numbers[3] = {};
    int count = 0;
};

// After the shape has been checked: what a setter receives.
struct ParamValue {
    std::string_view text;
    double numbers[3] = {};
    bool flag = false;  // a Bool's value, or "fit"
};

using Bar = ::CTwBar;

struct ParamTarget {
    Bar* bar = nullptr;          // null: GLOBAL
    Control* control = nullptr;  // null: the bar itself
};

// Both return null on success, else the error text. unknownText is what an unknown parameter
// name gives: "Unknown attribute" in defines, "Unknown param" through TwSetParam.
const char* setParam(Context& context, const ParamTarget& target, std::string_view name,
                     const ParamInput& input, const char* unknownText);
const char* getParam(Context& context, const ParamTarget& target, std::string_view name,
                     ParamOutput& output);

// Turns input into the value of a shape; null on success.
const char* shapeValue(ParamShape shape, const ParamInput& input, ParamValue& value);

}  // namespace tw
