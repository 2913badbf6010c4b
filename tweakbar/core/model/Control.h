// One line of a bar: a variable, a button, a separator or a group heading, with the parameters
// that callers set through defines, and the value last read from the caller.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "AntTweakBar.h"
#include "base/ColourSpace.h"
#include "base/Shortcut.h"
#include "base/VarType.h"

namespace tw {

enum class ControlKind { Variable, Button, Separator, Group };

// Whether the caller registered the function that stores text into that kind of string (the
// engine keeps it, across TwTerminate).
bool canCopyToClient(ValueKind kind);

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

// The hue, lightness and saturation last set through a colour's rows, and the colour they gave.
struct HlsMemory {
    bool set = false;
    Rgba rgb;
    Hls hls;
};

struct Control {
    ControlKind kind = ControlKind::Variable;
    std::string name;   // empty for unnamed separators and for the help bar's generated lines
    std::string label;  // shown instead of the name when set
    bool labelSet = false;
    std::string help;
    bool visible = true;

    // Groups hold their members in display order; every control knows its group.
    Control* group = nullptr;
    std::vector<Control*> members;
    bool opened = true;  // groups, and colours whose channels are shown

    // Variables: the binding to the caller's data.
    TwType type = TW_TYPE_UNDEF;
    TypeInfo typeInfo;
    void* pointer = nullptr;
    TwSetVarCallback setter = nullptr;
    TwGetVarCallback getter = nullptr;
    void* clientData = nullptr;
    // The readonly parameter; TwAddVarRO sets it at first, and readonly=false makes even such a
    // variable writable.
    bool readOnlyParam = false;

    // Members of a struct variable: the outermost struct and where the member lies in it, and
    // in the struct that holds it directly (for the summary).
    Control* structRoot = nullptr;
    std::size_t rootOffset = 0, memberOffset = 0;

    // The pieces of a colour, quaternion or direction (its red, its "Quat X", its Mode...) as
    // variables of their own, which parameters reach by name ("c.Red") with their own
    // visibility, limits and read-only mark. They are in no bar's list: the row they belong to,
    // their owner, holds them and the value; `part` says which piece of it each one is.
    std::vector<std::unique_ptr<Control>> parts;
    Control* owner = nullptr;
    int part = -1;
    bool followsOwnerReadOnly = true;  // read-only whenever the owner is (all but a Mode)

    // Buttons; a button without callback is a line of text.
    TwButtonCallback button = nullptr;

    // Number parameters; unset limits fall back to the type's range.
    double min = 0, max = 0, step = 0;
    bool minSet = false, maxSet = false, stepSet = false;
    int precision = -1;  // digits after the point; -1 writes numbers like %g
    bool hexa = false;
    Shortcut key;                       // buttons press, bools toggle, numbers step up
    Shortcut keyDecr;                   // numbers step down
    std::string trueLabel, falseLabel;  // shown instead of the check mark and the dash when set
    std::vector<EnumEntry> ownEnum;     // from the "enum" parameter on an integer variable
    bool ownEnumSet = false;

    // Colours: whether the alpha channel has a row, and which set of channels shows.
    bool colorAlpha = false;
    bool hlsMode = false;
    // Shown while the variable still holds that colour, so that what its bytes cannot tell
    // (the hue of a grey, a step of hue too small to change a byte) stays as the user set it.
    // A cache of what is shown, kept by the const paths that edit a copy of the value.
    mutable HlsMemory hlsMemory;
    // Quaternions and directions: the arrow drawn instead of the axes (all 0: none), its
    // colour, which screen axis each of the variable's axes is drawn along (1..3 for x, y, z;
    // negative: reversed), and whether the components are listed below the widget.
    double arrow[3] = {};
    Rgb arrowColor = {255, 255, 0};
    int axes[3] = {1, 2, 3};
    bool showValues = false;

    // The value as last read, and its text as shown.
    std::vector<unsigned char> value;
    std::vector<unsigned char> incoming;  // where a read lands before it is compared
    bool valueRead = false;
    std::string valueText;

    bool generated = false;  // a line the help bar made, replaced whenever it is regenerated
    int extraDepth = 0;      // help bar lines that explain the line above sit further in
    bool removed = false;    // taken out of its bar while a callback was running

    // Read-only by the way the caller bound it, whatever the readonly parameter says.
    bool isBoundReadOnly() const {
        // A piece is written through its owner, whose state it follows unless it is a Mode.
        if (owner) return false;
        // A member of a struct served by callbacks is written through the struct's setter; the
        // engine's copy of a caller's string there is bytes it cannot assign to.
        if (servedByStruct()) {
            return structRoot->isBoundReadOnly() || isClientString(typeInfo.kind);
        }
        return !pointer && !setter;
    }
    bool isReadOnly() const {
        if (kind == ControlKind::Button) return readOnlyParam && button;
        if (kind != ControlKind::Variable) return false;
        if (readOnlyParam || isBoundReadOnly()) return true;
        if (owner && followsOwnerReadOnly && owner->isReadOnly()) return true;
        if (structRoot && structRoot->isReadOnly()) return true;
        return pointer && isClientString(typeInfo.kind) && !canCopyToClient(typeInfo.kind);
    }
    // A struct member read from and written to the engine's copy of a callback struct.
    bool servedByStruct() const { return structRoot && !structRoot->pointer; }
    // Rows that fold: colours (their channels), structs (their members), quaternions and
    // directions (their widget).
    bool isFoldable() const {
        return kind == ControlKind::Variable &&
               (isColor(typeInfo.kind) || isVector(typeInfo.kind) ||
                typeInfo.kind == ValueKind::Struct);
    }
    const std::vector<EnumEntry>* enumEntries() const {
        if (ownEnumSet) return &ownEnum;
        return typeInfo.enumType ? &typeInfo.enumType->entries : nullptr;
    }
    const std::string& shownLabel() const { return labelSet ? label : name; }
    bool isTextLine() const { return kind == ControlKind::Button && !button; }
    bool hasNumberValue() const { return kind == ControlKind::Variable && isNumber(typeInfo.kind); }
};

}  // namespace tw
