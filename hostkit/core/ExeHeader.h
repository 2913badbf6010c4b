// What kind of program a file holds, read from its PE headers, so the launcher can refuse a
// program it cannot enter with a clear message before it starts anything.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kzhost {

enum class ExeKind {
    NotPortableExecutable,  // no MZ/PE signature, or the headers are cut short
    Dll,                    // a library, not a program
    X64,                    // a 64-bit x86 program: what the host can enter
    X86,                    // a 32-bit x86 program
    OtherMachine,           // ARM64, ARM, ...
};

// Classifies the first bytes of a file (the DOS header, the PE signature and the COFF header are
// enough; a few KiB cover every linker's layout).
ExeKind classifyExeHeader(const std::uint8_t* data, std::size_t size);

}  // namespace kzhost
