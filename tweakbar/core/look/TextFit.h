// How much of a text a column shows. Text stays whole while every character but the last starts
// within the column less the cut room (BarMetrics::cutRoom), so its last character may reach past
// the column's edge; otherwise it keeps the characters that start within that room and ends in
// "..", which may reach past the edge too. Labels and values are cut alike.
#pragma once

#include <cstddef>
#include <string_view>

#include "draw/FontAtlas.h"

namespace tw {

inline constexpr std::string_view kEllipsis = "..";

struct FittedText {
    std::size_t kept = 0;  // characters shown from the start
    bool cut = false;      // followed by the ellipsis
};

FittedText fitColumn(const FontFace& face, std::string_view text, int columnWidth, int cutRoom);

}  // namespace tw
