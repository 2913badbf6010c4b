// Appends solid and textured quads to the display list, clipped on the CPU to the current
// clip rectangle, so that the whole frame draws in one call without scissor changes.
#pragma once

#include <string_view>

#include "draw/DisplayList.h"
#include "draw/FontAtlas.h"
#include "draw/Geometry.h"

namespace tw {

struct ShadedPoint {
    float x, y;
    PackedColor color;
};

// The colours at a rectangle's four corners, blended across it.
struct CornerColors {
    PackedColor topLeft, topRight, bottomLeft, bottomRight;
};

class Painter {
  public:
    Painter(DisplayList& list, const FontAtlas& atlas) : list_(list), atlas_(atlas) {}

    void setClip(const Rect& clip) { clip_ = clip; }
    const Rect& clip() const { return clip_; }

    void fill(const Rect& rect, PackedColor color) { fill(rect, color, color); }
    // A vertical gradient.
    void fill(const Rect& rect, PackedColor top, PackedColor bottom);
    void fill(const Rect& rect, const CornerColors& corners);
    void outline(const Rect& rect, PackedColor color);
    // One glyph of the atlas with the pen at x and the top of its line at y.
    void glyph(const Glyph& glyph, int x, int y, PackedColor color);
    // Text with the top of its line at y; returns the pen position after it, or where it
    // stopped at the clip's right edge.
    int text(const FontFace& face, int x, int y, std::string_view text, PackedColor color);
    // Room for one quad that is written later, frame by frame (see solidQuad); empty until
    // then. Returns the index of its first vertex.
    std::uint32_t reserveQuad();
    // A solid triangle shaded per corner. Shapes drawn this way lie inside their row, so a
    // triangle that leaves the clip is dropped whole rather than cut.
    void triangle(const ShadedPoint& a, const ShadedPoint& b, const ShadedPoint& c);

  private:
    void append(const Vertex corners[4]);
    void quad(float x0, float y0, float x1, float y1, float u0, float v0, float u1, float v1,
              PackedColor top, PackedColor bottom);

    DisplayList& list_;
    const FontAtlas& atlas_;
    Rect clip_;
};

// The four vertices of a solid rectangle clipped to clip, in the order the painter writes
// them; false, with out left alone, when nothing of it is inside.
bool solidQuad(const Rect& rect, PackedColor color, const Rect& clip, const FontAtlas& atlas,
               Vertex out[4]);
// The same for a rectangle shading from top to bottom.
bool gradientQuad(const Rect& rect, PackedColor top, PackedColor bottom, const Rect& clip,
                  const FontAtlas& atlas, Vertex out[4]);

// The four vertices of a glyph with the pen at x and the top of its line at y, clipped to clip;
// false when nothing of it is inside.
bool glyphQuad(const Glyph& glyph, int x, int y, PackedColor color, const Rect& clip,
               Vertex out[4]);

// Colour helpers for the look of bars.
PackedColor withAlpha(PackedColor color, int alpha);
// Moves each channel towards another colour by t in 0..1; alpha is taken from the first.
PackedColor mix(PackedColor color, PackedColor toward, float t);

}  // namespace tw
