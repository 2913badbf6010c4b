// Small string helpers shared by the parser, the parameters and the value formatting.
#pragma once

#include <cstddef>
#include <string_view>

namespace tw {

bool isBlank(char c);  // blank, tab, carriage return or line feed
std::string_view trim(std::string_view text);
bool equalsNoCase(std::string_view a, std::string_view b);

// The longest number the engine writes or reads: the largest double written in full with 12
// digits after the point, sign included.
inline constexpr std::size_t kMaxNumberText = 1 + 309 + 1 + 12;

// A whole number in text: optional blanks, then a number that strtod accepts, then optional
// blanks, nothing else. Hex ("0x1F") is accepted for integers.
bool parseNumber(std::string_view text, double& out);
// Numbers separated by blanks; false unless exactly count of them.
bool parseNumbers(std::string_view text, double* out, int count);
// The number a text starts with, after blanks, as strtod reads it (so "12abc" is 12, "0x10" is
// 16 and "1e2" is 100); false when it starts with none or the number is not finite.
bool leadingNumber(std::string_view text, double& out);
// Whole numbers read one after another, as strtol reads them, until `most` are read or the next
// word holds none; the rest of the text is ignored. Returns how many were read, or -1 when a
// character other than a blank stands between a number and the next one wanted ("12.5 30").
int leadingIntegers(std::string_view text, double* out, int most);
// "true", "false", "1" or "0", in any case.
bool parseBool(std::string_view text, bool& out);

// Rounds to the nearest int, saturating instead of overflowing; NaN gives 0.
int roundToInt(double value);
// Toward zero, as a processor converts: a value outside the int range (NaN too) gives INT_MIN.
int truncateToInt(double value);

// Copies text into a buffer of capacity bytes, always NUL-terminated when capacity > 0.
void copyText(std::string_view text, char* buffer, std::size_t capacity);

}  // namespace tw
