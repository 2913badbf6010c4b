// The define strings that the registration exports hand to the tweak-bar engine. The caller's
// text is inserted as it is: no escaping, no quotes of its own.
#pragma once

#include <string>

namespace kz {

// " <bar> label='<label>' "
std::string barLabelDefine(const char* barName, const char* label);
// " <bar> refresh=0.2 "
std::string barRefreshDefine(const char* barName);
// " label='<label>' " followed by "group=<group> " when the group is not empty.
std::string controlDefine(const char* label, const char* group);
// " group='<group>' " when the group is neither null nor empty, else "".
std::string separatorDefine(const char* group);

}  // namespace kz
