// Parameters by name: of the engine (GLOBAL), of a bar, or of a control. Defines, TwSetParam
// and TwGetParam all come through here and read the same tables, so every parameter has one
// text form; TwSetParam writes numbers as that text too.
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
enum class ParamShape {
    Text,          // non-empty text
    TextOrEmpty,   // text that may be empty (a group back to the root, no key)
    Bool,          // true/false/1/0
    OptionalBool,  // a bool, or an empty value for true
    NoValue,       // a legacy word that takes no value; any value given is ignored
    // Numbers are read from the start of the text, and what follows the last one needed is
    // ignored ("12x" is 12, "12.7" is 12 for an integer).
    Integer,
    Real,
    Integer2,
    Integer3Or4,  // a colour: r g b, or a r g b (more are ignored)
    WidthOrFit,
    Free,  // parsed by the parameter itself
};

// A value on its way out: text, or numbers.
struct ParamOutput {
    bool isText = false;
    std::string text;
    double numbers[4] = {};
    int count = 0;
};

// After the shape has been checked: what a setter receives.
struct ParamValue {
    std::string_view text;
    double numbers[4] = {};
    int count = 0;
    bool flag = false;  // a Bool's value, or "fit"
};

// The outcome of setting or reading one parameter.
struct ParamResult {
    enum class Status { Done, UnknownName, Failed };
    Status status = Status::Done;
    // When Failed: why, or null when the parameter refuses without giving a reason.
    const char* reason = nullptr;

    bool done() const { return status == Status::Done; }
};

using Bar = ::CTwBar;

// What a name is to a target: none of its parameters, a word that takes no value, or a
// parameter written "name=value".
enum class ParamArity { Unknown, NoValue, Value };

struct ParamTarget {
    Bar* bar = nullptr;          // null: GLOBAL
    Control* control = nullptr;  // null: the bar itself
};

ParamResult setParam(Context& context, const ParamTarget& target, std::string_view name,
                     std::string_view text);
ParamResult getParam(Context& context, const ParamTarget& target, std::string_view name,
                     ParamOutput& output);
ParamArity paramArity(const ParamTarget& target, std::string_view name);

// The variable of a bar that a name stands for: one of its rows, or a piece of a colour,
// quaternion or direction ("c.Red"); null when there is none.
Control* findVariable(const Bar& bar, std::string_view name);

// The parameters that exist only before TwInit (GLOBAL fontscaling).
ParamResult setEngineParam(std::string_view name, std::string_view text);
ParamArity engineParamArity(std::string_view name);

// Turns text into the value of a shape; null on success, else the reason.
const char* shapeValue(ParamShape shape, std::string_view text, ParamValue& value);

}  // namespace tw
