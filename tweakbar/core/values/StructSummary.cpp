#include "values/StructSummary.h"

#include <cstring>
#include <string>

#include "base/TextUtil.h"
#include "draw/FontAtlas.h"
#include "model/Control.h"
#include "values/ClientStrings.h"
#include "values/ValueText.h"

namespace tw {
namespace {

constexpr std::size_t kMemberText = 256;

// One member's text inside the summary: bools as a check mark or a dash, strings as their text,
// nested structs as their own {...}.
std::string memberText(const Control& member, const unsigned char* structBytes) {
    const unsigned char* raw = structBytes + member.memberOffset;
    const TypeInfo& type = member.typeInfo;
    char text[kMemberText];
    if (type.kind == ValueKind::Bool) {
        return readNumber(type, raw) != 0 ? std::string(1, kCheckMarkCode) : "-";
    }
    if (isClientString(type.kind)) {
        // The struct's bytes hold the caller's string object, not the text.
        readClientString(type.kind, raw, text, sizeof text);
    } else {
        formatValue(member, raw, -1, text, sizeof text);
    }
    return text;
}

std::string defaultSummary(const Control& structControl, const unsigned char* raw) {
    std::string summary = "{";
    for (std::size_t i = 0; i < structControl.members.size(); ++i) {
        if (i) summary += ',';
        summary += memberText(*structControl.members[i], raw);
    }
    return summary + "}";
}

}  // namespace

void formatSummary(const Control& structControl, const unsigned char* raw, char* buffer,
                   std::size_t capacity) {
    if (capacity == 0) return;
    std::memset(buffer, 0, capacity);
    const StructType* type = structControl.typeInfo.structType;
    if (type && type->summary) {
        type->summary(buffer, capacity - 1, raw, type->summaryClientData);
        buffer[capacity - 1] = '\0';
        return;
    }
    const std::string summary = defaultSummary(structControl, raw);
    if (summary.size() < capacity || capacity < 3) {
        copyText(summary, buffer, capacity);
        return;
    }
    copyText(std::string_view(summary).substr(0, capacity - 3), buffer, capacity);
    std::strcat(buffer, "..");
}

}  // namespace tw
