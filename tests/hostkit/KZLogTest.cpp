// KZLog.dll loaded on its own: lines from two threads at once each land whole, in order per
// thread.
#include <windows.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <thread>

#include "RunFolder.h"

namespace {

using AddLogFunction = void (*)(const char*);

TEST(KZLog, LinesFromTwoThreadsLandWholeAndInOrderPerThread) {
    kztest::RunFolder run("log");
    run.copyPart("KZLog.dll");
    SetEnvironmentVariableA("KZLOG_FILE", run.file("KZLog.txt").c_str());
    HMODULE log = LoadLibraryA(run.file("KZLog.dll").c_str());
    ASSERT_NE(log, nullptr);
    auto addLog =
        reinterpret_cast<AddLogFunction>(reinterpret_cast<void*>(GetProcAddress(log, "AddLog")));
    ASSERT_NE(addLog, nullptr);

    constexpr int kLines = 400;
    const std::string padding(150, '.');  // long lines make a torn write likelier to show
    auto writer = [&](char thread) {
        for (int i = 0; i < kLines; ++i)
            addLog((std::string(1, thread) + " " + std::to_string(i) + " " + padding).c_str());
    };
    std::thread a(writer, 'a'), b(writer, 'b');
    a.join();
    b.join();
    addLog("two\r\nlines");

    std::istringstream lines(kztest::readFile(run.file("KZLog.txt")));
    std::string line;
    int next[2] = {0, 0}, count = 0;
    while (std::getline(lines, line)) {
        ++count;
        ASSERT_FALSE(line.empty());
        ASSERT_EQ(line.back(), '\r') << "each line ends in CR LF";
        line.pop_back();
        // "YYYY-MM-DD hh:mm:ss.mmm " then the text.
        ASSERT_GT(line.size(), 24u) << line;
        ASSERT_EQ(line[4], '-');
        ASSERT_EQ(line[19], '.');
        const std::string text = line.substr(24);
        if (count == 2 * kLines + 1) {
            EXPECT_EQ(text, "two  lines");
            continue;
        }
        std::istringstream fields(text);
        char thread = 0;
        int index = -1;
        std::string rest;
        fields >> thread >> index >> rest;
        ASSERT_TRUE(thread == 'a' || thread == 'b') << line;
        EXPECT_EQ(index, next[thread - 'a']++) << line;
        EXPECT_EQ(rest, padding) << line;
    }
    EXPECT_EQ(count, 2 * kLines + 1);
}

}  // namespace
