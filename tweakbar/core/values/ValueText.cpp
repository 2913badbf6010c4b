#include "values/ValueText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "base/TextUtil.h"
#include "values/ColourComponents.h"
#include "values/StructSummary.h"

namespace tw {
namespace {

// Quaternions and directions show this many digits unless a precision is set.
constexpr int kVectorPrecision = 2;
// The step of a quaternion's or direction's component rows.
constexpr double kComponentStep = 0.01;

bool isReal(ValueKind kind) {
    return kind == ValueKind::Float || kind == ValueKind::Double;
}

// Index of value among the enum entries, or -1.
int entryIndex(const std::vector<EnumEntry>& entries, int value) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].value == value) return int(i);
    }
    return -1;
}

void formatInteger(const Control& control, double value, char* buffer, std::size_t capacity) {
    const TypeInfo& type = control.typeInfo;
    if (control.hexa) {
        // All the digits of the variable's width; negative numbers show their bits.
        const double modulus = std::pow(2.0, double(type.size * 8));
        const double bits = value < 0 ? value + modulus : value;
        std::snprintf(buffer, capacity, "0x%0*llX", int(type.size * 2),
                      static_cast<unsigned long long>(bits));
    } else {
        std::snprintf(buffer, capacity, "%.0f", value);
    }
}

// A character with its code: "A (65)", or "A (0x41)" in hexa.
void formatChar(const Control& control, double value, char* buffer, std::size_t capacity) {
    char code[16];
    formatInteger(control, value, code, sizeof code);
    const bool printable = value >= 32 && value != 127;
    if (printable) {
        std::snprintf(buffer, capacity, "%c (%s)", char(int(value)), code);
    } else {
        copyText(code, buffer, capacity);
    }
}

}  // namespace

// In the variable's own type: a float's limits have float precision.
double effectiveMin(const Control& control) {
    const double lowest = control.typeInfo.lowest;
    return castToType(control.typeInfo, control.minSet ? std::max(control.min, lowest) : lowest);
}

double effectiveMax(const Control& control) {
    const double highest = control.typeInfo.highest;
    return castToType(control.typeInfo, control.maxSet ? std::min(control.max, highest) : highest);
}

int effectivePrecision(const Control& control) {
    if (isVector(control.typeInfo.kind)) return kVectorPrecision;
    return isReal(control.typeInfo.kind) ? control.precision : 0;
}

double effectiveStep(const Control& control) {
    return control.stepSet ? control.step : 1;
}

int precisionOfStep(double step) {
    for (int digits = 0; digits <= kMaxPrecision; ++digits) {
        if (step >= std::pow(10.0, -digits) * (1 - 1e-6)) return digits;
    }
    return -1;
}

const char* enumLabel(const Control& control, int value) {
    const auto* entries = control.enumEntries();
    if (!entries) return nullptr;
    const int index = entryIndex(*entries, value);
    return index < 0 ? nullptr : (*entries)[std::size_t(index)].label.c_str();
}

std::size_t cacheSize(const TypeInfo& type) {
    return isClientString(type.kind) ? kMaxDynamicString + 1 : type.size;
}

double channelStep(const Control& control) {
    return isVector(control.typeInfo.kind) ? kComponentStep : 1;
}

double numberOf(const Control& control, const unsigned char* raw, int channelIndex) {
    if (channelIndex >= 0 && isVector(control.typeInfo.kind)) {
        return readComponent(control.typeInfo, raw, channelIndex);
    }
    if (channelIndex >= 0) return colourComponent(control, raw, channelIndex);
    return readNumber(control.typeInfo, raw);
}

