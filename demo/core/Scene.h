// The demo's picture as coloured triangles in window pixels: a background whose colours drift,
// bands that slide across it, a disc that circles, then the caller's solid rectangles on top.
// Everything moves on the CPU so the shaders stay trivial.
#pragma once

#include <cstdint>
#include <vector>

#include "TinyFont.h"

namespace kzdemo {

struct ColorVertex {
    float x, y;          // pixels, origin top left
    std::uint32_t abgr;  // the bytes R, G, B, A in memory order (R8G8B8A8_UNORM)
};

// Replaces out's contents with the frame at `seconds` for a window of width x height pixels;
// three vertices per triangle.
void buildScene(float seconds, float width, float height, const std::vector<SolidRect>& rects,
                std::vector<ColorVertex>* out);

}  // namespace kzdemo
