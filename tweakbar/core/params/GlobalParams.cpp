// The GLOBAL parameters: engine-wide defaults, fonts and the placement of icons.
#include <algorithm>

#include "base/TextUtil.h"
#include "look/Metrics.h"
#include "model/BarLayout.h"
#include "model/Context.h"
#include "model/Engine.h"
#include "params/ParamTable.h"

namespace tw {
namespace {

// Every spelling of each corner, in IconCorner order; the first is the one read back.
const std::initializer_list<const char*> kCornerNames[] = {
    {"bottomleft", "bl", "lb", "leftbottom"},
    {"bottomright", "br", "rb", "rightbottom"},
    {"topleft", "tl", "lt", "lefttop"},
    {"topright", "tr", "rt", "righttop"},
};

const char* setHelp(Context& context, Context&, const ParamValue& value) {
    context.globals.help = std::string(value.text);
    context.structureChanged();
    return nullptr;
}

const char* getHelp(Context& context, const Context&, ParamOutput& out) {
    return outText(out, context.globals.help);
}

// A bar that the user may resize grows and shrinks with its text, so that the same rows stay
// in view; a fixed bar keeps the size its owner gave it.
void rescaleForFont(Bar& bar, int newSize, double fontScaling) {
    if (!bar.resizable || bar.fontSize == newSize) return;
    const double ratio =
        double(fontHeight(newSize, fontScaling)) / fontHeight(bar.fontSize, fontScaling);
    bar.width = std::max(1, roundToInt(bar.width * ratio));
    bar.height = std::max(1, roundToInt(bar.height * ratio));
    if (bar.valuesWidthMode == ValuesWidthMode::Fixed)
        bar.valuesWidth = std::max(1, roundToInt(bar.valuesWidth * ratio));
}

const char* setFontSize(Context& context, Context&, const ParamValue& value) {
    const int size = int(value.numbers[0]);
    if (size < 1 || size > 3) return err::kBadValue;
    context.globals.fontSize = size;
    for (auto& bar : context.bars) {
        rescaleForFont(*bar, size, context.globals.fontScaling);
        bar->fontSize = size;
    }
    context.structureChanged();
    return nullptr;
}

const char* getFontSize(Context& context, const Context&, ParamOutput& out) {
    return outNumbers(out, {double(context.globals.fontSize)});
}

// The atlas holds one typeface, so the styles draw alike; what they change besides is that a
// fixed font cannot be cycled from a bar's title. Going back to the default font leaves that
// as it is: fontresizable turns it on again.
const char* setFontStyle(Context& context, Context&, const ParamValue& value) {
    const int style = wordIndex(value.text, {"default", "fixed", "fixedru"});
    if (style < 0) return err::kBadValue;
    if (style != 0) context.globals.fontResizable = false;
    context.globals.fontStyle = FontStyle(style);
    context.changed();
    return nullptr;
}

// The Cyrillic set is a fixed font too, but reads back as the default style.
const char* getFontStyle(Context& context, const Context&, ParamOutput& out) {
    return outText(out, context.globals.fontStyle == FontStyle::Fixed ? "fixed" : "default");
}

template <bool Globals::*Member>
const char* setFlag(Context& context, Context&, const ParamValue& value) {
    context.globals.*Member = value.flag;
    context.changed();
    return nullptr;
}

template <bool Globals::*Member>
const char* getFlag(Context& context, const Context&, ParamOutput& out) {
    return outBool(out, context.globals.*Member);
}

// Containment and button placement also apply to every bar that exists.
const char* setContained(Context& context, Context&, const ParamValue& value) {
    context.globals.contained = value.flag;
    for (auto& bar : context.bars)
        bar->contained = value.flag;
    context.changed();
    return nullptr;
}

const char* setButtonAlign(Context& context, Context&, const ParamValue& value) {
    const int align = wordIndex(value.text, {"left", "center", "right"});
    if (align < 0) return err::kBadValue;
    context.globals.buttonAlign = ButtonAlign(align);
    for (auto& bar : context.bars)
        bar->buttonAlign = ButtonAlign(align);
    context.changed();
    return nullptr;
}

const char* getButtonAlign(Context& context, const Context&, ParamOutput& out) {
    return outText(out, buttonAlignName(context.globals.buttonAlign));
}

const char* setIconPos(Context& context, Context&, const ParamValue& value) {
    for (int corner = 0; corner < 4; ++corner) {
        if (wordIndex(value.text, kCornerNames[corner]) >= 0) {
            context.globals.iconCorner = IconCorner(corner);
            context.changed();
            return nullptr;
        }
    }
    return err::kBadValue;
}

const char* getIconPos(Context& context, const Context&, ParamOutput& out) {
    return outText(out, *kCornerNames[int(context.globals.iconCorner)].begin());
}

const char* setIconAlign(Context& context, Context&, const ParamValue& value) {
    const int align = wordIndex(value.text, {"vert", "vertical", "horiz", "horizontal"});
    if (align < 0) return err::kBadValue;
    context.globals.iconsVertical = align < 2;
    context.changed();
    return nullptr;
}

const char* getIconAlign(Context& context, const Context&, ParamOutput& out) {
    return outText(out, context.globals.iconsVertical ? "vertical" : "horizontal");
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

const char* getIconMargin(Context& context, const Context&, ParamOutput& out) {
    return outNumbers(out,
                      {double(context.globals.iconMarginX), double(context.globals.iconMarginY)});
}

const char* setColorScheme(Context& context, Context&, const ParamValue& value) {
    const int scheme = int(value.numbers[0]);
    if (scheme != 0 && scheme != 1) return err::kBadValue;
    context.globals.colorScheme = scheme;
    return nullptr;
}

const char* getColorScheme(Context& context, const Context&, ParamOutput& out) {
    return outNumbers(out, {double(context.globals.colorScheme)});
}

// The word's index is the setting: auto, then the ways a backend may be forced to take.
const char* setStatePath(Context& context, Context&, const ParamValue& value) {
    const int setting = wordIndex(value.text, {"auto", "swap", "saved"});
    if (setting < 0 || !context.backend->setStatePath(StatePathSetting(setting)))
        return err::kBadValue;
    return nullptr;
}

const char* getStatePath(Context& context, const Context&, ParamOutput& out) {
    return outText(out, context.backend->statePath());
}

const ParamDef<Context> kGlobalParams[] = {
    {"help", ParamShape::Text, setHelp, getHelp},
    {"fontsize", ParamShape::Integer, setFontSize, getFontSize},
    {"fontstyle", ParamShape::Text, setFontStyle, getFontStyle},
    {"fontresizable", ParamShape::Bool, setFlag<&Globals::fontResizable>,
     getFlag<&Globals::fontResizable>},
    {"iconpos", ParamShape::Text, setIconPos, getIconPos},
    {"iconalign", ParamShape::Text, setIconAlign, getIconAlign},
    {"iconmargin", ParamShape::Integer2, setIconMargin, getIconMargin},
    {"colorscheme", ParamShape::Integer, setColorScheme, getColorScheme},
    {"contained", ParamShape::Bool, setContained, getFlag<&Globals::contained>},
    {"buttonalign", ParamShape::Text, setButtonAlign, getButtonAlign},
    {"overlap", ParamShape::Bool, setFlag<&Globals::overlap>, getFlag<&Globals::overlap>},
    {"statepath", ParamShape::Text, setStatePath, getStatePath},
};

}  // namespace

ParamResult setGlobalParam(Context& context, std::string_view name, std::string_view text) {
    return setFromTable({rowsOf(kGlobalParams)}, context, context, name, text);
}

ParamResult getGlobalParam(Context& context, std::string_view name, ParamOutput& out) {
    return getFromTable({rowsOf(kGlobalParams)}, context, context, name, out);
}

ParamArity globalParamArity(std::string_view name) {
    return arityIn<Context>({rowsOf(kGlobalParams)}, name);
}

ParamArity engineParamArity(std::string_view name) {
    return equalsNoCase(name, "fontscaling") ? ParamArity::Value : ParamArity::Unknown;
}

// Font heights are fixed when the atlas is made at TwInit, so the scale is taken only before.
ParamResult setEngineParam(std::string_view name, std::string_view text) {
    if (!equalsNoCase(name, "fontscaling")) return {ParamResult::Status::UnknownName, nullptr};
    ParamValue value;
    if (const char* error = shapeValue(ParamShape::Real, text, value)) return failed(error);
    // Beyond these the glyphs of the largest size would not fit the atlas's rows.
    if (!inRange(value.numbers[0], kMinFontScaling, kMaxFontScaling)) return failed(err::kBadValue);
    engine().fontScaling = value.numbers[0];
    return {};
}

}  // namespace tw
