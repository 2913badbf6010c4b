#include "Scene.h"

#include <cmath>

namespace kzdemo {

namespace {

constexpr float kPi = 3.14159265f;

std::uint32_t abgr(float r, float g, float b, float a = 1.0f) {
    auto byte = [](float v) {
        v = v < 0 ? 0 : (v > 1 ? 1 : v);
        return static_cast<std::uint32_t>(v * 255.0f + 0.5f);
    };
    return byte(r) | byte(g) << 8 | byte(b) << 16 | byte(a) << 24;
}

std::uint32_t rgbaToAbgr(std::uint32_t rgba) {
    return (rgba >> 24) | ((rgba >> 8) & 0xff00) | ((rgba << 8) & 0xff0000) | (rgba << 24);
}

// A colour that cycles with time; phase spreads the corners apart.
std::uint32_t drifting(float seconds, float phase) {
    const float t = seconds * 0.8f + phase;
    return abgr(0.35f + 0.3f * std::cos(t), 0.35f + 0.3f * std::cos(t + 2.0f),
                0.35f + 0.3f * std::cos(t + 4.0f));
}

void quad(float x0, float y0, float x1, float y1, std::uint32_t topLeft, std::uint32_t topRight,
          std::uint32_t bottomLeft, std::uint32_t bottomRight, std::vector<ColorVertex>* out) {
    out->insert(out->end(), {{x0, y0, topLeft},
                             {x1, y0, topRight},
                             {x0, y1, bottomLeft},
                             {x0, y1, bottomLeft},
                             {x1, y0, topRight},
                             {x1, y1, bottomRight}});
}

}  // namespace

void buildScene(float seconds, float width, float height, const std::vector<SolidRect>& rects,
                std::vector<ColorVertex>* out) {
    out->clear();
    quad(0, 0, width, height, drifting(seconds, 0), drifting(seconds, 1.5f),
         drifting(seconds, 3.0f), drifting(seconds, 4.5f), out);

    // Translucent vertical bands sliding to the right, wrapping around.
    const float bandWidth = width / 12;
    for (int i = 0; i < 4; ++i) {
        const float x = std::fmod(seconds * width * 0.1f + static_cast<float>(i) * width / 4,
                                  width + bandWidth) -
                        bandWidth;
        const std::uint32_t c = abgr(1, 1, 1, 0.12f);
        quad(x, 0, x + bandWidth, height, c, c, c, c, out);
    }

    // A white disc on an ellipse around the centre.
    const float radius = 0.12f * (width < height ? width : height);
    const float cx = width * (0.5f + 0.3f * std::cos(seconds * 0.7f));
    const float cy = height * (0.5f + 0.3f * std::sin(seconds * 1.1f));
    const std::uint32_t white = abgr(1, 1, 1), rim = abgr(0.8f, 0.85f, 1);
    constexpr int kSegments = 40;
    for (int i = 0; i < kSegments; ++i) {
        const float a0 = 2 * kPi * static_cast<float>(i) / kSegments;
        const float a1 = 2 * kPi * static_cast<float>(i + 1) / kSegments;
        out->insert(out->end(), {{cx, cy, white},
                                 {cx + radius * std::cos(a0), cy + radius * std::sin(a0), rim},
                                 {cx + radius * std::cos(a1), cy + radius * std::sin(a1), rim}});
    }

    for (const SolidRect& r : rects) {
        const std::uint32_t c = rgbaToAbgr(r.rgba);
        quad(r.x, r.y, r.x + r.width, r.y + r.height, c, c, c, c, out);
    }
}

}  // namespace kzdemo
