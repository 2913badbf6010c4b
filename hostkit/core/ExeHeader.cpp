#include "ExeHeader.h"

namespace kzhost {

namespace {

constexpr std::uint16_t kMachineI386 = 0x014c;
constexpr std::uint16_t kMachineAmd64 = 0x8664;
constexpr std::uint16_t kCharacteristicDll = 0x2000;
constexpr std::size_t kOffsetOfPeHeaderOffset = 0x3c;

std::uint16_t read16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::uint32_t read32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace

ExeKind classifyExeHeader(const std::uint8_t* data, std::size_t size) {
    if (!data || size < kOffsetOfPeHeaderOffset + 4 || data[0] != 'M' || data[1] != 'Z')
        return ExeKind::NotPortableExecutable;
    const std::uint32_t pe = read32(data + kOffsetOfPeHeaderOffset);
    // Signature (4) + COFF header (20) must lie inside what was read.
    if (pe > size || size - pe < 24) return ExeKind::NotPortableExecutable;
    const std::uint8_t* header = data + pe;
    if (header[0] != 'P' || header[1] != 'E' || header[2] != 0 || header[3] != 0)
        return ExeKind::NotPortableExecutable;
    const std::uint16_t machine = read16(header + 4);
    const std::uint16_t characteristics = read16(header + 22);
    if (characteristics & kCharacteristicDll) return ExeKind::Dll;
    if (machine == kMachineAmd64) return ExeKind::X64;
    if (machine == kMachineI386) return ExeKind::X86;
    return ExeKind::OtherMachine;
}

}  // namespace kzhost
