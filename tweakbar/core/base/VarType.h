// What the engine knows about each TwType: how many bytes the caller's variable has, how to
// read and write it as a number or a colour, and the enum and struct types made at run time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "AntTweakBar.h"

namespace tw {

struct EnumEntry {
    int value = 0;
    std::string label;
};

struct EnumType {
    std::string name;
    std::vector<EnumEntry> entries;  // ascending values, as lists show them
};

// Puts entries in ascending order of value; entries of equal value keep their order.
void sortEntries(std::vector<EnumEntry>& entries);

// Enum types live for the whole process, so TwType values handed out stay meaningful across
// TwTerminate and TwInit; index i is TwType kEnumTypeBase + i.
using EnumRegistry = std::vector<std::unique_ptr<EnumType>>;

inline constexpr int kEnumTypeBase = 0x20000000;

struct StructMember {
    std::string name;  // the member's index as text when the caller gave none
    TwType type = TW_TYPE_UNDEF;
    std::size_t offset = 0;
    std::string defString;
    // As last set on a row of this member; the help bar lists them with the type.
    std::string label, help;
};

struct StructType {
    std::string name;  // may be empty: the caller need not name a struct type
    std::vector<StructMember> members;
    std::size_t size = 0;
    TwSummaryCallback summary = nullptr;
    void* summaryClientData = nullptr;
};

// Struct types are numbered per TwInit; index i is TwType kStructTypeBase + kBuiltInStructTypes
// + i. The numbers below the first one belong to the colour, quaternion and direction types,
// which callers of the original library saw occupy them.
using StructRegistry = std::vector<std::unique_ptr<StructType>>;
inline constexpr unsigned kStructTypeBase = 0x10000000u;
inline constexpr unsigned kBuiltInStructTypes = 7;

// TW_TYPE_STDSTRING: these high 16 bits, and the caller's sizeof(std::string) in the low ones.
inline constexpr unsigned kStdStringTag = 0x2fff0000u;
inline constexpr unsigned kStdStringTagMsvc2010 = 0x2ffe0000u;
inline constexpr unsigned kFixedStringBase = 0x30000000u;
// Text variables carry a buffer of their own size in each control; bound it.
inline constexpr std::size_t kMaxFixedString = 65536;
// A TW_TYPE_CDSTRING pointer is read up to this many characters.
inline constexpr std::size_t kMaxDynamicString = 4096;

enum class ValueKind {
    Bool,
    Integer,
    Char,
    Float,
    Double,
    Color32,
    Color3F,
    Color4F,
    FixedString,
    DynamicString,
    Enum,
    Quat4F,
    Quat4D,
    Dir3F,
    Dir3D,
    Struct,
    StdString,
};

struct TypeInfo {
    ValueKind kind = ValueKind::Integer;
    std::size_t size = 0;  // bytes of the caller's variable
    bool isSigned = false;
    double lowest = 0, highest = 0;  // representable range of numbers
    const EnumType* enumType = nullptr;
    const StructType* structType = nullptr;
    // COLOR32 packed as 0xAARRGGBB instead of 0xAABBGGRR (bytes R, G, B, A).
    bool argbOrder = false;
};

// Fills info and returns null when the engine handles the type; otherwise returns why not.
const char* describeType(TwType type, const EnumRegistry& enums, TypeInfo& info,
                         const StructRegistry* structs = nullptr);

bool isNumber(ValueKind kind);  // integers, chars, floats, doubles and enums
bool isColor(ValueKind kind);
bool isText(ValueKind kind);
bool isClientString(ValueKind kind);  // text that a pointer or std::string of the caller holds
bool isVector(ValueKind kind);        // quaternions and directions
int componentCount(ValueKind kind);   // colour channels or vector components

// Numbers of every number kind (and bools as 0/1), converted through double, which holds every
// 32-bit integer exactly. Writing clamps to the type's range and rounds integers.
double readNumber(const TypeInfo& type, const void* raw);
void writeNumber(const TypeInfo& type, void* raw, double value);
// The number as a C cast to the variable's type holds it: integers truncated toward zero and
// wrapped to their width (-1 in a byte is 255), floats to float precision, bools 0 or 1.
double castToType(const TypeInfo& type, double value);

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 255;
};
Rgba readColor(const TypeInfo& type, const void* raw);
void writeColor(const TypeInfo& type, void* raw, Rgba color);
std::uint8_t channel(Rgba color, int index);
void setChannel(Rgba& color, int index, std::uint8_t value);

// Components of quaternions and directions.
double readComponent(const TypeInfo& type, const void* raw, int index);
void writeComponent(const TypeInfo& type, void* raw, int index, double value);

}  // namespace tw
