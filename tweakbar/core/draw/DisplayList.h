// What the engine's portable core hands to a graphics backend each frame: indexed triangles
// that all sample one atlas texture, already clipped to their bars, so that one draw call
// renders every bar.
#pragma once

#include <cstdint>
#include <vector>

namespace tw {

// Colours are packed as R | G << 8 | B << 16 | A << 24, the byte order of an
// R8G8B8A8_UNORM vertex attribute.
using PackedColor = std::uint32_t;

constexpr PackedColor packColor(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) {
    return PackedColor(r) | PackedColor(g) << 8 | PackedColor(b) << 16 | PackedColor(a) << 24;
}

struct Vertex {
    float x, y;  // pixels from the top-left corner of the drawing area
    float u, v;  // atlas coordinates in 0..1
    PackedColor color;
};

struct DisplayList {
    std::vector<Vertex> vertices;
    std::vector<std::uint32_t> indices;  // triangle list, three per triangle
    // Changes whenever the contents change; a backend that has uploaded this version already
    // draws from what it holds.
    std::uint64_t version = 0;

    void clear() {
        vertices.clear();
        indices.clear();
    }
};

}  // namespace tw
