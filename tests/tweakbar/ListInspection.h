// What a display list draws, seen as the GPU sees it: the triangles in index order, without the
// ones of no area that fill the room segments keep for growing and the empty feedback slots;
// and the buffers a backend holds after following the list's uploads.
#pragma once

#include <array>
#include <cstring>
#include <vector>

#include "draw/DisplayList.h"

using Triangle = std::array<tw::Vertex, 3>;

inline bool sameVertex(const tw::Vertex& a, const tw::Vertex& b) {
    return a.x == b.x && a.y == b.y && a.u == b.u && a.v == b.v && a.color == b.color;
}

inline std::vector<Triangle> drawnTriangles(const tw::DisplayList& list) {
    std::vector<Triangle> drawn;
    for (std::size_t i = 0; i + 2 < list.indices.size(); i += 3) {
        const Triangle t{list.vertices[list.indices[i]], list.vertices[list.indices[i + 1]],
                         list.vertices[list.indices[i + 2]]};
        const float area =
            (t[1].x - t[0].x) * (t[2].y - t[0].y) - (t[2].x - t[0].x) * (t[1].y - t[0].y);
        if (area != 0) drawn.push_back(t);
    }
    return drawn;
}

inline bool sameTriangles(const std::vector<Triangle>& a, const std::vector<Triangle>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (int k = 0; k < 3; ++k) {
            if (!sameVertex(a[i][k], b[i][k])) return false;
        }
    }
    return true;
}

// The buffers a backend keeps, brought up to date the way a backend does: nothing, the
// patches, or everything.
struct GpuCopy {
    std::vector<tw::Vertex> vertices;
    std::vector<std::uint32_t> indices;
    bool holds = false;
    std::uint64_t version = 0;

    void follow(const tw::DisplayList& list) {
        switch (tw::uploadNeeded(list, holds, version)) {
            case tw::Upload::Nothing:
                break;
            case tw::Upload::Whole:
                vertices = list.vertices;
                indices = list.indices;
                break;
            case tw::Upload::Patches:
                for (const tw::ListRange& r : list.vertexPatches)
                    std::memcpy(&vertices[r.first], &list.vertices[r.first],
                                r.count * sizeof(tw::Vertex));
                for (const tw::ListRange& r : list.indexPatches)
                    std::memcpy(&indices[r.first], &list.indices[r.first],
                                r.count * sizeof(std::uint32_t));
                break;
        }
        holds = true;
        version = list.version;
    }
    bool holdsExactly(const tw::DisplayList& list) const {
        return vertices.size() == list.vertices.size() && indices == list.indices &&
               std::memcmp(vertices.data(), list.vertices.data(),
                           vertices.size() * sizeof(tw::Vertex)) == 0;
    }
    tw::DisplayList asList() const {
        tw::DisplayList list;
        list.vertices = vertices;
        list.indices = indices;
        return list;
    }
};
