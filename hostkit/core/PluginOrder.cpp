#include "PluginOrder.h"

#include <algorithm>

namespace kzhost {

namespace {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool lessIgnoringCase(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(lowerAscii(a[i]));
        const auto cb = static_cast<unsigned char>(lowerAscii(b[i]));
        if (ca != cb) return ca < cb;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

}  // namespace

bool isPluginFileName(const std::string& fileName) {
    static const char extension[] = ".dll";
    const std::size_t n = sizeof extension - 1;
    if (fileName.size() <= n) return false;
    for (std::size_t i = 0; i < n; ++i)
        if (lowerAscii(fileName[fileName.size() - n + i]) != extension[i]) return false;
    return true;
}

void sortPluginNames(std::vector<std::string>& fileNames) {
    std::sort(fileNames.begin(), fileNames.end(), lessIgnoringCase);
}

}  // namespace kzhost
