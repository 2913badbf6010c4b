// Replacing one entry of a COM object's virtual table. Every object of the same implementation
// shares the table, so one replacement reaches all of them, made before or after.
#pragma once

#include <cstddef>

namespace kzhost {

// The table of a COM interface pointer.
inline void** vtableOf(void* object) {
    return *static_cast<void***>(object);
}

// Writes replacement into entry slot of the table (which lives in read-only memory) and returns
// what was there, or null when the page protection could not be changed.
void* patchVtableEntry(void** vtable, std::size_t slot, void* replacement);

}  // namespace kzhost
