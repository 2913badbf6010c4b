// Format, one item per line, each value line beginning with a tab:
//
//     General            the opacity record
//     <tab>opacity       0..255
//     <bar name>         one record per bar, in bar order
//     <tab>x <tab>y <tab>width <tab>height   (four lines)
//
// The reader ignores lines and tabs: it reads words separated by white space. "General" always
// starts the opacity record (even if a bar has that name); any other word is looked up as a bar
// name, and a word that names no bar is skipped on its own, so the numbers of a bar that no
// longer exists are skipped one by one as well.
#include "SettingsFile.h"

#include <cctype>
#include <cstdint>
#include <string>

#include "AntTweakBar.h"
#include "SettingsBar.h"

namespace kz {

namespace {

bool isBlank(int c) {
    return c != EOF && std::isspace(static_cast<unsigned char>(c));
}

int skipBlanks(std::FILE* file) {
    int c;
    do
        c = std::fgetc(file);
    while (isBlank(c));
    return c;
}

// The next white-space-delimited word; empty at the end of the file.
std::string readWord(std::FILE* file) {
    std::string word;
    for (int c = skipBlanks(file); c != EOF && !isBlank(c); c = std::fgetc(file))
        word.push_back(static_cast<char>(c));
    return word;
}

enum class Number { Read, EndOfFile, Malformed };

// An optional sign and decimal digits after white space. Reading stops at the first character
// that cannot continue the number, which stays in the stream. The end of the file before any
// character leaves value 0 (a record cut short still applies); anything else that is not a
// 32-bit integer is malformed.
Number readNumber(std::FILE* file, int& value) {
    value = 0;
    int c = skipBlanks(file);
    if (c == EOF) return Number::EndOfFile;
    const bool negative = c == '-';
    if (c == '-' || c == '+') c = std::fgetc(file);
    std::int64_t magnitude = 0;
    int digits = 0;
    for (; c != EOF && std::isdigit(c); c = std::fgetc(file), ++digits) {
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > std::int64_t(INT32_MAX) + 1) return Number::Malformed;
    }
    if (c != EOF) std::ungetc(c, file);
    if (digits == 0) return Number::Malformed;
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT32_MAX) return Number::Malformed;
    value = static_cast<int>(signedValue);
    return Number::Read;
}

// Reads count numbers into values; false when the load must end (a malformed number).
bool readNumbers(std::FILE* file, int* values, int count) {
    for (int i = 0; i < count; ++i)
        if (readNumber(file, values[i]) == Number::Malformed) return false;
    return true;
}

bool atEnd(std::FILE* file) {
    const int c = std::fgetc(file);
    if (c == EOF) return true;
    std::ungetc(c, file);
    return false;
}

void applyOpacity(int alpha) {
    const int count = TwGetBarCount();
    for (int i = 1; i < count; ++i)
        TwSetParam(TwGetBarByIndex(i), "", "alpha", TW_PARAM_INT32, 1, &alpha);
}

}  // namespace

void writeSettings(std::FILE* file) {
    int alpha = 0;
    TwGetParam(TwGetBarByName(kSettingsBarName), "", "alpha", TW_PARAM_INT32, 1, &alpha);
    std::fprintf(file, "General\n\t%d\n", alpha & 0xFF);

    const int count = TwGetBarCount();
    for (int i = 1; i < count; ++i) {
        TwBar* bar = TwGetBarByIndex(i);
        if (!bar) continue;
        const char* name = TwGetBarName(bar);
        const std::string copied = name ? name : "";
        int position[2] = {0, 0};
        int size[2] = {0, 0};
        TwGetParam(bar, nullptr, "position", TW_PARAM_INT32, 2, position);
        TwGetParam(bar, nullptr, "size", TW_PARAM_INT32, 2, size);
        std::fprintf(file, "%s\n\t%d\n\t%d\n\t%d\n\t%d\n", copied.c_str(), position[0], position[1],
                     size[0], size[1]);
    }
}

void applySettings(std::FILE* file) {
    do {
        const std::string word = readWord(file);
        if (word == "General") {
            int alpha = 0;
            // A file that ends right after the word names no opacity: nothing is applied.
            const Number read = readNumber(file, alpha);
            if (read != Number::Read) return;
            applyOpacity(alpha & 0xFF);
        } else if (TwBar* bar = word.empty() ? nullptr : TwGetBarByName(word.c_str())) {
            int values[4] = {0, 0, 0, 0};
            if (!readNumbers(file, values, 4)) return;
            TwSetParam(bar, nullptr, "position", TW_PARAM_INT32, 2, values);
            TwSetParam(bar, nullptr, "size", TW_PARAM_INT32, 2, values + 2);
        }
    } while (!atEnd(file));
}

std::string directoryOfPath(const std::string& path) {
    const std::size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace kz
