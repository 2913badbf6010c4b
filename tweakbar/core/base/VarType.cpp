#include "base/VarType.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/Errors.h"

namespace tw {
namespace {

static_assert(sizeof(bool) == 1, "TW_TYPE_BOOLCPP is handled as one byte");

void integer(TypeInfo& info, std::size_t size, bool isSigned) {
    info.kind = ValueKind::Integer;
    info.size = size;
    info.isSigned = isSigned;
    const double bits = double(size * 8);
    info.highest = std::pow(2.0, isSigned ? bits - 1 : bits) - 1;
    info.lowest = isSigned ? -std::pow(2.0, bits - 1) : 0;
}

void simple(TypeInfo& info, ValueKind kind, std::size_t size, double lowest, double highest) {
    info.kind = kind;
    info.size = size;
    info.lowest = lowest;
    info.highest = highest;
}

template <typename T>
T load(const void* raw) {
    T value;
    std::memcpy(&value, raw, sizeof value);
    return value;
}

template <typename T>
void store(void* raw, T value) {
    std::memcpy(raw, &value, sizeof value);
}

// 256 bands of equal width over 0..1, so that 0.5 is 128 and 1 is 255; a byte goes back as
// byte / 255.
std::uint8_t unitToByte(float value) {
    if (!(value > 0)) return 0;  // also NaN
    return std::uint8_t(std::min(255.0f, std::trunc(value * 256.0f)));
}

template <typename Narrow>
double wrapped(std::int64_t value) {
    return double(static_cast<Narrow>(value));
}

}  // namespace

const char* describeType(TwType type, const EnumRegistry& enums, TypeInfo& info,
                         const StructRegistry* structs) {
    info = TypeInfo{};
    const auto code = static_cast<unsigned>(type);
    if (code >= kFixedStringBase && code < kFixedStringBase + 0x10000000u) {
        const std::size_t size = code - kFixedStringBase;
        if (size == 0 || size > kMaxFixedString) return err::kBadSize;
        simple(info, ValueKind::FixedString, size, 0, 0);
        return nullptr;
    }
    const unsigned tag = code & 0xffff0000u;
    if (tag == kStdStringTag || tag == kStdStringTagMsvc2010) {
        simple(info, ValueKind::StdString, code & 0xffffu, 0, 0);
        return nullptr;
    }
    const unsigned firstStruct = kStructTypeBase + kBuiltInStructTypes;
    if (structs && code >= firstStruct && code - firstStruct < structs->size()) {
        info.structType = (*structs)[code - firstStruct].get();
        simple(info, ValueKind::Struct, info.structType->size, 0, 0);
        return nullptr;
    }
    if (code >= unsigned(kEnumTypeBase) && code < unsigned(kEnumTypeBase) + enums.size()) {
        simple(info, ValueKind::Enum, sizeof(std::int32_t), INT32_MIN, INT32_MAX);
        info.isSigned = true;
        info.enumType = enums[code - unsigned(kEnumTypeBase)].get();
        return nullptr;
    }
    switch (type) {
        case TW_TYPE_BOOLCPP:
            simple(info, ValueKind::Bool, sizeof(bool), 0, 1);
            break;
        case TW_TYPE_BOOL8:
            simple(info, ValueKind::Bool, 1, 0, 1);
            break;
        case TW_TYPE_BOOL16:
            simple(info, ValueKind::Bool, 2, 0, 1);
            break;
        case TW_TYPE_BOOL32:
            simple(info, ValueKind::Bool, 4, 0, 1);
            break;
        case TW_TYPE_CHAR:
            integer(info, 1, false);
            info.kind = ValueKind::Char;
            break;
        case TW_TYPE_INT8:
            integer(info, 1, true);
            break;
        case TW_TYPE_UINT8:
            integer(info, 1, false);
            break;
        case TW_TYPE_INT16:
            integer(info, 2, true);
            break;
        case TW_TYPE_UINT16:
            integer(info, 2, false);
            break;
        case TW_TYPE_INT32:
            integer(info, 4, true);
            break;
        case TW_TYPE_UINT32:
            integer(info, 4, false);
            break;
        case TW_TYPE_FLOAT:
            // The default limits of floating numbers are round figures inside their range.
            simple(info, ValueKind::Float, sizeof(float), -3.0e38, 3.0e38);
            break;
        case TW_TYPE_DOUBLE:
            simple(info, ValueKind::Double, sizeof(double), -1.0e308, 1.0e308);
            break;
        case TW_TYPE_COLOR32:
            simple(info, ValueKind::Color32, 4, 0, 255);
            break;
        case TW_TYPE_COLOR3F:
            simple(info, ValueKind::Color3F, 3 * sizeof(float), 0, 255);
            break;
        case TW_TYPE_COLOR4F:
            simple(info, ValueKind::Color4F, 4 * sizeof(float), 0, 255);
            break;
        case TW_TYPE_CDSTRING:
            simple(info, ValueKind::DynamicString, sizeof(char*), 0, 0);
            break;
        case TW_TYPE_QUAT4F:
            simple(info, ValueKind::Quat4F, 4 * sizeof(float), 0, 0);
            break;
        case TW_TYPE_QUAT4D:
            simple(info, ValueKind::Quat4D, 4 * sizeof(double), 0, 0);
            break;
        case TW_TYPE_DIR3F:
            simple(info, ValueKind::Dir3F, 3 * sizeof(float), 0, 0);
            break;
        case TW_TYPE_DIR3D:
            simple(info, ValueKind::Dir3D, 3 * sizeof(double), 0, 0);
            break;
        default:
            return err::kNotFound;
    }
    return nullptr;
}

void sortEntries(std::vector<EnumEntry>& entries) {
    std::stable_sort(entries.begin(), entries.end(),
                     [](const EnumEntry& a, const EnumEntry& b) { return a.value < b.value; });
}

bool isNumber(ValueKind kind) {
    return kind == ValueKind::Integer || kind == ValueKind::Char || kind == ValueKind::Float ||
           kind == ValueKind::Double || kind == ValueKind::Enum;
}

bool isColor(ValueKind kind) {
    return kind == ValueKind::Color32 || kind == ValueKind::Color3F || kind == ValueKind::Color4F;
}

bool isText(ValueKind kind) {
    return kind == ValueKind::FixedString || isClientString(kind);
}

bool isClientString(ValueKind kind) {
    return kind == ValueKind::DynamicString || kind == ValueKind::StdString;
}

bool isVector(ValueKind kind) {
    return kind == ValueKind::Quat4F || kind == ValueKind::Quat4D || kind == ValueKind::Dir3F ||
           kind == ValueKind::Dir3D;
}

int componentCount(ValueKind kind) {
    switch (kind) {
        case ValueKind::Color3F:
        case ValueKind::Dir3F:
        case ValueKind::Dir3D:
            return 3;
        case ValueKind::Color32:
        case ValueKind::Color4F:
        case ValueKind::Quat4F:
        case ValueKind::Quat4D:
            return 4;
        default:
            return 0;
    }
}

double readNumber(const TypeInfo& type, const void* raw) {
    switch (type.kind) {
        case ValueKind::Bool: {
            unsigned char bytes[4] = {};
            std::memcpy(bytes, raw, type.size);
            return std::any_of(bytes, bytes + type.size, [](unsigned char b) { return b != 0; })
                       ? 1.0
                       : 0.0;
        }
        case ValueKind::Float:
            return load<float>(raw);
        case ValueKind::Double:
            return load<double>(raw);
        case ValueKind::Enum:
            return load<std::int32_t>(raw);
        case ValueKind::Integer:
        case ValueKind::Char:
            // Each width converted on its own: a conditional between int32 and uint32 would
            // turn negative numbers into large unsigned ones.
            if (type.isSigned) {
                switch (type.size) {
                    case 1:
                        return load<std::int8_t>(raw);
                    case 2:
                        return load<std::int16_t>(raw);
                    default:
                        return load<std::int32_t>(raw);
                }
            }
            switch (type.size) {
                case 1:
                    return load<std::uint8_t>(raw);
                case 2:
                    return load<std::uint16_t>(raw);
                default:
                    return load<std::uint32_t>(raw);
            }
        default:
            return 0;
    }
}

void writeNumber(const TypeInfo& type, void* raw, double value) {
    if (std::isnan(value)) value = 0;
    value = std::clamp(value, type.lowest, type.highest);
    switch (type.kind) {
        case ValueKind::Bool:
            // A bool variable holds exactly 0 or 1 in its own width (a C++ bool is one byte on
            // every target the engine builds for).
            if (type.size == 1) {
                store<std::uint8_t>(raw, value != 0 ? 1 : 0);
            } else if (type.size == 2) {
                store<std::int16_t>(raw, value != 0 ? 1 : 0);
            } else {
                store<std::int32_t>(raw, value != 0 ? 1 : 0);
            }
            return;
        case ValueKind::Float:
            store<float>(raw, float(value));
            return;
        case ValueKind::Double:
            store<double>(raw, value);
            return;
        default:
            break;
    }
    const double rounded = std::round(value);
    switch (type.size) {
        case 1:
            if (type.isSigned) {
                store<std::int8_t>(raw, std::int8_t(rounded));
            } else {
                store<std::uint8_t>(raw, std::uint8_t(rounded));
            }
            return;
        case 2:
            if (type.isSigned) {
                store<std::int16_t>(raw, std::int16_t(rounded));
            } else {
                store<std::uint16_t>(raw, std::uint16_t(rounded));
            }
            return;
        default:
            if (type.isSigned) {
                store<std::int32_t>(raw, std::int32_t(rounded));
            } else {
                store<std::uint32_t>(raw, std::uint32_t(rounded));
            }
            return;
    }
}

double castToType(const TypeInfo& type, double value) {
    switch (type.kind) {
        case ValueKind::Bool:
            return value != 0 ? 1 : 0;
        case ValueKind::Float:
            return double(float(value));
        case ValueKind::Double:
            return value;
        default:
            break;
    }
    if (std::isnan(value)) return 0;
    const auto whole = std::int64_t(std::clamp(std::trunc(value), -9.0e18, 9.0e18));
    switch (type.size) {
        case 1:
            return type.isSigned ? wrapped<std::int8_t>(whole) : wrapped<std::uint8_t>(whole);
        case 2:
            return type.isSigned ? wrapped<std::int16_t>(whole) : wrapped<std::uint16_t>(whole);
        default:
            return type.isSigned ? wrapped<std::int32_t>(whole) : wrapped<std::uint32_t>(whole);
    }
}

Rgba readColor(const TypeInfo& type, const void* raw) {
    Rgba color;
    if (type.kind == ValueKind::Color32) {
        const auto packed = load<std::uint32_t>(raw);
        color.a = std::uint8_t(packed >> 24);
        color.g = std::uint8_t(packed >> 8);
        color.r = std::uint8_t(type.argbOrder ? packed >> 16 : packed);
        color.b = std::uint8_t(type.argbOrder ? packed : packed >> 16);
        return color;
    }
    float channels[4] = {0, 0, 0, 1};
    std::memcpy(channels, raw, type.size);
    color.r = unitToByte(channels[0]);
    color.g = unitToByte(channels[1]);
    color.b = unitToByte(channels[2]);
    color.a = unitToByte(channels[3]);
    return color;
}

void writeColor(const TypeInfo& type, void* raw, Rgba color) {
    if (type.kind == ValueKind::Color32) {
        const std::uint32_t high = type.argbOrder ? color.r : color.b;
        const std::uint32_t low = type.argbOrder ? color.b : color.r;
        store<std::uint32_t>(
            raw, std::uint32_t(color.a) << 24 | high << 16 | std::uint32_t(color.g) << 8 | low);
        return;
    }
    const float channels[4] = {color.r / 255.0f, color.g / 255.0f, color.b / 255.0f,
                               color.a / 255.0f};
    std::memcpy(raw, channels, type.size);
}

std::uint8_t channel(Rgba color, int index) {
    switch (index) {
        case 0:
            return color.r;
        case 1:
            return color.g;
        case 2:
            return color.b;
        default:
            return color.a;
    }
}

void setChannel(Rgba& color, int index, std::uint8_t value) {
    switch (index) {
        case 0:
            color.r = value;
            break;
        case 1:
            color.g = value;
            break;
        case 2:
            color.b = value;
            break;
        default:
            color.a = value;
            break;
    }
}

double readComponent(const TypeInfo& type, const void* raw, int index) {
    const bool isDouble = type.kind == ValueKind::Quat4D || type.kind == ValueKind::Dir3D;
    const auto* bytes = static_cast<const unsigned char*>(raw);
    return isDouble ? load<double>(bytes + index * sizeof(double))
                    : load<float>(bytes + index * sizeof(float));
}

void writeComponent(const TypeInfo& type, void* raw, int index, double value) {
    auto* bytes = static_cast<unsigned char*>(raw);
    if (type.kind == ValueKind::Quat4D || type.kind == ValueKind::Dir3D) {
        store<double>(bytes + index * sizeof(double), value);
    } else {
        store<float>(bytes + index * sizeof(float), float(value));
    }
}

}  // namespace tw
