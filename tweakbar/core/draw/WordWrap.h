// Text broken into lines that fit a width in a font: at its line breaks, then between words;
// a word wider than the width on its own is cut between characters.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "draw/FontAtlas.h"

namespace tw {

// Blank lines of the text are kept; an empty text gives no line. A width too small for one
// character still puts one character on each line.
std::vector<std::string> wrapText(const FontFace& face, std::string_view text, int width);

}  // namespace tw
