// The parameters of one bar.

#include "Context.h"
#include "ParamTable.h"

namespace tw {
namespace {

const char* setLabel(Context& context, Bar& bar, const ParamValue& value) {
    bar.label = std::string(value.text);
    context.structureChanged();
    return nullptr;
}

void getLabel(const Context&, const Bar& bar, ParamOutput& out) {
    outText(out, bar.label);
}

const char* setHelp(Context& context, Bar& bar, const ParamValue& value) {
    bar.help = std::string(value.text);
    context.structureChanged();
    return nullptr;
}

void getHelp(const Context&, const Bar& bar, ParamOutput& out) {
    outText(out, bar.help);
}

const char* setColor(Context& context, Bar& bar, const ParamValue& value) {
    for (int i = 0; i < 3; ++i) {
        if (!inRange(value.numbers[i], 0, 255)) return err::kBadValue;
    }
    bar.color = {std::uint8_t(value.numbers[0]), std::uint8_t(value.numbers[1]),
                 std::uint8_t(value.numbers[2])};
    context.changed();
    return nullptr;
}

void getColor(const Context&, const Bar& bar, ParamOutput& out) {
    outNumbers(out, bar.color.r, bar.color.g, bar.color.b);
}

const char* setAlpha(Context& context, Bar& bar, const ParamValue& value) {
    if (!inRange(value.numbers[0], 0, 255)) return err::kBadValue;
    bar.alpha = int(value.numbers[0]);
    context.changed();
    return nullptr;
}

void getAlpha(const Context&, const Bar& bar, ParamOutput& out) {
    outNumbers(out, bar.alpha);
}

const char* setText(Context& context, Bar& bar, const ParamValue& value) {
    const std::string_view text = trim(value.text);
    if (equalsNoCase(text, "dark")) {
        bar.darkText = true;
    } else if (equalsNoCase(text, "light")) {
        bar.darkText = false;
    } else {
        return err::kBadValue;
    }
    context.changed();
    return nullptr;
}

void getText(const Context&, const Bar& bar, ParamOutput& out) {
    outText(out, bar.darkText ? "dark" : "light");
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

void getPosition(const Context&, const Bar& bar, ParamOutput& out) {
    outNumbers(out, bar.x, bar.y);
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

void getSize(const Context&, const Bar& bar, ParamOutput& out) {
    outNumbers(out, bar.width, bar.height);
}

const char* setValuesWidth(Context& context, Bar& bar, const ParamValue& value) {
    if (value.flag) {
        bar.valuesWidthMode = ValuesWidthMode::Fit;
    } else {
        if (!inRange(value.numbers[0], 0, kMaxCoordinate)) return err::kBadValue;
        bar.valuesWidthMode = ValuesWidthMode::Fixed;
        bar.valuesWidth = int(value.numbers[0]);
    }
    context.changed();
    return nullptr;
}

void getValuesWidth(const Context&, const Bar& bar, ParamOutput& out) {
    switch (bar.valuesWidthMode) {
        case ValuesWidthMode::FollowFont:
            outNumbers(out, defaultValuesWidth(bar.fontSize));
            break;
        case ValuesWidthMode::Fixed:
            outNumbers(out, bar.valuesWidth);
            break;
        case ValuesWidthMode::Fit:
            // The width that fitting gave at the last layout; the text form says how it came.
            outNumbers(out, bar.layout.valueWidth > 0 ? bar.layout.valueWidth
                                                      : defaultValuesWidth(bar.fontSize));
            out.text = "fit";
            break;
    }
}

const char* setRefresh(Context& context, Bar& bar, const ParamValue& value) {
    if (!inRange(value.numbers[0], 0, 1e6)) return err::kBadValue;
    bar.refresh = value.numbers[0];
    context.changed();
    return nullptr;
}

void getRefresh(const Context&, const Bar& bar, ParamOutput& out) {
    outNumbers(out, bar.refresh);
}

const char* setFontSize(Context& context, Bar& bar, const ParamValue& value) {
    const int size = int(value.numbers[0]);
    if (size < 1 || size > 3) return err::kBadValue;
    bar.fontSize = size;
    context.changed();
    return nullptr;
}

void getFontSize(const Context&, const Bar& bar, ParamOutput& out) {
    outNumbers(out, bar.fontSize);
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

const char* setVisible(Context& context, Bar& bar, const ParamValue& value) {
    if (bar.visible != value.flag) {
        bar.visible = value.flag;
        shownChanged(context, bar);
    }
    return nullptr;
}

void getVisible(const Context&, const Bar& bar, ParamOutput& out) {
    outBool(out, bar.visible);
}

const char* setIconified(Context& context, Bar& bar, const ParamValue& value) {
    if (bar.iconified != value.flag) {
        bar.iconified = value.flag;
        shownChanged(context, bar);
    }
    return nullptr;
}

void getIconified(const Context&, const Bar& bar, ParamOutput& out) {
    outBool(out, bar.iconified);
}

template <bool CTwBar::*Member>
const char* setFlag(Context& context, Bar& bar, const ParamValue& value) {
    bar.*Member = value.flag;
    context.changed();
    return nullptr;
}

template <bool CTwBar::*Member>
void getFlag(const Context&, const Bar& bar, ParamOutput& out) {
    outBool(out, bar.*Member);
}

// The two layers exclude each other.
const char* setAlwaysTop(Context& context, Bar& bar, const ParamValue& value) {
    bar.alwaysTop = value.flag;
    if (value.flag) bar.alwaysBottom = false;
    context.changed();
    return nullptr;
}

const char* setAlwaysBottom(Context& context, Bar& bar, const ParamValue& value) {
    bar.alwaysBottom = value.flag;
    if (value.flag) bar.alwaysTop = false;
    context.changed();
    return nullptr;
}

const ParamDef<Bar> kBarParams[] = {
    {"label", ParamShape::Text, setLabel, getLabel},
    {"help", ParamShape::Text, setHelp, getHelp},
    {"color", ParamShape::Integer3, setColor, getColor},
    {"alpha", ParamShape::Integer, setAlpha, getAlpha},
    {"text", ParamShape::Text, setText, getText},
    {"position", ParamShape::Integer2, setPosition, getPosition},
    {"size", ParamShape::Integer2, setSize, getSize},
    {"valueswidth", ParamShape::WidthOrFit, setValuesWidth, getValuesWidth},
    {"refresh", ParamShape::Real, setRefresh, getRefresh},
    {"visible", ParamShape::Bool, setVisible, getVisible},
    {"iconified", ParamShape::Bool, setIconified, getIconified},
    {"iconifiable", ParamShape::Bool, setFlag<&CTwBar::iconifiable>, getFlag<&CTwBar::iconifiable>},
    {"movable", ParamShape::Bool, setFlag<&CTwBar::movable>, getFlag<&CTwBar::movable>},
    {"resizable", ParamShape::Bool, setFlag<&CTwBar::resizable>, getFlag<&CTwBar::resizable>},
    {"fontsize", ParamShape::Integer, setFontSize, getFontSize},
    {"contained", ParamShape::Bool, setFlag<&CTwBar::contained>, getFlag<&CTwBar::contained>},
    {"alwaystop", ParamShape::Bool, setAlwaysTop, getFlag<&CTwBar::alwaysTop>},
    {"alwaysbottom", ParamShape::Bool, setAlwaysBottom, getFlag<&CTwBar::alwaysBottom>},
};

}  // namespace

const char* setBarParam(Context& context, Bar& bar, std::string_view name, const ParamInput& input,
                        const char* unknownText) {
    return setFromTable(kBarParams, context, bar, name, input, unknownText);
}

const char* getBarParam(const Context& context, const Bar& bar, std::string_view name,
                        ParamOutput& out) {
    return getFromTable(kBarParams, context, bar, name, out);
}

}  // namespace tw
