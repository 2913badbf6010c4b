#include "draw/Painter.h"

#include <algorithm>
#include <cmath>

namespace tw {
namespace {

std::uint8_t channelOf(PackedColor color, int shift) {
    return std::uint8_t(color >> shift);
}

PackedColor lerpColor(PackedColor a, PackedColor b, float t) {
    PackedColor out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const float value = channelOf(a, shift) + (channelOf(b, shift) - channelOf(a, shift)) * t;
        out |= PackedColor(std::lround(value)) << shift;
    }
    return out;
}

// Cuts a quad to the clip; texture coordinates and the gradient follow the cut. Inlined into
// the painter's hot path, where it runs for every glyph and fill of a repaint.
[[gnu::always_inline]] inline bool clippedQuad(const Rect& clip, float x0, float y0, float x1,
                                               float y1, float u0, float v0, float u1, float v1,
                                               PackedColor top, PackedColor bottom, Vertex out[4]) {
    const float cx0 = std::max(x0, float(clip.x)), cy0 = std::max(y0, float(clip.y));
    const float cx1 = std::min(x1, float(clip.right())), cy1 = std::min(y1, float(clip.bottom()));
    if (cx0 >= cx1 || cy0 >= cy1) return false;
    const float w = x1 - x0, h = y1 - y0;
    const float su0 = u0 + (u1 - u0) * (cx0 - x0) / w, su1 = u0 + (u1 - u0) * (cx1 - x0) / w;
    const float sv0 = v0 + (v1 - v0) * (cy0 - y0) / h, sv1 = v0 + (v1 - v0) * (cy1 - y0) / h;
    const PackedColor ctop = top == bottom ? top : lerpColor(top, bottom, (cy0 - y0) / h);
    const PackedColor cbottom = top == bottom ? top : lerpColor(top, bottom, (cy1 - y0) / h);
    out[0] = {cx0, cy0, su0, sv0, ctop};
    out[1] = {cx1, cy0, su1, sv0, ctop};
    out[2] = {cx1, cy1, su1, sv1, cbottom};
    out[3] = {cx0, cy1, su0, sv1, cbottom};
    return true;
}

void appendQuadIndices(DisplayList& list, std::uint32_t base) {
    for (std::uint32_t i : {0u, 1u, 2u, 0u, 2u, 3u})
        list.indices.push_back(base + i);
}

}  // namespace

PackedColor withAlpha(PackedColor color, int alpha) {
    return (color & 0x00ffffffu) | PackedColor(std::clamp(alpha, 0, 255)) << 24;
}

PackedColor mix(PackedColor color, PackedColor toward, float t) {
    return withAlpha(lerpColor(color, toward, t), channelOf(color, 24));
}

bool solidQuad(const Rect& rect, PackedColor color, const Rect& clip, const FontAtlas& atlas,
               Vertex out[4]) {
    return gradientQuad(rect, color, color, clip, atlas, out);
}

bool gradientQuad(const Rect& rect, PackedColor top, PackedColor bottom, const Rect& clip,
                  const FontAtlas& atlas, Vertex out[4]) {
    if (rect.empty()) return false;
    return clippedQuad(clip, float(rect.x), float(rect.y), float(rect.right()),
                       float(rect.bottom()), atlas.whiteU, atlas.whiteV, atlas.whiteU, atlas.whiteV,
                       top, bottom, out);
}

bool glyphQuad(const Glyph& glyph, int x, int y, PackedColor color, const Rect& clip,
               Vertex out[4]) {
    if (glyph.width <= 0 || glyph.height <= 0) return false;
    const float gx = float(x + glyph.left), gy = float(y + glyph.top);
    return clippedQuad(clip, gx, gy, gx + float(glyph.width), gy + float(glyph.height), glyph.u0,
                       glyph.v0, glyph.u1, glyph.v1, color, color, out);
}

void Painter::append(const Vertex corners[4]) {
    const auto base = std::uint32_t(list_.vertices.size());
    for (int i = 0; i < 4; ++i)
        list_.vertices.push_back(corners[i]);
    appendQuadIndices(list_, base);
}

void Painter::quad(float x0, float y0, float x1, float y1, float u0, float v0, float u1, float v1,
                   PackedColor top, PackedColor bottom) {
    Vertex corners[4];
    if (clippedQuad(clip_, x0, y0, x1, y1, u0, v0, u1, v1, top, bottom, corners)) append(corners);
}

std::uint32_t Painter::reserveQuad() {
    const auto base = std::uint32_t(list_.vertices.size());
    list_.vertices.resize(list_.vertices.size() + 4, Vertex{});
    appendQuadIndices(list_, base);
    return base;
}

void Painter::triangle(const ShadedPoint& a, const ShadedPoint& b, const ShadedPoint& c) {
    for (const ShadedPoint* p : {&a, &b, &c}) {
        if (p->x < float(clip_.x) || p->y < float(clip_.y) || p->x > float(clip_.right()) ||
            p->y > float(clip_.bottom())) {
            return;
        }
    }
    for (const ShadedPoint* p : {&a, &b, &c}) {
        list_.indices.push_back(std::uint32_t(list_.vertices.size()));
        list_.vertices.push_back({p->x, p->y, atlas_.whiteU, atlas_.whiteV, p->color});
    }
}

void Painter::fill(const Rect& rect, PackedColor top, PackedColor bottom) {
    if (rect.empty()) return;
    quad(float(rect.x), float(rect.y), float(rect.right()), float(rect.bottom()), atlas_.whiteU,
         atlas_.whiteV, atlas_.whiteU, atlas_.whiteV, top, bottom);
}

void Painter::fill(const Rect& rect, const CornerColors& c) {
    const Rect cut = intersect(rect, clip_);
    if (rect.empty() || cut.empty()) return;
    const float w = float(rect.w), h = float(rect.h);
    const auto at = [&](int x, int y) {
        const float tx = float(x - rect.x) / w, ty = float(y - rect.y) / h;
        return lerpColor(lerpColor(c.topLeft, c.topRight, tx),
                         lerpColor(c.bottomLeft, c.bottomRight, tx), ty);
    };
    const float u = atlas_.whiteU, v = atlas_.whiteV;
    const float x0 = float(cut.x), y0 = float(cut.y), x1 = float(cut.right()),
                y1 = float(cut.bottom());
    const Vertex corners[4] = {{x0, y0, u, v, at(cut.x, cut.y)},
                               {x1, y0, u, v, at(cut.right(), cut.y)},
                               {x1, y1, u, v, at(cut.right(), cut.bottom())},
                               {x0, y1, u, v, at(cut.x, cut.bottom())}};
    append(corners);
}

void Painter::outline(const Rect& rect, PackedColor color) {
    if (rect.w < 2 || rect.h < 2) return fill(rect, color);
    fill({rect.x, rect.y, rect.w, 1}, color);
    fill({rect.x, rect.bottom() - 1, rect.w, 1}, color);
    fill({rect.x, rect.y + 1, 1, rect.h - 2}, color);
    fill({rect.right() - 1, rect.y + 1, 1, rect.h - 2}, color);
}

void Painter::glyph(const Glyph& glyph, int x, int y, PackedColor color) {
    Vertex corners[4];
    if (glyphQuad(glyph, x, y, color, clip_, corners)) append(corners);
}

int Painter::text(const FontFace& face, int x, int y, std::string_view text, PackedColor color) {
    int pen = x;
    for (const char c : text) {
        if (pen >= clip_.right()) break;
        const Glyph& g = face.glyphOf(c);
        glyph(g, pen, y, color);
        pen += g.advance;
    }
    return pen;
}

}  // namespace tw
