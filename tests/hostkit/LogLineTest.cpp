#include "LogLine.h"

#include <gtest/gtest.h>

using kzhost::formatLogLine;

TEST(LogLine, TimestampThenTextThenCrLf) {
    EXPECT_EQ(formatLogLine({2026, 1, 2, 3, 4, 5, 6}, "Initializing GUI..."),
              "2026-01-02 03:04:05.006 Initializing GUI...\r\n");
    EXPECT_EQ(formatLogLine({2026, 12, 31, 23, 59, 59, 999}, ""), "2026-12-31 23:59:59.999 \r\n");
}

TEST(LogLine, OneCallMakesOneLineWhateverTheTextHolds) {
    EXPECT_EQ(formatLogLine({2026, 1, 2, 3, 4, 5, 6}, "two\nlines\r\nhere"),
              "2026-01-02 03:04:05.006 two lines  here\r\n");
    EXPECT_EQ(formatLogLine({2026, 1, 2, 3, 4, 5, 6}, nullptr),
              "2026-01-02 03:04:05.006 (null)\r\n");
    // 8-bit text passes through byte for byte.
    EXPECT_EQ(formatLogLine({2026, 1, 2, 3, 4, 5, 6}, "\xe9t\xe9"),
              "2026-01-02 03:04:05.006 \xe9t\xe9\r\n");
}
