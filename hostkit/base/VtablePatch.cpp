#include "VtablePatch.h"

#include <windows.h>

namespace kzhost {

void* patchVtableEntry(void** vtable, std::size_t slot, void* replacement) {
    void** entry = vtable + slot;
    DWORD oldProtection = 0;
    if (!VirtualProtect(entry, sizeof *entry, PAGE_READWRITE, &oldProtection)) return nullptr;
    // An aligned pointer-sized store: a thread calling through the entry meanwhile sees either
    // the old function or the new one, never half of each.
    void* previous = InterlockedExchangePointer(entry, replacement);
    VirtualProtect(entry, sizeof *entry, oldProtection, &oldProtection);
    return previous;
}

}  // namespace kzhost