void formatValue(const Control& control, const unsigned char* raw, int channelIndex, char* buffer,
                 std::size_t capacity) {
    const TypeInfo& type = control.typeInfo;
    if (capacity == 0) return;
    buffer[0] = '\0';
    if (channelIndex >= 0 && isVector(type.kind)) {
        std::snprintf(buffer, capacity, "%.*f", effectivePrecision(control),
                      readComponent(type, raw, channelIndex) + 0.0);
        return;
    }
    if (channelIndex >= 0) {
        std::snprintf(buffer, capacity, "%.0f", colourComponent(control, raw, channelIndex));
        return;
    }
    if (channelIndex == kColourModeRow) {
        copyText(control.hlsMode ? "HLS" : "RGB", buffer, capacity);
        return;
    }
    switch (type.kind) {
        case ValueKind::Bool:
            // Empty when the label is not set: the row shows a check mark or a dash instead.
            copyText(readNumber(type, raw) != 0 ? control.trueLabel : control.falseLabel, buffer,
                     capacity);
            return;
        case ValueKind::Integer:
        case ValueKind::Char:
        case ValueKind::Enum: {
            const double value = readNumber(type, raw);
            if (const char* label = enumLabel(control, roundToInt(value))) {
                copyText(label, buffer, capacity);
            } else if (type.kind == ValueKind::Char) {
                formatChar(control, value, buffer, capacity);
            } else {
                formatInteger(control, value, buffer, capacity);
            }
            return;
        }
        case ValueKind::Float:
        case ValueKind::Double: {
            // Adding 0.0 turns a negative zero into a positive one, so "-0.00" never shows.
            const double value = readNumber(type, raw) + 0.0;
            const int digits = effectivePrecision(control);
            if (digits < 0) {
                std::snprintf(buffer, capacity, "%g", value);
                return;
            }
            const double threshold = 0.5 * std::pow(10.0, -digits);
            std::snprintf(buffer, capacity, "%.*f", digits,
                          std::fabs(value) < threshold ? 0.0 : value);
            return;
        }
        case ValueKind::Color32:
        case ValueKind::Color3F:
        case ValueKind::Color4F: {
            const Rgba c = readColor(type, raw);
            if (type.kind == ValueKind::Color3F) {
                std::snprintf(buffer, capacity, "%d %d %d", c.r, c.g, c.b);
            } else {
                std::snprintf(buffer, capacity, "%d %d %d %d", c.r, c.g, c.b, c.a);
            }
            return;
        }
        case ValueKind::Struct:
            formatSummary(control, raw, buffer, capacity);
            return;
        case ValueKind::FixedString:
        case ValueKind::DynamicString:
        case ValueKind::StdString: {
            const std::size_t size = cacheSize(type);
            const auto* end = static_cast<const unsigned char*>(std::memchr(raw, 0, size));
            copyText(std::string_view(reinterpret_cast<const char*>(raw),
                                      end ? std::size_t(end - raw) : size),
                     buffer, capacity);
            return;
        }
        case ValueKind::Quat4F:
        case ValueKind::Quat4D:
        case ValueKind::Dir3F:
        case ValueKind::Dir3D: {
            const int digits = effectivePrecision(control);
            double c[4] = {};
            for (int i = 0; i < componentCount(type.kind); ++i)
                c[i] = readComponent(type, raw, i) + 0.0;  // no negative zero
            if (componentCount(type.kind) == 4) {
                std::snprintf(buffer, capacity, "Q={x:%.*f,y:%.*f,z:%.*f,s:%.*f}", digits, c[0],
                              digits, c[1], digits, c[2], digits, c[3]);
            } else {
                std::snprintf(buffer, capacity, "V={%.*f,%.*f,%.*f}", digits, c[0], digits, c[1],
                              digits, c[2]);
            }
            return;
        }
    }
}

void updateValueText(Control& control) {
    if (control.kind != ControlKind::Variable || !control.valueRead) return;
    char buffer[256];
    formatValue(control, control.value.data(), -1, buffer, sizeof buffer);
    control.valueText = buffer;
}

std::string fieldText(const Control& control, int channelIndex) {
    const bool wholeText = channelIndex < 0 && isText(control.typeInfo.kind);
    std::string text(wholeText ? cacheSize(control.typeInfo) + 1 : kMaxNumberText + 1, '\0');
    formatValue(control, control.value.data(), channelIndex, text.data(), text.size());
    text.resize(std::strlen(text.c_str()));
    return text;
}

