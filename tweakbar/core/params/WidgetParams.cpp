// The parameters of group rows (groups, and the colour, quaternion, direction and struct rows
// that hold rows): whether they are open, which component rows a colour or vector shows and how
// its widget draws it. Their refusals give no reason.
#include "model/Context.h"
#include "params/ControlParams.h"
#include "values/ColourComponents.h"
#include "values/Parts.h"
#include "values/ValueText.h"

namespace tw {
namespace {

void setOpenedTo(Context& context, ControlRef& ref, bool opened) {
    ref.control.opened = opened;
    context.changed();
}

const char* setOpened(Context& context, ControlRef& ref, const ParamValue& value) {
    setOpenedTo(context, ref, value.flag);
    return nullptr;
}

const char* setOpen(Context& context, ControlRef& ref, const ParamValue&) {
    setOpenedTo(context, ref, true);
    return nullptr;
}

const char* setClose(Context& context, ControlRef& ref, const ParamValue&) {
    setOpenedTo(context, ref, false);
    return nullptr;
}

const char* getOpened(Context&, const ControlRef& ref, ParamOutput& out) {
    return outBool(out, ref.control.opened);
}

// The engine's own names on the rows of structures: a type id is not the caller's to give, a
// value pointer is taken and means nothing here.
const char* refuseTypeId(Context&, ControlRef&, const ParamValue&) {
    return err::kNoReason;
}

const char* acceptValuePointer(Context&, ControlRef&, const ParamValue&) {
    return nullptr;
}

const char* showAlpha(Context& context, ControlRef& ref, bool shown) {
    if (shown && kindOf(ref) == ValueKind::Color3F) return err::kNoReason;
    ref.control.colorAlpha = shown;
    showAlphaPart(ref.control, shown);
    context.structureChanged();
    return nullptr;
}

const char* setColorAlpha(Context& context, ControlRef& ref, const ParamValue& value) {
    bool shown = false;
    if (!parseBool(value.text, shown)) return err::kNoReason;
    return showAlpha(context, ref, shown);
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
    if (mode < 0) return err::kNoReason;
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

// How a COLOR32 is packed: "rgba" is 0xAABBGGRR (bytes R, G, B, A), "argb" 0xAARRGGBB.
const char* setColorOrder(Context& context, ControlRef& ref, const ParamValue& value) {
    const int order = wordIndex(value.text, {"rgba", "argb"});
    if (order < 0) return err::kNoReason;
    ref.control.typeInfo.argbOrder = order == 1;
    // The cached bytes stay; they now mean other channels.
    updateValueText(ref.control);
    context.changed();
    return nullptr;
}

const char* getColorOrder(Context&, const ControlRef& ref, ParamOutput& out) {
    return outText(out, ref.control.typeInfo.argbOrder ? "argb" : "rgba");
}

// "x y z", or "off" / "0" for none.
const char* setArrow(Context& context, ControlRef& ref, const ParamValue& value) {
    double arrow[3] = {};
    if (wordIndex(value.text, {"off", "0"}) < 0 && !parseNumbers(value.text, arrow, 3)) {
        return err::kNoReason;
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
    double rgb[3] = {};
    if (leadingIntegers(value.text, rgb, 3) != 3) return err::kNoReason;
    for (double channel : rgb) {
        if (!inRange(channel, 0, 255)) return err::kNoReason;
    }
    ref.control.arrowColor = {std::uint8_t(rgb[0]), std::uint8_t(rgb[1]), std::uint8_t(rgb[2])};
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
    if (index < 0) return err::kNoReason;
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
    if (word < 0) return err::kNoReason;
    ref.control.showValues = word >= 3;
    showVectorParts(ref.control);
    context.structureChanged();
    return nullptr;
}

const char* getShowValues(Context&, const ControlRef& ref, ParamOutput& out) {
    return outBool(out, ref.control.showValues);
}

const ParamDef<ControlRef> kGroupRowParams[] = {
    {"opened", ParamShape::Bool, setOpened, getOpened},
    {"open", ParamShape::NoValue, setOpen, nullptr},
    {"close", ParamShape::NoValue, setClose, nullptr},
    {"coloralpha", ParamShape::Free, setColorAlpha, getColorAlpha, isColorVariable},
    {"alpha", ParamShape::NoValue, setAlpha, nullptr, isColorVariable},
    {"noalpha", ParamShape::NoValue, setNoAlpha, nullptr, isColorVariable},
    {"colormode", ParamShape::Free, setColorMode, getColorMode, isColorVariable},
    {"hls", ParamShape::NoValue, setHls, nullptr, isColorVariable},
    {"rgb", ParamShape::NoValue, setRgb, nullptr, isColorVariable},
    {"colororder", ParamShape::Free, setColorOrder, getColorOrder, isColorVariable},
    {"arrow", ParamShape::Free, setArrow, getArrow, isVectorVariable},
    {"arrowcolor", ParamShape::Free, setArrowColor, getArrowColor, isVectorVariable},
    {"axisx", ParamShape::Free, setAxis<0>, getAxis, isVectorVariable},
    {"axisy", ParamShape::Free, setAxis<1>, getAxis, isVectorVariable},
    {"axisz", ParamShape::Free, setAxis<2>, getAxis, isVectorVariable},
    {"showval", ParamShape::Free, setShowValues, getShowValues, isVectorVariable},
    {"typeid", ParamShape::Free, refuseTypeId, nullptr},
    {"valptr", ParamShape::Free, acceptValuePointer, nullptr},
};

}  // namespace

ParamRows<ControlRef> groupRowParams() {
    return rowsOf(kGroupRowParams);
}

}  // namespace tw
