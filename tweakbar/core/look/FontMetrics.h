// The text font's metrics at each font size, which every backend's atlas follows whatever glyphs
// it draws: the cell a line of text takes, where its baseline lies, and how far each character
// moves the pen. Text measured here is as wide on every backend, so a layout computed natively
// is the one drawn with Direct3D.
//
// All of it is in this header, so that the backends, which build the atlases, take it without
// linking the core.
#pragma once

#include <cmath>

namespace tw {

struct TextCell {
    int height = 0;    // a line of text, top to bottom
    int baseline = 0;  // from the cell's top
};

namespace fontmetrics {

inline constexpr TextCell kTextCells[3] = {{11, 9}, {14, 12}, {16, 13}};

// How far each character moves the pen at font sizes 1, 2 and 3, group by group.
struct AdvanceGroup {
    const char* characters;
    unsigned char advances[3][13];
};

// clang-format off
inline constexpr AdvanceGroup kAdvanceGroups[] = {
    {"0123456789",    {{5, 5, 5, 5, 5, 5, 5, 5, 5, 5},
                       {8, 7, 7, 7, 8, 7, 7, 8, 7, 7},
                       {9, 7, 8, 8, 8, 8, 8, 7, 8, 8}}},
    {"abcdefghijklm", {{5, 5, 4, 5, 5, 3, 5, 5, 2, 3, 5, 2, 8},
                       {7, 7, 6, 7, 7, 5, 7, 7, 3, 4, 7, 3, 11},
                       {7, 8, 7, 8, 8, 5, 8, 8, 3, 4, 8, 4, 12}}},
    {"nopqrstuvwxyz", {{5, 5, 5, 5, 3, 4, 3, 5, 6, 8, 4, 6, 4},
                       {8, 7, 7, 7, 5, 6, 5, 7, 7, 10, 6, 7, 6},
                       {8, 8, 8, 8, 6, 7, 5, 8, 7, 11, 7, 7, 6}}},
    {"ABCDEFGHIJKLM", {{7, 6, 7, 7, 6, 6, 7, 7, 4, 4, 6, 4, 8},
                       {8, 8, 8, 9, 7, 7, 9, 9, 5, 5, 8, 7, 10},
                       {9, 9, 9, 10, 8, 8, 9, 9, 5, 7, 9, 7, 11}}},
    {"NOPQRSTUVWXYZ", {{7, 8, 6, 8, 6, 6, 6, 7, 7, 8, 5, 6, 5},
                       {9, 9, 8, 9, 9, 7, 8, 9, 8, 12, 8, 8, 7},
                       {9, 10, 8, 10, 9, 8, 9, 9, 9, 13, 8, 8, 8}}},
    {".,:;-+=() ",    {{2, 3, 3, 3, 4, 7, 7, 3, 4, 4},
                       {4, 4, 5, 6, 5, 9, 10, 5, 5, 5},
                       {4, 4, 4, 6, 5, 10, 9, 5, 5, 4}}},
    {"{}[]_/?!*#%&",  {{4, 4, 3, 3, 6, 4, 5, 2, 6, 7, 10, 6},
                       {7, 8, 5, 6, 7, 5, 8, 3, 8, 9, 13, 9},
                       {8, 7, 6, 6, 7, 5, 8, 5, 8, 10, 14, 9}}},
};
// clang-format on

// Every other character is as wide as one it looks like: pairs of a character and its model,
// an accented letter as its letter. The code page's holes are not drawn.
// clang-format off
inline constexpr const char* kAnalogues =
    "\"(" "$5" "'!" "<+" ">+" "@%" "\\/" "^+" "`!" "|!" "~+" "\x80" "0" "\x82," "\x83" "f"
    "\x84\"" "\x85m" "\x86+" "\x87+" "\x88^" "\x89%" "\x8AS" "\x8B(" "\x8CW" "\x8EZ" "\x91'"
    "\x92'" "\x93\"" "\x94\"" "\x95-" "\x96-" "\x97m" "\x98~" "\x99m" "\x9As" "\x9B)" "\x9Cm"
    "\x9Ez" "\x9FY" "\xA0 " "\xA1!" "\xA2" "c" "\xA3" "0" "\xA4o" "\xA5Y" "\xA6|" "\xA7s" "\xA8^"
    "\xA9M" "\xAA" "a" "\xAB+" "\xAC+" "\xAD-" "\xAEM" "\xAF-" "\xB0o" "\xB1+" "\xB2(" "\xB3("
    "\xB4'" "\xB5u" "\xB6q" "\xB7." "\xB8," "\xB9(" "\xBAo" "\xBB" "n" "\xBC%" "\xBD%" "\xBE%"
    "\xBF?" "\xC0" "A" "\xC1" "A" "\xC2" "A" "\xC3" "A" "\xC4" "A" "\xC5" "A" "\xC6W" "\xC7" "C"
    "\xC8" "E" "\xC9" "E" "\xCA" "E" "\xCB" "E" "\xCCI" "\xCDI" "\xCEI" "\xCFI" "\xD0" "D"
    "\xD1N" "\xD2O" "\xD3O" "\xD4O" "\xD5O" "\xD6O" "\xD7+" "\xD8O" "\xD9U" "\xDAU" "\xDBU"
    "\xDCU" "\xDDY" "\xDEP" "\xDF" "b" "\xE0" "a" "\xE1" "a" "\xE2" "a" "\xE3" "a" "\xE4" "a"
    "\xE5" "a" "\xE6m" "\xE7" "c" "\xE8" "e" "\xE9" "e" "\xEA" "e" "\xEB" "e" "\xEC" "i" "\xED"
    "i" "\xEE" "i" "\xEF" "i" "\xF0o" "\xF1n" "\xF2o" "\xF3o" "\xF4o" "\xF5o" "\xF6o" "\xF7+"
    "\xF8o" "\xF9u" "\xFAu" "\xFBu" "\xFCu" "\xFDy" "\xFEp" "\xFFy";
// clang-format on

struct AdvanceTable {
    unsigned char advances[3][256] = {};
};

constexpr AdvanceTable buildAdvances() {
    AdvanceTable table;
    for (const AdvanceGroup& group : kAdvanceGroups)
        for (int i = 0; group.characters[i]; ++i)
            for (int size = 0; size < 3; ++size)
                table.advances[size][static_cast<unsigned char>(group.characters[i])] =
                    group.advances[size][i];
    for (const char* pair = kAnalogues; pair[0]; pair += 2)
        for (int size = 0; size < 3; ++size)
            table.advances[size][static_cast<unsigned char>(pair[0])] =
                table.advances[size][static_cast<unsigned char>(pair[1])];
    return table;
}

inline constexpr AdvanceTable kAdvances = buildAdvances();

constexpr int sizeIndex(int fontSize) {
    return fontSize < 1 ? 0 : fontSize > 3 ? 2 : fontSize - 1;
}

}  // namespace fontmetrics

inline TextCell textCell(int fontSize, double fontScaling) {
    const TextCell& cell = fontmetrics::kTextCells[fontmetrics::sizeIndex(fontSize)];
    return {int(std::lround(cell.height * fontScaling)),
            int(std::lround(cell.baseline * fontScaling))};
}

// How far a character of the Windows-1252 code page moves the pen; 0 for the control codes and
// the code page's holes, which are not drawn.
inline int glyphAdvance(int fontSize, double fontScaling, unsigned char code) {
    const int unscaled = fontmetrics::kAdvances.advances[fontmetrics::sizeIndex(fontSize)][code];
    return int(std::lround(unscaled * fontScaling));
}

}  // namespace tw
