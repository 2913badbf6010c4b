// Text that lives in the caller's strings: a char* (TW_TYPE_CDSTRING) or a std::string
// (TW_TYPE_STDSTRING). The engine never allocates, assigns or frees a caller's string itself: it
// reads the text, writes through the copy function the caller registered, and hands callbacks
// strings of its own.
#pragma once

#include <cstddef>

#include "AntTweakBar.h"
#include "base/VarType.h"

namespace tw {

// The text of the caller's string variable, cut to fit out (capacity bytes, NUL-terminated).
void readClientString(ValueKind kind, const void* variable, char* out, std::size_t capacity);
// Stores text into the caller's string variable through the registered copy function.
void writeClientString(ValueKind kind, void* variable, const char* text);

// String variables served by callbacks: the get callback fills a string the engine owns, the
// set callback receives one.
void readStringCallback(ValueKind kind, TwGetVarCallback getter, void* clientData, char* out,
                        std::size_t capacity);
void writeStringCallback(ValueKind kind, TwSetVarCallback setter, void* clientData,
                         const char* text);

// TwCopyCDStringToLibrary: points *destination at an engine-owned copy of source.
void copyToLibrary(char** destination, const char* source);

}  // namespace tw
