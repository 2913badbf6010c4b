#include "values/Parts.h"

#include <cmath>
#include <vector>

#include "model/Bar.h"
#include "model/Engine.h"
#include "values/ColourComponents.h"
#include "values/Refresh.h"

namespace tw {
namespace {

constexpr const char* kVectorPartNames[] = {"Quat X", "Quat Y", "Quat Z", "Quat S", "Axis X",
                                            "Axis Y", "Axis Z", "Dir X",  "Dir Y",  "Dir Z",
                                            "Mode",   "0",      "1",      "2",      "3"};

bool isQuaternion(ValueKind kind) {
    return kind == ValueKind::Quat4F || kind == ValueKind::Quat4D;
}

TypeInfo builtInType(TwType type) {
    static const EnumRegistry kNoEnums;
    TypeInfo info;
    describeType(type, kNoEnums, info);
    return info;
}

Control& addPart(Control& owner, int part, const char* name) {
    auto control = std::make_unique<Control>();
    control->name = owner.name + "." + name;
    control->label = name;
    control->labelSet = true;
    control->owner = &owner;
    control->part = part;
    owner.parts.push_back(std::move(control));
    return *owner.parts.back();
}

// A Mode piece reads 0 or 1 like a two-entry list, and stays writable on a read-only owner.
void makeMode(Control& mode, std::vector<EnumEntry> entries) {
    mode.typeInfo = builtInType(TW_TYPE_INT32);
    mode.typeInfo.kind = ValueKind::Enum;
    mode.ownEnum = std::move(entries);
    mode.ownEnumSet = true;
    mode.followsOwnerReadOnly = false;
}

void makeColourParts(Control& owner) {
    for (int component = kRed; component <= kSaturation; ++component) {
        Control& part = addPart(owner, component, colourComponentName(component));
        part.typeInfo = builtInType(TW_TYPE_INT32);
        part.min = 0;
        part.max = colourComponentMax(component);
        part.minSet = part.maxSet = true;
    }
    makeMode(addPart(owner, kColourModePart, "Mode"), {{0, "RGB"}, {1, "HLS"}});
    showColourParts(owner);
    // Shown only once coloralpha is set, whatever the type's default.
    showAlphaPart(owner, false);
}

void makeVectorParts(Control& owner) {
    for (int part = kQuatX; part <= kWidgetLine3; ++part) {
        Control& piece = addPart(owner, part, kVectorPartNames[part]);
        if (part >= kWidgetLine0) {
            piece.kind = ControlKind::Separator;
        } else if (part == kVectorModePart) {
            makeMode(piece, {});
            piece.followsOwnerReadOnly = true;
            piece.visible = false;
        } else {
            piece.typeInfo = builtInType(TW_TYPE_DOUBLE);
            piece.step = 0.01;
            piece.stepSet = true;
            piece.precision = 2;
        }
    }
    Control& scalar = *owner.parts[kQuatS];
    scalar.min = -1;
    scalar.max = 1;
    scalar.minSet = scalar.maxSet = true;
    showVectorParts(owner);
}

}  // namespace

void makeParts(Control& owner) {
    if (owner.kind != ControlKind::Variable) return;
    if (isColor(owner.typeInfo.kind)) makeColourParts(owner);
    if (isVector(owner.typeInfo.kind)) makeVectorParts(owner);
}

Control* findPart(const Bar& bar, std::string_view name) {
    for (const auto& control : bar.controls) {
        for (const auto& part : control->parts) {
            if (part->name == name) return part.get();
        }
    }
    return nullptr;
}

bool readPart(Context& context, Bar& bar, const Control& part, double& value) {
    Control& owner = *part.owner;
    readControl(context, bar, owner);
    if (!stillThere(context, bar, &owner)) return false;
    const unsigned char* raw = owner.value.data();
    const ValueKind kind = owner.typeInfo.kind;
    value = 0;
    if (isColor(kind)) {
        if (part.part == kColourModePart) {
            value = owner.hlsMode ? 1 : 0;
        } else {
            value = colourComponent(owner, raw, part.part);
        }
        return true;
    }
    if (part.part <= kQuatS) {
        if (part.part < componentCount(kind)) value = readComponent(owner.typeInfo, raw, part.part);
    } else if (part.part <= kAxisZ) {
        // The axis the rotation turns about, of length 1; a rotation by nothing turns about x.
        const double axis[3] = {readComponent(owner.typeInfo, raw, 0),
                                readComponent(owner.typeInfo, raw, 1),
                                readComponent(owner.typeInfo, raw, 2)};
        const double length = std::sqrt(axis[0] * axis[0] + axis[1] * axis[1] + axis[2] * axis[2]);
        const int index = part.part - kAxisX;
        value = length > 0 ? axis[index] / length : (index == 0 ? 1 : 0);
    } else if (part.part <= kDirZ && !isQuaternion(kind)) {
        value = readComponent(owner.typeInfo, raw, part.part - kDirX);
    }
    return true;
}

bool writePart(Context& context, Bar& bar, const Control& part, double value) {
    Control& owner = *part.owner;
    readControl(context, bar, owner);
    if (!stillThere(context, bar, &owner)) return false;
    std::vector<unsigned char> raw(owner.value);
    const ValueKind kind = owner.typeInfo.kind;
    if (isColor(kind)) {
        if (part.part == kColourModePart) {
            setColourMode(context, owner, value != 0);
            return true;
        }
        setColourComponent(owner, raw.data(), part.part, std::trunc(value));
        return storeControl(context, bar, owner, raw.data());
    }
    int index = -1;
    if (part.part <= kQuatS && isQuaternion(kind)) index = part.part;
    // An axis piece sets the rotation's vector part as it is; the scalar part stays.
    if (part.part >= kAxisX && part.part <= kAxisZ) index = part.part - kAxisX;
    if (part.part >= kDirX && part.part <= kDirZ && !isQuaternion(kind)) index = part.part - kDirX;
    if (index < 0) return true;
    writeComponent(owner.typeInfo, raw.data(), index, value);
    return storeControl(context, bar, owner, raw.data());
}

void showColourParts(Control& owner) {
    if (owner.parts.empty()) return;
    for (int component : {kRed, kGreen, kBlue})
        owner.parts[std::size_t(component)]->visible = !owner.hlsMode;
    for (int component : {kHue, kLightness, kSaturation})
        owner.parts[std::size_t(component)]->visible = owner.hlsMode;
}

void showAlphaPart(Control& owner, bool shown) {
    if (!owner.parts.empty()) owner.parts[kAlpha]->visible = shown;
}

void showVectorParts(Control& owner) {
    if (owner.parts.empty()) return;
    const bool quaternion = isQuaternion(owner.typeInfo.kind);
    for (int part = kQuatX; part <= kDirZ; ++part) {
        const bool own = quaternion ? part <= kQuatS : part >= kDirX;
        owner.parts[std::size_t(part)]->visible = own && owner.showValues;
    }
}

}  // namespace tw
