#include "base/TextUtil.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace tw {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

bool parseNumber(std::string_view text, double& out) {
    text = trim(text);
    if (text.empty() || text.size() > kMaxNumberText) return false;
    char buffer[kMaxNumberText + 1];
    std::memcpy(buffer, text.data(), text.size());
    buffer[text.size()] = '\0';
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(buffer, &end);
    if (end != buffer + text.size() || errno == ERANGE || !std::isfinite(value)) return false;
    out = value;
    return true;
}

bool parseNumbers(std::string_view text, double* out, int count) {
    int found = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isBlank(text[i]))
            ++i;
        if (i == text.size()) break;
        std::size_t end = i;
        while (end < text.size() && !isBlank(text[end]))
            ++end;
        if (found == count || !parseNumber(text.substr(i, end - i), out[found])) return false;
        ++found;
        i = end;
    }
    return found == count;
}

bool leadingNumber(std::string_view text, double& out) {
    // strtod needs a terminated copy; a number longer than any the engine writes is none.
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    char buffer[kMaxNumberText + 1];
    const std::size_t length = std::min(text.size(), kMaxNumberText);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    char* end = nullptr;
    const double value = std::strtod(buffer, &end);
    if (end == buffer || !std::isfinite(value)) return false;
    out = value;
    return true;
}

int leadingIntegers(std::string_view text, double* out, int most) {
    const std::string copy(text);
    const char* at = copy.c_str();
    int count = 0;
    while (count < most) {
        char* end = nullptr;
        const long long value = std::strtoll(at, &end, 10);
        if (end == at) break;
        out[count++] = double(value);
        at = end;
        if (count < most && *at != '\0' && !isBlank(*at)) return -1;
    }
    return count;
}

bool parseBool(std::string_view text, bool& out) {
    text = trim(text);
    if (equalsNoCase(text, "true") || text == "1") {
        out = true;
        return true;
    }
    if (equalsNoCase(text, "false") || text == "0") {
        out = false;
        return true;
    }
    return false;
}

int roundToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return 2147483647;
    if (value <= -2147483648.0) return -2147483647 - 1;
    return int(std::lround(value));
}

int truncateToInt(double value) {
    if (!(value > -2147483649.0 && value < 2147483648.0)) return -2147483647 - 1;
    return int(value);
}

void copyText(std::string_view text, char* buffer, std::size_t capacity) {
    if (capacity == 0) return;
    const std::size_t n = text.size() < capacity - 1 ? text.size() : capacity - 1;
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

}  // namespace tw
