// The parameters of colour, quaternion and direction variables: which component rows they
// show and how their widget draws them.
#include "model/Context.h"
#include "params/ControlParams.h"
#include "values/ColourComponents.h"
#include "values/ValueText.h"

namespace tw {
namespace {

bool isQuaternion(const ControlRef& ref) {
    return isVariable(ref) &&
           (kindOf(ref) == ValueKind::Quat4F || kindOf(ref) == ValueKind::Quat4D);
}

const char* showAlpha(Context& context, ControlRef& ref, bool shown) {
    if (shown && kindOf(ref) == ValueKind::Color3F) return err::kBadValue;
    ref.control.colorAlpha = shown;
    context.structureChanged();
    return nullptr;
}

const char* setColorAlpha(Context& context, ControlRef& ref, const ParamValue& value) {
    return showAlpha(context, ref, value.flag);
}

const char* setAlpha(Context& context, ControlRef& ref, const ParamValue&) {
    return showAlpha(context, ref, true);
}

const char* setNoAlpha(Context& context, ControlRef& ref, const ParamValue&) {
    return showAlpha(context, ref, false);
}

const char* getColorAlpha(Context&, const ControlRef& ref, ParamOutput& out) {
    return outBool(out, ref.control.colorAlpha);
}

const char* setColorMode(Context& context, ControlRef& ref, const ParamValue& value) {
    const int mode = wordIndex(value.text, {"rgb", "hls"});
    if (mode < 0) return err::kBadValue;
    setColourMode(context, ref.control, mode == 1);
    return nullptr;
}

const char* setHls(Context& context, ControlRef& ref, const ParamValue&) {
    setColourMode(context, ref.control, true);
    return nullptr;
}

const char* setRgb(Context& context, ControlRef& ref, const ParamValue&) {
    setColourMode(context, ref.control, false);
    return nullptr;
}

const char* getColorMode(Context&, const ControlRef& ref, ParamOutput& out) {
    return outText(out, ref.control.hlsMode ? "hls" : "rgb");
}

// How a COLOR32 is packed: "rgba" is 0xAABBGGRR (bytes R, G, B, A), "argb" 0xAARRGGBB. The
// legacy parameter "order" names them after the graphics APIs that use them: ogl and dx.
template <const char* Rgba, const char* Argb>
const char* setColorOrder(Context& context, ControlRef& ref, const ParamValue& value) {
    const int order = wordIndex(value.text, {Rgba, Argb});
    if (order < 0) return err::kBadValue;
    ref.control.typeInfo.argbOrder = order == 1;
    // The cached bytes stay; they now mean other channels.
    updateValueText(ref.control);
    context.changed();
    return nullptr;
}

template <const char* Rgba, const char* Argb>
const char* getColorOrder(Context&, const ControlRef& ref, ParamOutput& out) {
    return outText(out, ref.control.typeInfo.argbOrder ? Argb : Rgba);
}

constexpr char kRgba[] = "rgba", kArgb[] = "argb", kOgl[] = "ogl", kDx[] = "dx";

// "x y z", or "off" / "0" for none.
const char* setArrow(Context& context, ControlRef& ref, const ParamValue& value) {
    double arrow[3] = {};
    if (wordIndex(value.text, {"off", "0"}) < 0 && !parseNumbers(value.text, arrow, 3)) {
        return err::kBadValue;
    }
    for (int i = 0; i < 3; ++i)
        ref.control.arrow[i] = arrow[i];
    context.changed();
    return nullptr;
}

const char* getArrow(Context&, const ControlRef& ref, ParamOutput& out) {
    const double* arrow = ref.control.arrow;
    return outNumbers(out, {arrow[0], arrow[1], arrow[2]});
}

const char* setArrowColor(Context& context, ControlRef& ref, const ParamValue& value) {
    for (int i = 0; i < 3; ++i) {
        if (!inRange(value.numbers[i], 0, 255)) return err::kBadValue;
    }
    ref.control.arrowColor = {std::uint8_t(value.numbers[0]), std::uint8_t(value.numbers[1]),
                              std::uint8_t(value.numbers[2])};
    context.changed();
    return nullptr;
}

const char* getArrowColor(Context&, const ControlRef& ref, ParamOutput& out) {
    const Rgb& color = ref.control.arrowColor;
    return outNumbers(out, {double(color.r), double(color.g), double(color.b)});
}

// The screen axis (1 x, 2 y, 3 z; negative: reversed) that one of the variable's axes is
// drawn along.
template <int Axis>
const char* setAxis(Context& context, ControlRef& ref, const ParamValue& value) {
    const int index = wordIndex(value.text, {"x", "+x", "-x", "y", "+y", "-y", "z", "+z", "-z"});
    if (index < 0) return err::kBadValue;
    const int axis = index / 3 + 1;
    ref.control.axes[Axis] = index % 3 == 2 ? -axis : axis;
    context.changed();
    return nullptr;
}

// As the library this engine stands in for, an axis cannot be read back.
const char* getAxis(Context&, const ControlRef&, ParamOutput&) {
    return err::kHasNoValue;
}

const char* setShowValues(Context& context, ControlRef& ref, const ParamValue& value) {
    const int word = wordIndex(value.text, {"false", "off", "0", "true", "on", "1"});
    if (word < 0) return err::kBadValue;
    ref.control.showValues = word >= 3;
    context.structureChanged();
    return nullptr;
}

const char* getShowValues(Context&, const ControlRef& ref, ParamOutput& out) {
    return outBool(out, ref.control.showValues);
}

const ParamDef<ControlRef> kWidgetParams[] = {
    {"coloralpha", ParamShape::Bool, setColorAlpha, getColorAlpha, isColorVariable},
    {"alpha", ParamShape::NoValue, setAlpha, nullptr, isColorVariable},
    {"noalpha", ParamShape::NoValue, setNoAlpha, nullptr, isColorVariable},
    {"colormode", ParamShape::Text, setColorMode, getColorMode, isColorVariable},
    {"hls", ParamShape::NoValue, setHls, nullptr, isColorVariable},
    {"rgb", ParamShape::NoValue, setRgb, nullptr, isColorVariable},
    {"colororder", ParamShape::Text, setColorOrder<kRgba, kArgb>, getColorOrder<kRgba, kArgb>,
     isColorVariable},
    {"order", ParamShape::Text, setColorOrder<kOgl, kDx>, getColorOrder<kOgl, kDx>,
     isColorVariable},
    {"arrow", ParamShape::Text, setArrow, getArrow, isQuaternion},
    {"arrowcolor", ParamShape::Integer3, setArrowColor, getArrowColor, isVectorVariable},
    {"axisx", ParamShape::Text, setAxis<0>, getAxis, isVectorVariable},
    {"axisy", ParamShape::Text, setAxis<1>, getAxis, isVectorVariable},
    {"axisz", ParamShape::Text, setAxis<2>, getAxis, isVectorVariable},
    {"showval", ParamShape::Text, setShowValues, getShowValues, isVectorVariable},
};

}  // namespace

ParamRows<ControlRef> widgetParamRows() {
    return rowsOf(kWidgetParams);
}

}  // namespace tw
