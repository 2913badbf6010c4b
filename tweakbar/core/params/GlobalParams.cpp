// The GLOBAL parameters: engine-wide defaults and the placement of icons.
#include "Context.h"
#include "ParamTable.h"

namespace tw {
namespace {

struct NamedCorner {
    const char* name;
    const char* shortName;
    IconCorner corner;
};

constexpr NamedCorner kCorners[] = {
    {"bottomleft", "bl", IconCorner::BottomLeft},
    {"bottomright", "br", IconCorner::BottomRight},
    {"topleft", "tl", IconCorner::TopLeft},
    {"topright", "tr", IconCorner::TopRight},
};

constexpr const char* kAlignNames[] = {"left", "center", "right"};

const char* setHelp(Context& context, Context&, const ParamValue& value) {
    context.globals.help = std::string(value.text);
    context.structureChanged();
    return nullptr;
}

void getHelp(const Context& context, const Context&, ParamOutput& out) {
    outText(out, context.globals.help);
}

// The engine-wide font size and containment also apply to every bar that exists.
const char* setFontSize(Context& context, Context&, const ParamValue& value) {
    const int size = int(value.numbers[0]);
    if (size < 1 || size > 3) return err::kBadValue;
    context.globals.fontSize = size;
    for (auto& bar : context.bars)
        bar->fontSize = size;
    context.changed();
    return nullptr;
}

void getFontSize(const Context& context, const Context&, ParamOutput& out) {
    outNumbers(out, context.globals.fontSize);
}

const char* setContained(Context& context, Context&, const ParamValue& value) {
    context.globals.contained = value.flag;
    for (auto& bar : context.bars)
        bar->contained = value.flag;
    context.changed();
    return nullptr;
}

void getContained(const Context& context, const Context&, ParamOutput& out) {
    outBool(out, context.globals.contained);
}

const char* setIconPos(Context& context, Context&, const ParamValue& value) {
    const std::string_view text = trim(value.text);
    for (const auto& named : kCorners) {
        if (equalsNoCase(text, named.name) || equalsNoCase(text, named.shortName)) {
            context.globals.iconCorner = named.corner;
            context.changed();
            return nullptr;
        }
    }
    return err::kBadValue;
}

void getIconPos(const Context& context, const Context&, ParamOutput& out) {
    for (const auto& named : kCorners) {
        if (named.corner == context.globals.iconCorner) outText(out, named.name);
    }
}

const char* setIconAlign(Context& context, Context&, const ParamValue& value) {
    const std::string_view text = trim(value.text);
    if (equalsNoCase(text, "vertical")) {
        context.globals.iconsVertical = true;
    } else if (equalsNoCase(text, "horizontal")) {
        context.globals.iconsVertical = false;
    } else {
        return err::kBadValue;
    }
    context.changed();
    return nullptr;
}

void getIconAlign(const Context& context, const Context&, ParamOutput& out) {
    outText(out, context.globals.iconsVertical ? "vertical" : "horizontal");
}

const char* setIconMargin(Context& context, Context&, const ParamValue& value) {
    if (!inRange(value.numbers[0], 0, kMaxCoordinate) ||
        !inRange(value.numbers[1], 0, kMaxCoordinate)) {
        return err::kBadValue;
    }
    context.globals.iconMarginX = int(value.numbers[0]);
    context.globals.iconMarginY = int(value.numbers[1]);
    context.changed();
    return nullptr;
}

void getIconMargin(const Context& context, const Context&, ParamOutput& out) {
    outNumbers(out, context.globals.iconMarginX, context.globals.iconMarginY);
}

// The atlas holds one typeface, so both styles draw alike; the choice is kept for callers
// that read it back.
const char* setFontStyle(Context& context, Context&, const ParamValue& value) {
    const std::string_view text = trim(value.text);
    if (!equalsNoCase(text, "default") && !equalsNoCase(text, "fixed")) return err::kBadValue;
    context.globals.fontStyle = equalsNoCase(text, "fixed") ? "fixed" : "default";
    return nullptr;
}

void getFontStyle(const Context& context, const Context&, ParamOutput& out) {
    outText(out, context.globals.fontStyle);
}

const char* setButtonAlign(Context& context, Context&, const ParamValue& value) {
    const std::string_view text = trim(value.text);
    for (int i = 0; i < 3; ++i) {
        if (equalsNoCase(text, kAlignNames[i])) {
            context.globals.buttonAlign = ButtonAlign(i);
            context.changed();
            return nullptr;
        }
    }
    return err::kBadValue;
}

void getButtonAlign(const Context& context, const Context&, ParamOutput& out) {
    outText(out, kAlignNames[int(context.globals.buttonAlign)]);
}

const ParamDef<Context> kGlobalParams[] = {
    {"help", ParamShape::Text, setHelp, getHelp},
    {"fontsize", ParamShape::Integer, setFontSize, getFontSize},
    {"contained", ParamShape::Bool, setContained, getContained},
    {"iconpos", ParamShape::Text, setIconPos, getIconPos},
    {"iconalign", ParamShape::Text, setIconAlign, getIconAlign},
    {"iconmargin", ParamShape::Integer2, setIconMargin, getIconMargin},
    {"fontstyle", ParamShape::Text, setFontStyle, getFontStyle},
    {"buttonalign", ParamShape::Text, setButtonAlign, getButtonAlign},
};

}  // namespace

const char* setGlobalParam(Context& context, std::string_view name, const ParamInput& input,
                           const char* unknownText) {
    return setFromTable(kGlobalParams, context, context, name, input, unknownText);
}

const char* getGlobalParam(const Context& context, std::string_view name, ParamOutput& out) {
    return getFromTable(kGlobalParams, context, context, name, out);
}

}  // namespace tw
