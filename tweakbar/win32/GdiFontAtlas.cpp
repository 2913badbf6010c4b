#include "GdiFontAtlas.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "look/FontMetrics.h"

namespace tw {

namespace {

// Tahoma ships with every Windows since 95; Wine substitutes a metric-compatible sans face. Its
// em sizes for fontsize 1, 2 and 3 give capitals as tall as the text metrics' cells expect;
// glyphs wider than the cell's advance leaves room for are narrowed to fit it.
const char* const kFaceName = "Tahoma";
constexpr int kEmHeights[3] = {10, 12, 14};
constexpr int kAtlasWidth = 512;
// Empty texels between neighbours, so that no glyph box ever picks up its neighbour's ink.
constexpr int kGap = 1;
constexpr int kWhiteSize = 4;
// GetGlyphOutline's GGO_GRAY8_BITMAP gives coverage in 0..64.
constexpr int kGdiFullCoverage = 64;

struct RasterGlyph {
    Glyph metrics;
    int x = 0, y = 0;               // place in the atlas
    std::vector<std::uint8_t> ink;  // metrics.width * metrics.height coverage bytes
};

struct RasterFace {
    TextCell cell;
    std::vector<RasterGlyph> glyphs = std::vector<RasterGlyph>(256);
    RasterGlyph checkMark;
};

// The Unicode character of an 8-bit code, or 0 for the control codes (C0, DEL, and the C1 range
// where Windows-1252 leaves its five holes).
wchar_t printableUnicodeOf(int code) {
    const char narrow = static_cast<char>(code);
    wchar_t wide = 0;
    if (MultiByteToWideChar(1252, 0, &narrow, 1, &wide, 1) != 1) return 0;
    if (wide < 0x20 || (wide >= 0x7F && wide <= 0x9F)) return 0;
    return wide;
}

// A memory DC with one font selected; both are deleted whichever way the caller returns.
class FontContext {
  public:
    explicit FontContext(int emHeight)
        : dc_(CreateCompatibleDC(nullptr)),
          font_(CreateFontA(-emHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                            OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                            DEFAULT_PITCH | FF_SWISS, kFaceName)) {
        if (dc_ && font_) previous_ = SelectObject(dc_, font_);
    }
    ~FontContext() {
        if (previous_) SelectObject(dc_, previous_);
        if (font_) DeleteObject(font_);
        if (dc_) DeleteDC(dc_);
    }
    FontContext(const FontContext&) = delete;
    FontContext& operator=(const FontContext&) = delete;

    bool valid() const { return previous_ != nullptr; }
    HDC dc() const { return dc_; }

  private:
    HDC dc_;
    HFONT font_;
    HGDIOBJ previous_ = nullptr;
};

// The glyph's outline, scaled across by a factor, as coverage; false when it has none.
bool outlineBitmap(HDC dc, wchar_t character, double across, GLYPHMETRICS& gm,
                   std::vector<BYTE>& bitmap) {
    const LONG fixed = LONG(std::lround(across * 65536));
    MAT2 transform{};
    transform.eM11.value = SHORT(fixed >> 16);
    transform.eM11.fract = WORD(fixed & 0xFFFF);
    transform.eM22.value = 1;
    const DWORD size =
        GetGlyphOutlineW(dc, character, GGO_GRAY8_BITMAP, &gm, 0, nullptr, &transform);
    // Blanks report a 1x1 box but no bitmap; they only move the pen.
    if (size == GDI_ERROR || size == 0) return false;
    bitmap.resize(size);
    return GetGlyphOutlineW(dc, character, GGO_GRAY8_BITMAP, &gm, size, bitmap.data(),
                            &transform) != GDI_ERROR;
}

// The glyph's ink centred in a cell of the given advance, narrowed when it is wider than the
// cell so that it never reaches into its neighbours'.
void rasteriseGlyph(HDC dc, wchar_t character, const TextCell& cell, int advance,
                    RasterGlyph& glyph) {
    glyph.metrics.advance = advance;
    GLYPHMETRICS gm{};
    std::vector<BYTE> bitmap;
    // Narrowed by the ratio of the widths; the box may still come out a column too wide, and
    // is then narrowed again.
    double across = 1;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (!outlineBitmap(dc, character, across, gm, bitmap)) return;
        if (int(gm.gmBlackBoxX) <= advance) break;
        across *= (advance - 0.25) / double(gm.gmBlackBoxX);
    }
    const int width = static_cast<int>(gm.gmBlackBoxX);
    const int pitch = (width + 3) & ~3;  // GDI pads bitmap rows to 32 bits
    // Rows outside the cell (accents over capitals at the smallest size) are left out.
    const int top = cell.baseline - gm.gmptGlyphOrigin.y;
    const int from = std::max(0, -top);
    const int to = std::min(static_cast<int>(gm.gmBlackBoxY), cell.height - top);
    if (to <= from) return;
    glyph.metrics.left = std::max(0, (advance - width) / 2);
    glyph.metrics.top = top + from;
    glyph.metrics.width = width;
    glyph.metrics.height = to - from;
    glyph.ink.resize(std::size_t(width) * std::size_t(to - from));
    for (int y = from; y < to; ++y)
        for (int x = 0; x < width; ++x) {
            const int level = bitmap[std::size_t(y * pitch + x)];
            glyph.ink[std::size_t((y - from) * width + x)] = static_cast<std::uint8_t>(
                level >= kGdiFullCoverage ? 255 : level * 255 / kGdiFullCoverage);
        }
}

float distanceToSegment(float px, float py, float ax, float ay, float bx, float by) {
    const float dx = bx - ax, dy = by - ay;
    const float t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
    return std::hypot(px - ax - t * dx, py - ay - t * dy);
}

// A tick of two strokes in a square box about two thirds of the line high, with coverage from
// 4 x 4 samples per texel so that its slanted edges are smooth like the text's.
void rasteriseCheckMark(int lineHeight, RasterGlyph& glyph) {
    const int size = std::max(7, lineHeight * 3 / 4);
    const float half = 0.09f * float(size);  // half the stroke width
    const float span = float(size) - 2 * half;
    const float ax = half + 0.05f * span, ay = half + 0.55f * span;
    const float bx = half + 0.36f * span, by = half + 0.92f * span;
    const float cx = half + span, cy = half + 0.05f * span;
    glyph.ink.assign(std::size_t(size) * std::size_t(size), 0);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            int covered = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) {
                    const float px = float(x) + (float(sx) + 0.5f) / 4;
                    const float py = float(y) + (float(sy) + 0.5f) / 4;
                    if (distanceToSegment(px, py, ax, ay, bx, by) <= half ||
                        distanceToSegment(px, py, bx, by, cx, cy) <= half)
                        ++covered;
                }
            glyph.ink[std::size_t(y * size + x)] = static_cast<std::uint8_t>(covered * 255 / 16);
        }
    glyph.metrics.advance = size + 2;
    glyph.metrics.left = 1;
    glyph.metrics.top = (lineHeight - size + 1) / 2;
    glyph.metrics.width = glyph.metrics.height = size;
}

