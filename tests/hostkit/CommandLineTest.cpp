#include "CommandLine.h"

#include <gtest/gtest.h>

using kzhost::buildCommandLine;
using kzhost::quoteArgument;

TEST(CommandLine, PlainArgumentsStayAsTheyAre) {
    EXPECT_EQ(quoteArgument("KZDemo.exe"), "KZDemo.exe");
    EXPECT_EQ(quoteArgument("C:\\games\\demo"), "C:\\games\\demo");
    EXPECT_EQ(quoteArgument("--size=800x600"), "--size=800x600");
}

TEST(CommandLine, BlanksAndEmptyArgumentsAreQuoted) {
    EXPECT_EQ(quoteArgument("my file"), "\"my file\"");
    EXPECT_EQ(quoteArgument("tab\there"), "\"tab\there\"");
    EXPECT_EQ(quoteArgument(""), "\"\"");
}

TEST(CommandLine, QuotesAndTheBackslashesBeforeThemAreEscaped) {
    EXPECT_EQ(quoteArgument("say \"hi\""), "\"say \\\"hi\\\"\"");
    // a\\"b: the two backslashes before the quote double, and the quote gets its own.
    EXPECT_EQ(quoteArgument("a\\\\\"b"), "\"a\\\\\\\\\\\"b\"");
    // Backslashes elsewhere stay single, except at the end where the closing quote follows.
    EXPECT_EQ(quoteArgument("C:\\my dir\\"), "\"C:\\my dir\\\\\"");
    EXPECT_EQ(quoteArgument("C:\\my dir\\x"), "\"C:\\my dir\\x\"");
}

TEST(CommandLine, ArgumentsAreJoinedBySingleBlanks) {
    EXPECT_EQ(buildCommandLine({"Z:\\run\\KZDemo.exe", "--size", "800x600", "my file", ""}),
              "Z:\\run\\KZDemo.exe --size 800x600 \"my file\" \"\"");
    EXPECT_EQ(buildCommandLine({}), "");
}
