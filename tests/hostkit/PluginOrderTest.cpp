#include "PluginOrder.h"

#include <gtest/gtest.h>

using kzhost::isPluginFileName;
using kzhost::sortPluginNames;

TEST(PluginOrder, NamesSortWithoutRegardToCaseAndTiesFallBackToByteOrder) {
    std::vector<std::string> names{"b.dll", "a.dll", "C.dll", "A.dll", "ab.dll", "_x.dll"};
    sortPluginNames(names);
    // '_' sorts after the capitals in byte order but before the lower-case letters: the
    // comparison is on lower-cased bytes, so "_x" precedes "a".
    const std::vector<std::string> expected{"_x.dll", "A.dll", "a.dll", "ab.dll", "b.dll", "C.dll"};
    EXPECT_EQ(names, expected);
}

TEST(PluginOrder, TheOrderDoesNotDependOnTheListingOrder) {
    std::vector<std::string> one{"Zeta.dll", "alpha.dll", "KZConsole.dll", "kzconsole2.dll"};
    std::vector<std::string> two{"kzconsole2.dll", "KZConsole.dll", "Zeta.dll", "alpha.dll"};
    sortPluginNames(one);
    sortPluginNames(two);
    EXPECT_EQ(one, two);
    EXPECT_EQ(one.front(), "alpha.dll");
    EXPECT_EQ(one.back(), "Zeta.dll");
}

TEST(PluginOrder, OnlyNamesEndingInDllInAnyCaseArePlugins) {
    EXPECT_TRUE(isPluginFileName("KZConsole.dll"));
    EXPECT_TRUE(isPluginFileName("X.DLL"));
    EXPECT_TRUE(isPluginFileName("x.Dll"));
    EXPECT_FALSE(isPluginFileName(".dll"));
    EXPECT_FALSE(isPluginFileName("dll"));
    EXPECT_FALSE(isPluginFileName("x.dll.txt"));
    EXPECT_FALSE(isPluginFileName("xdll"));
    EXPECT_FALSE(isPluginFileName("x.dl"));
    EXPECT_FALSE(isPluginFileName(""));
}
