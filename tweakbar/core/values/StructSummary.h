// The text a struct variable shows in its row: what the struct type's summary callback writes,
// or the members' values as {v1,v2,...}.
#pragma once

#include <cstddef>

namespace tw {

struct Control;

// Formats the struct held in raw (its bytes) into buffer, NUL-terminated; a text too long for
// the buffer ends with "..".
void formatSummary(const Control& structControl, const unsigned char* raw, char* buffer,
                   std::size_t capacity);

}  // namespace tw