bool rasteriseFace(int fontSize, double fontScaling, RasterFace& face, std::string& error) {
    FontContext context(int(std::lround(kEmHeights[fontSize - 1] * fontScaling)));
    if (!context.valid()) {
        error = "Cannot create the font";
        return false;
    }
    face.cell = textCell(fontSize, fontScaling);
    for (int code = 0; code < 256; ++code) {
        const auto narrow = static_cast<unsigned char>(code);
        const int advance = glyphAdvance(fontSize, fontScaling, narrow);
        if (const wchar_t character = printableUnicodeOf(code); character && advance > 0)
            rasteriseGlyph(context.dc(), character, face.cell, advance,
                           face.glyphs[std::size_t(code)]);
    }
    rasteriseCheckMark(face.cell.height, face.checkMark);
    return true;
}

// Places glyphs in rows from left to right, the white block first; returns the atlas height.
int packGlyphs(std::vector<RasterFace>& faces) {
    int x = kWhiteSize + kGap, y = 0, rowHeight = kWhiteSize;
    std::vector<RasterGlyph*> all;
    for (RasterFace& face : faces) {
        for (RasterGlyph& glyph : face.glyphs)
            all.push_back(&glyph);
        all.push_back(&face.checkMark);
    }
    for (RasterGlyph* each : all) {
        RasterGlyph& glyph = *each;
        if (glyph.ink.empty()) continue;
        if (x + glyph.metrics.width > kAtlasWidth) {
            x = 0;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        glyph.x = x;
        glyph.y = y;
        x += glyph.metrics.width + kGap;
        if (glyph.metrics.height > rowHeight) rowHeight = glyph.metrics.height;
    }
    return y + rowHeight;
}

// Copies a glyph's ink to its place in the atlas and gives its metrics with atlas coordinates.
Glyph placed(const RasterGlyph& glyph, FontAtlas& atlas) {
    Glyph out = glyph.metrics;
    if (glyph.ink.empty()) return out;
    for (int row = 0; row < out.height; ++row)
        std::memcpy(&atlas.coverage[std::size_t((glyph.y + row) * atlas.width + glyph.x)],
                    &glyph.ink[std::size_t(row * out.width)], std::size_t(out.width));
    out.u0 = float(glyph.x) / float(atlas.width);
    out.v0 = float(glyph.y) / float(atlas.height);
    out.u1 = float(glyph.x + out.width) / float(atlas.width);
    out.v1 = float(glyph.y + out.height) / float(atlas.height);
    return out;
}

}  // namespace

bool buildGdiFontAtlas(FontAtlas& atlas, double fontScaling, std::string& error) {
    std::vector<RasterFace> faces(3);
    for (std::size_t i = 0; i < faces.size(); ++i) {
        if (!rasteriseFace(int(i) + 1, fontScaling, faces[i], error)) return false;
    }

    atlas.width = kAtlasWidth;
    atlas.height = packGlyphs(faces);
    atlas.coverage.assign(std::size_t(atlas.width) * std::size_t(atlas.height), 0);
    for (int y = 0; y < kWhiteSize; ++y)
        std::memset(&atlas.coverage[std::size_t(y * atlas.width)], 255, kWhiteSize);
    atlas.whiteU = 1.5f / float(atlas.width);
    atlas.whiteV = 1.5f / float(atlas.height);

    for (std::size_t i = 0; i < faces.size(); ++i) {
        const RasterFace& raster = faces[i];
        FontFace& face = atlas.faces[i];
        face.lineHeight = raster.cell.height;
        face.ascent = raster.cell.baseline;
        for (std::size_t code = 0; code < 256; ++code)
            face.glyphs[code] = placed(raster.glyphs[code], atlas);
        face.checkMark = placed(raster.checkMark, atlas);
    }
    return true;
}

}  // namespace tw