NumberRange numberRange(const Control& control, int channelIndex) {
    if (channelIndex >= 0 && isVector(control.typeInfo.kind)) {
        // A quaternion's scalar part alone is bounded; nothing is normalised as it is typed.
        const double none = std::numeric_limits<double>::infinity();
        return channelIndex == 3 ? NumberRange{-1, 1} : NumberRange{-none, none};
    }
    if (channelIndex >= 0) return {0, colourComponentMax(channelIndex)};
    // A minimum above the maximum leaves the maximum: the maximum is applied last.
    const double lo = effectiveMin(control), hi = effectiveMax(control);
    return {std::min(lo, hi), hi};
}

bool atBound(const Control& control, int channelIndex) {
    if (control.kind != ControlKind::Variable || !control.valueRead) return false;
    const bool number = channelIndex < 0 && control.hasNumberValue() && !control.enumEntries();
    if (!number && channelIndex < 0) return false;
    const NumberRange range = numberRange(control, channelIndex);
    const double value = numberOf(control, control.value.data(), channelIndex);
    return value <= range.lo || value >= range.hi;
}

void setNumber(const Control& control, unsigned char* raw, int channelIndex, double value) {
    const NumberRange range = numberRange(control, channelIndex);
    const double clamped = std::clamp(value, range.lo, range.hi);
    if (channelIndex >= 0 && isVector(control.typeInfo.kind)) {
        writeComponent(control.typeInfo, raw, channelIndex, clamped);
        return;
    }
    if (channelIndex >= 0) {
        setColourComponent(control, raw, channelIndex, clamped);
        return;
    }
    writeNumber(control.typeInfo, raw, clamped);
}

bool parseValue(const Control& control, std::string_view text, int channelIndex,
                unsigned char* raw) {
    const TypeInfo& type = control.typeInfo;
    const std::string_view trimmed = trim(text);
    double number = 0;
    if (channelIndex >= 0) {
        if (!parseNumber(trimmed, number)) return false;
        setNumber(control, raw, channelIndex, number);
        return true;
    }
    switch (type.kind) {
        case ValueKind::Integer:
        case ValueKind::Char: {
            // A character variable takes the first character typed.
            if (type.kind == ValueKind::Char && !trimmed.empty()) {
                number = static_cast<unsigned char>(trimmed[0]);
            } else if (!parseNumber(trimmed, number)) {
                return false;
            }
            setNumber(control, raw, -1, number);
            return true;
        }
        case ValueKind::Float:
        case ValueKind::Double:
            if (!parseNumber(trimmed, number)) return false;
            setNumber(control, raw, -1, number);
            return true;
        case ValueKind::FixedString:
        case ValueKind::DynamicString:
        case ValueKind::StdString: {
            const std::size_t size = cacheSize(type);
            std::memset(raw, 0, size);
            std::memcpy(raw, text.data(), std::min(text.size(), size - 1));
            return true;
        }
        default:
            return false;
    }
}

void stepValue(const Control& control, unsigned char* raw, int channelIndex, int steps) {
    const auto* entries = control.enumEntries();
    if (channelIndex < 0 && entries && !entries->empty()) {
        const int current = entryIndex(*entries, roundToInt(readNumber(control.typeInfo, raw)));
        // Past either end it wraps; a value that is no entry goes to the first.
        const int count = int(entries->size());
        const int next = current < 0 ? 0 : ((current + steps) % count + count) % count;
        writeNumber(control.typeInfo, raw, (*entries)[std::size_t(next)].value);
        return;
    }
    const double step = channelIndex >= 0 ? channelStep(control) : effectiveStep(control);
    setNumber(control, raw, channelIndex, numberOf(control, raw, channelIndex) + steps * step);
}

int currentEntry(const Control& control) {
    const auto* entries = control.enumEntries();
    if (!entries) return -1;
    return entryIndex(*entries, roundToInt(readNumber(control.typeInfo, control.value.data())));
}

}  // namespace tw
