// KZLog.dll loaded on its own: lines from two threads at once each land whole, in order per
// thread, every one stamped and ended with CR LF.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <regex>
#include <sstream>
#include <string>
#include <thread>

#include "HostTestKit.h"

TEST(KZLog, LinesFromTwoThreadsLandWholeAndInOrderPerThread) {
    kztest::RunFolder run("log");
    run.copyPart("KZLog.dll");
    SetEnvironmentVariableA("KZLOG_FILE", run.file("KZLog.txt").c_str());
    const auto addLog = reinterpret_cast<void (*)(const char*)>(reinterpret_cast<void*>(
        GetProcAddress(LoadLibraryA(run.file("KZLog.dll").c_str()), "AddLog")));
    ASSERT_NE(addLog, nullptr);

    constexpr int kLines = 400;
    const std::string padding(150, '.');  // long lines make a torn write likelier to show
    std::atomic<bool> go{false};          // both threads start together, on a log not yet opened
    auto writer = [&](char thread) {
        while (!go) {
        }
        for (int i = 0; i < kLines; ++i)
            addLog((std::string(1, thread) + " " + std::to_string(i) + " " + padding).c_str());
    };
    std::thread a(writer, 'a'), b(writer, 'b');
    go = true;
    a.join();
    b.join();
    addLog("two\r\nlines");
    addLog(nullptr);

    std::istringstream lines(kztest::readFile(run.file("KZLog.txt")));
    const std::regex stamped(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} (.*)\r)");
    std::vector<std::string> texts;
    int next[2] = {0, 0};
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        ASSERT_TRUE(std::regex_match(line, match, stamped)) << line;
        texts.push_back(match[1]);
        const char thread = texts.back()[0];
        if (texts.size() <= 2 * kLines && (thread == 'a' || thread == 'b')) {
            EXPECT_EQ(texts.back(), std::string(1, thread) + " " +
                                        std::to_string(next[thread - 'a']++) + " " + padding);
        }
    }
    ASSERT_EQ(texts.size(), 2u * kLines + 2);
    EXPECT_EQ(next[0] + next[1], 2 * kLines);
    EXPECT_EQ(texts[2 * kLines], "two  lines");
    EXPECT_EQ(texts[2 * kLines + 1], "(null)");
}
