// What the engine's portable core hands to a graphics backend each frame: indexed triangles
// that all sample one atlas texture, already clipped to their bars, so that one draw call
// renders every bar. A frame that changes part of the list says which ranges changed, so that
// the backend sends only those.
#pragma once

#include <cstddef>
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

// A run of elements (vertices or indices) of the list.
struct ListRange {
    std::uint32_t first = 0, count = 0;
};

struct DisplayList {
    std::vector<Vertex> vertices;
    std::vector<std::uint32_t> indices;  // triangle list, three per triangle
    // Changes whenever the contents change; a backend that has uploaded this version already
    // draws from what it holds.
    std::uint64_t version = 0;
    // The ranges that differ between version patchBase and version. A backend that holds
    // patchBase uploads only these; one that holds anything else uploads the whole list.
    std::uint64_t patchBase = kWholeList;
    std::vector<ListRange> vertexPatches, indexPatches;

    static constexpr std::uint64_t kWholeList = ~std::uint64_t(0);

    void clear() {
        vertices.clear();
        indices.clear();
    }

    // Brackets the changes of one frame: patches record what changed in between, and the
    // version moves on only when something did.
    void beginChanges() {
        patchBase = version;
        vertexPatches.clear();
        indexPatches.clear();
        changedWhole_ = false;
    }
    void changedWhole() { changedWhole_ = true; }
    void changedVertices(std::uint32_t first, std::uint32_t count) {
        if (count) vertexPatches.push_back({first, count});
    }
    void changedIndices(std::uint32_t first, std::uint32_t count) {
        if (count) indexPatches.push_back({first, count});
    }
    void endChanges() {
        if (changedWhole_) {
            patchBase = kWholeList;
            vertexPatches.clear();
            indexPatches.clear();
        }
        if (changedWhole_ || !vertexPatches.empty() || !indexPatches.empty()) ++version;
    }

  private:
    bool changedWhole_ = false;
};

// What a backend holding heldVersion (when holding anything) must send to the GPU to draw the
// list: nothing, the patches alone, or everything.
enum class Upload { Nothing, Patches, Whole };
inline Upload uploadNeeded(const DisplayList& list, bool holdsList, std::uint64_t heldVersion) {
    if (holdsList && heldVersion == list.version) return Upload::Nothing;
    if (holdsList && heldVersion == list.patchBase) return Upload::Patches;
    return Upload::Whole;
}

inline std::size_t byteSize(const DisplayList& list, Upload upload) {
    switch (upload) {
        case Upload::Nothing:
            return 0;
        case Upload::Whole:
            return list.vertices.size() * sizeof(Vertex) +
                   list.indices.size() * sizeof(std::uint32_t);
        case Upload::Patches:
            break;
    }
    std::size_t bytes = 0;
    for (const ListRange& range : list.vertexPatches)
        bytes += range.count * sizeof(Vertex);
    for (const ListRange& range : list.indexPatches)
        bytes += range.count * sizeof(std::uint32_t);
    return bytes;
}

}  // namespace tw
