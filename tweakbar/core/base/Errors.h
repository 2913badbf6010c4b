// The texts that TwGetLastError reports. The first group matches what callers of the API see
// from the library this engine stands in for; the rest cover cases it reports in its own words.
#pragma once

namespace tw::err {

inline constexpr const char* kNotInitialized = "Not initialized";
inline constexpr const char* kUnknownParam = "Unknown param";
inline constexpr const char* kBadValue = "Bad value";
inline constexpr const char* kBarNotFound = "Bar not found";
inline constexpr const char* kUnknownAttribute = "Unknown attribute";
inline constexpr const char* kVariableNotFound = "Variable not found";
inline constexpr const char* kValueRequired = "Value required";
inline constexpr const char* kExistsAlready = "Exists already";
inline constexpr const char* kIncompatibleType = "Incompatible type";
inline constexpr const char* kUnknownParameter = "Unknown parameter";
inline constexpr const char* kInvalidParameter = "Invalid parameter";
inline constexpr const char* kNotAGroup = "Value is not a group";
inline constexpr const char* kUnknownType = "Unknown type";
inline constexpr const char* kHasNoValue = "Has no value";
inline constexpr const char* kTextCountMustBeOne = "Value count for TW_PARAM_CSTRING must be 1";
// A parameter that refuses without saying why: the error text ends after the quoted name.
inline constexpr const char* kNoReason = "";

inline constexpr const char* kNotFound = "Not found";
inline constexpr const char* kBadSize = "Bad size";
inline constexpr const char* kBackQuoteInName = "Name cannot include back-quote";
inline constexpr const char* kOffsetTooLarge = "Offset larger than StructSize";
inline constexpr const char* kStructMember = "Cannot delete a struct member";
inline constexpr const char* kStdStringMismatch = "Debug/Release std::string mismatch";

// What a define reports when it stops for a reason of its own rather than a parameter's.
inline constexpr const char* kEqualsMissing = "'=' not found while reading attribute value";
inline constexpr const char* kUnreadableValue = "can't read attribute value";
inline constexpr const char* kWrongAttributeValue = "wrong attribute value";

inline constexpr const char* kAlreadyInitialized = "Already initialized";
inline constexpr const char* kInvalidGraphDevice = "Invalid graph device";
inline constexpr const char* kUnsupportedGraphApi = "Unsupported graph API";
inline constexpr const char* kIndexOutOfRange = "Index out of range";
inline constexpr const char* kCannotDeleteHelpBar = "Cannot delete help bar";

inline constexpr const char* kInvalidName = "Invalid name";
inline constexpr const char* kGroupCycle = "A group cannot be placed inside itself";
inline constexpr const char* kNullDefine = "Null define string";

}  // namespace tw::err
