// Display lists built by hand, the way the engine's core builds them: pixel-aligned quads that
// sample the atlas's white block for fills and a glyph box for each character.
#pragma once

#include <d3d11.h>

#include <cstdint>
#include <memory>
#include <string>

#include "D3DTestWindow.h"
#include "DisplayList.h"
#include "FontAtlas.h"
#include "GraphBackend.h"

namespace kztest {

inline void addQuad(tw::DisplayList& list, float x0, float y0, float x1, float y1, float u0,
                    float v0, float u1, float v1, tw::PackedColor color) {
    const auto base = static_cast<std::uint32_t>(list.vertices.size());
    list.vertices.push_back({x0, y0, u0, v0, color});
    list.vertices.push_back({x1, y0, u1, v0, color});
    list.vertices.push_back({x1, y1, u1, v1, color});
    list.vertices.push_back({x0, y1, u0, v1, color});
    for (std::uint32_t i : {0u, 1u, 2u, 0u, 2u, 3u})
        list.indices.push_back(base + i);
}

inline void addFill(tw::DisplayList& list, const tw::FontAtlas& atlas, float x0, float y0, float x1,
                    float y1, tw::PackedColor color) {
    addQuad(list, x0, y0, x1, y1, atlas.whiteU, atlas.whiteV, atlas.whiteU, atlas.whiteV, color);
}

// Text with its top-left corner at (x, y); returns the pen position after it.
inline float addText(tw::DisplayList& list, const tw::FontAtlas& atlas, int fontSize, float x,
                     float y, const std::string& text, tw::PackedColor color) {
    const tw::FontFace& face = atlas.face(fontSize);
    for (unsigned char c : text) {
        const tw::Glyph& g = face.glyphs[c];
        if (g.width > 0)
            addQuad(list, x + float(g.left), y + float(g.top), x + float(g.left + g.width),
                    y + float(g.top + g.height), g.u0, g.v0, g.u1, g.v1, color);
        x += float(g.advance);
    }
    return x;
}

// A window, its device, and a renderer made on that device.
struct BackendOnWindow {
    explicit BackendOnWindow(int windowWidth = 320, int windowHeight = 240)
        : window(windowWidth, windowHeight) {
        backend = tw::createGraphBackend(TW_DIRECT3D11, window.device(), error);
    }

    // Clears the back buffer, draws the list with the back buffer bound, and reads it back.
    std::vector<std::uint8_t> drawOver(const tw::DisplayList& list, float r, float g, float b) {
        window.clearBackBuffer(r, g, b);
        rendered = backend->render(list);
        return window.readBackBuffer(&width, &height);
    }

    D3DTestWindow window;
    std::string error;
    std::unique_ptr<tw::GraphBackend> backend;
    bool rendered = false;
    int width = 0, height = 0;
};

}  // namespace kztest
