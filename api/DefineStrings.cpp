#include "DefineStrings.h"

namespace kz {

namespace {

// Null counts as empty wherever a caller's string is read.
const char* orEmpty(const char* text) {
    return text ? text : "";
}

}  // namespace

std::string barLabelDefine(const char* barName, const char* label) {
    return std::string(" ") + orEmpty(barName) + " label='" + orEmpty(label) + "' ";
}

std::string barRefreshDefine(const char* barName) {
    return std::string(" ") + orEmpty(barName) + " refresh=0.2 ";
}

std::string controlDefine(const char* label, const char* group) {
    std::string define = std::string(" label='") + orEmpty(label) + "' ";
    // The blank that closes the label part separates it from the group part.
    if (group && *group) define.append("group=").append(group).append(" ");
    return define;
}

std::string separatorDefine(const char* group) {
    if (!group || !*group) return std::string();
    return std::string(" group='") + group + "' ";
}

}  // namespace kz
