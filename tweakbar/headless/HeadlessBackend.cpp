// A backend that draws nothing: for native builds and engine tests. It accepts TW_DIRECT3D11
// with any device pointer, supplies a font with the text metrics every backend follows (its
// glyphs all one box of the atlas), and records what a real backend would have drawn and
// uploaded.
#include <cstring>

#include "draw/GraphBackend.h"
#include "look/FontMetrics.h"

namespace tw {
namespace {

constexpr int kAtlasSize = 32;

class HeadlessBackend final : public GraphBackend {
  public:
    explicit HeadlessBackend(double fontScaling) {
        atlas_.width = atlas_.height = kAtlasSize;
        atlas_.coverage.assign(kAtlasSize * kAtlasSize, 0);
        // A white block for solid fills at the top-left, a glyph box beside it.
        for (int y = 0; y < 4; ++y)
            std::memset(&atlas_.coverage[y * kAtlasSize], 255, 4);
        for (int y = 0; y < 16; ++y)
            std::memset(&atlas_.coverage[y * kAtlasSize + 8], 255, 8);
        atlas_.whiteU = atlas_.whiteV = 1.5f / kAtlasSize;
        for (int size = 0; size < 3; ++size) {
            FontFace& face = atlas_.faces[size];
            const TextCell cell = textCell(size + 1, fontScaling);
            face.lineHeight = cell.height;
            face.ascent = cell.baseline;
            for (int c = 0; c < 256; ++c) {
                Glyph& glyph = face.glyphs[c];
                const int advance =
                    glyphAdvance(size + 1, fontScaling, static_cast<unsigned char>(c));
                glyph.advance = advance;
                const bool visible = advance > 0 && c != ' ' && c != 0xA0;
                if (!visible) continue;
                glyph.left = 0;
                glyph.top = 2;
                glyph.width = advance - 1;
                glyph.height = face.lineHeight - 4;
                glyph.u0 = 8.0f / kAtlasSize;
                glyph.v0 = 0;
                glyph.u1 = 16.0f / kAtlasSize;
                glyph.v1 = 16.0f / kAtlasSize;
            }
            face.checkMark = face.glyphs['v'];
        }
    }

    const FontAtlas& atlas() const override { return atlas_; }

    void resize(int, int) override {}

    bool render(const DisplayList& list) override {
        stats_ = FrameStats{};
        stats_.drawCalls = list.indices.empty() ? 0 : 1;
        stats_.vertices = unsigned(list.vertices.size());
        stats_.indices = unsigned(list.indices.size());
        const Upload upload = uploadNeeded(list, uploadedOnce_, uploadedVersion_);
        if (upload != Upload::Nothing) {
            stats_.bytesUploaded = byteSize(list, upload);
            stats_.rebuilt = 1;
            uploadedVersion_ = list.version;
            uploadedOnce_ = true;
        }
        return true;
    }

    FrameStats lastFrame() const override { return stats_; }

  private:
    FontAtlas atlas_;
    FrameStats stats_{};
    std::uint64_t uploadedVersion_ = 0;
    bool uploadedOnce_ = false;
};

}  // namespace

std::unique_ptr<GraphBackend> createGraphBackend(TwGraphAPI api, void*, double fontScaling,
                                                 std::string& error) {
    if (api != TW_DIRECT3D11) {
        error = "Unsupported graphics API: this engine draws with TW_DIRECT3D11 only";
        return nullptr;
    }
    return std::make_unique<HeadlessBackend>(fontScaling);
}

}  // namespace tw
