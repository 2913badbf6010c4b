// The parameters of one bar.
#include "look/Metrics.h"
#include "model/Context.h"
#include "params/ParamTable.h"

namespace tw {
namespace {

const char* setLabel(Context& context, Bar& bar, const ParamValue& value) {
    bar.label = std::string(value.text);
    context.structureChanged();
    return nullptr;
}

const char* getLabel(Context&, const Bar& bar, ParamOutput& out) {
    return outText(out, bar.label);
}

const char* setHelp(Context& context, Bar& bar, const ParamValue& value) {
    bar.help = std::string(value.text);
    context.structureChanged();
    return nullptr;
}

const char* getHelp(Context&, const Bar& bar, ParamOutput& out) {
    return outText(out, bar.help);
}

// "r g b" keeps the alpha; "a r g b" sets it too.
const char* setColor(Context& context, Bar& bar, const ParamValue& value) {
    for (int i = 0; i < value.count; ++i) {
        if (!inRange(value.numbers[i], 0, 255)) return err::kBadValue;
    }
    const double* rgb = value.numbers + (value.count == 4 ? 1 : 0);
    if (value.count == 4) bar.alpha = int(value.numbers[0]);
    bar.color = {std::uint8_t(rgb[0]), std::uint8_t(rgb[1]), std::uint8_t(rgb[2])};
    context.changed();
    return nullptr;
}

const char* getColor(Context&, const Bar& bar, ParamOutput& out) {
    return outNumbers(out, {double(bar.color.r), double(bar.color.g), double(bar.color.b)});
}

const char* setAlpha(Context& context, Bar& bar, const ParamValue& value) {
    if (!inRange(value.numbers[0], 0, 255)) return err::kBadValue;
    bar.alpha = int(value.numbers[0]);
    context.changed();
    return nullptr;
}

const char* getAlpha(Context&, const Bar& bar, ParamOutput& out) {
    return outNumbers(out, {double(bar.alpha)});
}

const char* setText(Context& context, Bar& bar, const ParamValue& value) {
    const int text = wordIndex(value.text, {"light", "dark"});
    if (text < 0) return err::kBadValue;
    bar.darkText = text == 1;
    context.changed();
    return nullptr;
}

const char* getText(Context&, const Bar& bar, ParamOutput& out) {
    return outText(out, bar.darkText ? "dark" : "light");
}

const char* setPosition(Context& context, Bar& bar, const ParamValue& value) {
    if (!inRange(value.numbers[0], 0, kMaxCoordinate) ||
        !inRange(value.numbers[1], 0, kMaxCoordinate)) {
        return err::kBadValue;
    }
    bar.x = int(value.numbers[0]);
    bar.y = int(value.numbers[1]);
    context.changed();
    return nullptr;
}

const char* getPosition(Context&, const Bar& bar, ParamOutput& out) {
    return outNumbers(out, {double(bar.x), double(bar.y)});
}

// Sizes below the bar's minimum are accepted as given and raised when the bar is next drawn.
const char* setSize(Context& context, Bar& bar, const ParamValue& value) {
    if (!inRange(value.numbers[0], 1, kMaxCoordinate) ||
        !inRange(value.numbers[1], 1, kMaxCoordinate)) {
        return err::kBadValue;
    }
    bar.width = int(value.numbers[0]);
    bar.height = int(value.numbers[1]);
    context.changed();
    return nullptr;
}

const char* getSize(Context&, const Bar& bar, ParamOutput& out) {
    return outNumbers(out, {double(bar.width), double(bar.height)});
}

const char* setValuesWidth(Context& context, Bar& bar, const ParamValue& value) {
    if (value.flag) {
        bar.valuesWidthMode = ValuesWidthMode::Fit;
    } else {
        if (!inRange(value.numbers[0], 1, kMaxCoordinate)) return err::kBadValue;
        bar.valuesWidthMode = ValuesWidthMode::Fixed;
        bar.valuesWidth = int(value.numbers[0]);
    }
    context.changed();
    return nullptr;
}

const char* getValuesWidth(Context& context, const Bar& bar, ParamOutput& out) {
    switch (bar.valuesWidthMode) {
        case ValuesWidthMode::FollowFont:
            return outNumbers(out, {double(defaultValuesWidth(bar, context.globals.fontScaling))});
        case ValuesWidthMode::Fixed:
            return outNumbers(out, {double(bar.valuesWidth)});
        case ValuesWidthMode::Fit:
            break;
    }
    return outNumbers(out, {double(kValuesWidthFitPending)});
}

const char* setRefresh(Context& context, Bar& bar, const ParamValue& value) {
    if (!inRange(value.numbers[0], 0, 1e6)) return err::kBadValue;
    bar.refresh = value.numbers[0];
    context.changed();
    return nullptr;
}

const char* getRefresh(Context&, const Bar& bar, ParamOutput& out) {
    return outNumbers(out, {bar.refresh});
}

// A bar that stops being shown drops any edit or drag on it; one that appears again reads its
// values at once.
void shownChanged(Context& context, Bar& bar) {
    if (bar.shown()) {
        bar.refreshDue = true;
        context.bringToFront(bar);
    } else {
        context.input.forget(&bar);
    }
    context.structureChanged();
}

template <bool CTwBar::*Member>
void setShown(Context& context, Bar& bar, bool value) {
    if (bar.*Member != value) {
        bar.*Member = value;
        shownChanged(context, bar);
    }
}

const char* setVisible(Context& context, Bar& bar, const ParamValue& value) {
    setShown<&CTwBar::visible>(context, bar, value.flag);
    return nullptr;
}

const char* setShow(Context& context, Bar& bar, const ParamValue&) {
    setShown<&CTwBar::visible>(context, bar, true);
    return nullptr;
}

const char* setHide(Context& context, Bar& bar, const ParamValue&) {
    setShown<&CTwBar::visible>(context, bar, false);
    return nullptr;
}

// Iconifying is the caller's to do even where the user may not.
const char* setIconified(Context& context, Bar& bar, const ParamValue& value) {
    setShown<&CTwBar::iconified>(context, bar, value.flag);
    return nullptr;
}

const char* setIconify(Context& context, Bar& bar, const ParamValue&) {
    setShown<&CTwBar::iconified>(context, bar, true);
    return nullptr;
}

template <bool CTwBar::*Member>
const char* setFlag(Context& context, Bar& bar, const ParamValue& value) {
    bar.*Member = value.flag;
    context.changed();
    return nullptr;
}

template <bool CTwBar::*Member>
const char* getFlag(Context&, const Bar& bar, ParamOutput& out) {
    return outBool(out, bar.*Member);
}

// One bar at most holds each mark; taking it moves the bar at once.
template <bool CTwBar::*Mark, bool CTwBar::*OtherMark>
const char* setLayerMark(Context& context, Bar& bar, const ParamValue& value) {
    if (value.flag) {
        for (auto& other : context.bars)
            other.get()->*Mark = false;
        bar.*OtherMark = false;
        if (Mark == &CTwBar::alwaysTop) {
            context.bringToFront(bar);
        } else {
            context.sendToBack(bar);
        }
    }
    bar.*Mark = value.flag;
    context.changed();
    return nullptr;
}

const char* setButtonAlign(Context& context, Bar& bar, const ParamValue& value) {
    const int align = wordIndex(value.text, {"left", "center", "right"});
    if (align < 0) return err::kBadValue;
    bar.buttonAlign = ButtonAlign(align);
    context.changed();
    return nullptr;
}

const char* getButtonAlign(Context&, const Bar& bar, ParamOutput& out) {
    return outText(out, buttonAlignName(bar.buttonAlign));
}

const ParamDef<Bar> kBarParams[] = {
    {"label", ParamShape::Text, setLabel, getLabel},
    {"help", ParamShape::Text, setHelp, getHelp},
    {"color", ParamShape::Integer3Or4, setColor, getColor},
    {"alpha", ParamShape::Integer, setAlpha, getAlpha},
    {"text", ParamShape::Text, setText, getText},
    {"position", ParamShape::Integer2, setPosition, getPosition},
    {"size", ParamShape::Integer2, setSize, getSize},
    {"valueswidth", ParamShape::WidthOrFit, setValuesWidth, getValuesWidth},
    {"refresh", ParamShape::Real, setRefresh, getRefresh},
    {"visible", ParamShape::Bool, setVisible, getFlag<&CTwBar::visible>},
    {"iconified", ParamShape::Bool, setIconified, getFlag<&CTwBar::iconified>},
    {"iconifiable", ParamShape::Bool, setFlag<&CTwBar::iconifiable>, getFlag<&CTwBar::iconifiable>},
    {"movable", ParamShape::Bool, setFlag<&CTwBar::movable>, getFlag<&CTwBar::movable>},
    {"resizable", ParamShape::Bool, setFlag<&CTwBar::resizable>, getFlag<&CTwBar::resizable>},
    {"contained", ParamShape::Bool, setFlag<&CTwBar::contained>, getFlag<&CTwBar::contained>},
    {"buttonalign", ParamShape::Text, setButtonAlign, getButtonAlign},
    {"alwaystop", ParamShape::Bool, setLayerMark<&CTwBar::alwaysTop, &CTwBar::alwaysBottom>,
     getFlag<&CTwBar::alwaysTop>},
    {"alwaysbottom", ParamShape::Bool, setLayerMark<&CTwBar::alwaysBottom, &CTwBar::alwaysTop>,
     getFlag<&CTwBar::alwaysBottom>},
    {"show", ParamShape::NoValue, setShow, nullptr},
    {"hide", ParamShape::NoValue, setHide, nullptr},
    {"iconify", ParamShape::NoValue, setIconify, nullptr},
};

// Engine-wide parameters that a bar's define may also name; they act on the whole engine.
constexpr const char* kGlobalOnBar =
    "fontsize|fontstyle|fontresizable|iconpos|iconalign|iconmargin|colorscheme";

}  // namespace

ParamResult setBarParam(Context& context, Bar& bar, std::string_view name, std::string_view text) {
    if (namesMatch(kGlobalOnBar, name)) return setGlobalParam(context, name, text);
    return setFromTable({rowsOf(kBarParams)}, context, bar, name, text);
}

ParamResult getBarParam(Context& context, const Bar& bar, std::string_view name, ParamOutput& out) {
    if (namesMatch(kGlobalOnBar, name)) return getGlobalParam(context, name, out);
    return getFromTable({rowsOf(kBarParams)}, context, bar, name, out);
}

ParamArity barParamArity(std::string_view name) {
    if (namesMatch(kGlobalOnBar, name)) return globalParamArity(name);
    return arityIn<Bar>({rowsOf(kBarParams)}, name);
}

}  // namespace tw
