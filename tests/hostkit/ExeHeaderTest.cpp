#include "ExeHeader.h"

#include <gtest/gtest.h>

#include <vector>

using kzhost::classifyExeHeader;
using kzhost::ExeKind;

namespace {

// DOS header pointing at a PE signature and COFF header with the given machine and flags.
std::vector<std::uint8_t> image(std::uint16_t machine, std::uint16_t characteristics,
                                std::uint32_t peOffset = 0x80) {
    std::vector<std::uint8_t> bytes(peOffset + 24 + 200, 0);
    bytes[0] = 'M';
    bytes[1] = 'Z';
    for (int i = 0; i < 4; ++i)
        bytes[0x3c + i] = static_cast<std::uint8_t>(peOffset >> (8 * i));
    bytes[peOffset] = 'P';
    bytes[peOffset + 1] = 'E';
    bytes[peOffset + 4] = static_cast<std::uint8_t>(machine);
    bytes[peOffset + 5] = static_cast<std::uint8_t>(machine >> 8);
    bytes[peOffset + 22] = static_cast<std::uint8_t>(characteristics);
    bytes[peOffset + 23] = static_cast<std::uint8_t>(characteristics >> 8);
    return bytes;
}

ExeKind classify(const std::vector<std::uint8_t>& bytes) {
    return classifyExeHeader(bytes.data(), bytes.size());
}

}  // namespace

TEST(ExeHeader, ProgramsAreToldApartByMachineAndLibrariesByTheirFlag) {
    EXPECT_EQ(classify(image(0x8664, 0x0022)), ExeKind::X64);
    EXPECT_EQ(classify(image(0x014c, 0x0102)), ExeKind::X86);
    EXPECT_EQ(classify(image(0xaa64, 0x0022)), ExeKind::OtherMachine);
    EXPECT_EQ(classify(image(0x8664, 0x2022)), ExeKind::Dll);
    EXPECT_EQ(classify(image(0x014c, 0x2102)), ExeKind::Dll);
}

TEST(ExeHeader, HeadersAnywhereInsideWhatWasReadAreFound) {
    EXPECT_EQ(classify(image(0x8664, 0x0022, 0x40)), ExeKind::X64);
    EXPECT_EQ(classify(image(0x8664, 0x0022, 0x400)), ExeKind::X64);
}

TEST(ExeHeader, AnythingElseIsNotAProgramAndNothingIsReadPastTheEnd) {
    EXPECT_EQ(classifyExeHeader(nullptr, 100), ExeKind::NotPortableExecutable);
    const std::vector<std::uint8_t> text{'e', 'c', 'h', 'o', ' ', 'h', 'i'};
    EXPECT_EQ(classify(text), ExeKind::NotPortableExecutable);

    std::vector<std::uint8_t> noPe = image(0x8664, 0x0022);
    noPe[0x80] = 'N';
    EXPECT_EQ(classify(noPe), ExeKind::NotPortableExecutable);

    // The PE offset points past what was read, or so close to the end that the COFF header
    // would run over it (an exact-size buffer lets ASan catch any overread).
    std::vector<std::uint8_t> cut = image(0x8664, 0x0022);
    cut.resize(0x80 + 23);
    EXPECT_EQ(classify(cut), ExeKind::NotPortableExecutable);
    cut.resize(0x80 + 24);
    EXPECT_EQ(classify(cut), ExeKind::X64);
    std::vector<std::uint8_t> far = image(0x8664, 0x0022);
    far[0x3c] = 0xf0;
    far[0x3d] = far[0x3e] = far[0x3f] = 0xff;  // 0xfffffff0: wraps if added carelessly
    EXPECT_EQ(classify(far), ExeKind::NotPortableExecutable);
    EXPECT_EQ(classifyExeHeader(far.data(), 0x3f), ExeKind::NotPortableExecutable);
}
