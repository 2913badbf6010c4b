#include "Scene.h"

#include <gtest/gtest.h>

using kzdemo::buildScene;
using kzdemo::ColorVertex;

TEST(Scene, TrianglesStayWithinTheWindowBandsAside) {
    std::vector<ColorVertex> vertices;
    buildScene(12.5f, 800, 450, {}, &vertices);
    ASSERT_FALSE(vertices.empty());
    EXPECT_EQ(vertices.size() % 3, 0u);
    for (const ColorVertex& v : vertices) {
        // Bands slide in from the left edge, at most one band width (800 / 12) outside.
        EXPECT_GE(v.x, -800.0f / 12 - 0.01f);
        EXPECT_LE(v.x, 800.01f);
        EXPECT_GE(v.y, -0.01f);
        EXPECT_LE(v.y, 450.01f);
    }
}

TEST(Scene, ThePictureMovesWithTime) {
    std::vector<ColorVertex> early, late;
    buildScene(0.0f, 640, 480, {}, &early);
    buildScene(1.0f, 640, 480, {}, &late);
    ASSERT_EQ(early.size(), late.size());
    int moved = 0, recoloured = 0;
    for (std::size_t i = 0; i < early.size(); ++i) {
        moved += early[i].x != late[i].x || early[i].y != late[i].y;
        recoloured += early[i].abgr != late[i].abgr;
    }
    EXPECT_GT(moved, 0);
    EXPECT_GT(recoloured, 0);
}

TEST(Scene, CallersRectanglesComeLastInTheirColour) {
    std::vector<ColorVertex> vertices;
    buildScene(3.0f, 640, 480, {{10, 20, 30, 40, 0x11223344}}, &vertices);
    ASSERT_GE(vertices.size(), 6u);
    float left = 1e9f, right = -1e9f, top = 1e9f, bottom = -1e9f;
    for (std::size_t i = vertices.size() - 6; i < vertices.size(); ++i) {
        // Bytes R, G, B, A in memory order: 0x11 lowest.
        EXPECT_EQ(vertices[i].abgr, 0x44332211u);
        left = std::min(left, vertices[i].x);
        right = std::max(right, vertices[i].x);
        top = std::min(top, vertices[i].y);
        bottom = std::max(bottom, vertices[i].y);
    }
    EXPECT_FLOAT_EQ(left, 10);
    EXPECT_FLOAT_EQ(right, 40);
    EXPECT_FLOAT_EQ(top, 20);
    EXPECT_FLOAT_EQ(bottom, 60);
}
