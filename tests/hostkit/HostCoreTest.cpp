// The launcher's and the host's portable logic: plug-in order, program headers, command lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommandLine.h"
#include "ExeHeader.h"
#include "PluginOrder.h"

using kzhost::classifyExeHeader;
using kzhost::ExeKind;

TEST(PluginOrder, NamesSortWithoutRegardToCaseTiesInByteOrderAndOnlyDllsArePlugins) {
    std::vector<std::string> names{"b.dll", "a.dll", "C.dll", "A.dll", "ab.dll", "_x.dll"};
    kzhost::sortPluginNames(names);
    // On lower-cased bytes '_' comes before the letters, although after the capitals.
    EXPECT_EQ(names,
              (std::vector<std::string>{"_x.dll", "A.dll", "a.dll", "ab.dll", "b.dll", "C.dll"}));
    for (const char* name : {"KZConsole.dll", "X.DLL", "x.Dll"})
        EXPECT_TRUE(kzhost::isPluginFileName(name)) << name;
    for (const char* name : {".dll", "dll", "x.dll.txt", "xdll", "x.dl", ""})
        EXPECT_FALSE(kzhost::isPluginFileName(name)) << name;
}

// The DOS header pointing at the PE signature and COFF header, with the given machine and flags.
std::vector<std::uint8_t> image(std::uint16_t machine, std::uint16_t flags, std::size_t pe = 0x80) {
    std::vector<std::uint8_t> bytes(pe + 24, 0);
    bytes[0] = 'M', bytes[1] = 'Z', bytes[0x3c] = pe & 0xff, bytes[0x3d] = pe >> 8 & 0xff;
    bytes[pe] = 'P', bytes[pe + 1] = 'E';
    bytes[pe + 4] = machine & 0xff, bytes[pe + 5] = machine >> 8;
    bytes[pe + 22] = flags & 0xff, bytes[pe + 23] = flags >> 8;
    return bytes;
}

ExeKind classify(const std::vector<std::uint8_t>& bytes) {
    return classifyExeHeader(bytes.data(), bytes.size());
}

// The buffers end right after the headers, so ASan sees any read past what was read.
TEST(ExeHeader, KindsByMachineAndFlagAndNothingReadPastTheEnd) {
    EXPECT_EQ(classify(image(0x8664, 0x0022)), ExeKind::X64);
    EXPECT_EQ(classify(image(0x8664, 0x0022, 0x400)), ExeKind::X64);
    EXPECT_EQ(classify(image(0xaa64, 0x0022)), ExeKind::OtherMachine);
    EXPECT_EQ(classify(image(0x014c, 0x2102)), ExeKind::Dll);

    std::vector<std::uint8_t> bad = image(0x8664, 0x0022);
    bad.pop_back();  // the COFF header cut short
    EXPECT_EQ(classify(bad), ExeKind::NotPortableExecutable);
    bad = image(0x8664, 0x0022);
    bad[0x80] = 'N';
    EXPECT_EQ(classify(bad), ExeKind::NotPortableExecutable);
    bad = image(0x8664, 0x0022);
    bad[0x3c] = 0xf0, bad[0x3d] = bad[0x3e] = bad[0x3f] = 0xff;  // wraps if added carelessly
    EXPECT_EQ(classify(bad), ExeKind::NotPortableExecutable);
    EXPECT_EQ(classifyExeHeader(bad.data(), 0x3f), ExeKind::NotPortableExecutable);
    EXPECT_EQ(classifyExeHeader(nullptr, 100), ExeKind::NotPortableExecutable);
}

// Each argument must come back unchanged from the C runtime's parser in the started program.
TEST(CommandLine, ArgumentsAreQuotedOnlyWhereTheParserNeedsIt) {
    const std::pair<const char*, const char*> quoted[] =
        {
            {"C:\\games\\demo", "C:\\games\\demo"},
            {"my file", "\"my file\""},
            {"", "\"\""},
            {"say \"hi\"", "\"say \\\"hi\\\"\""},
            {"a\\\\\"b", "\"a\\\\\\\\\\\"b\""},      // backslashes before a quote double
            {"C:\\my dir\\", "\"C:\\my dir\\\\\""},  // and so do those before the closing one
            {"C:\\my dir\\x", "\"C:\\my dir\\x\""},  // the others stay single
        };
    for (const auto& [argument, expected] : quoted)
        EXPECT_EQ(kzhost::quoteArgument(argument), expected) << argument;
}
