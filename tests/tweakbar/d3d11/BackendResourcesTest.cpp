// What the renderer uploads and when, how its buffers grow, what it holds of the device, and
// how it comes back after releasing its resources.
#include <gtest/gtest.h>

#include "HandMadeLists.h"

namespace {

using kztest::BackendOnWindow;
using kztest::pixelAt;
using kztest::Rgba;

constexpr tw::PackedColor kRed = tw::packColor(255, 0, 0, 255);
constexpr tw::PackedColor kGreen = tw::packColor(0, 255, 0, 255);

bool isColour(Rgba p, int r, int g, int b) {
    return p.r == r && p.g == g && p.b == b;
}

TEST(BackendUpload, UnchangedVersionDrawsAgainFromTheBuffersWithoutUploading) {
    BackendOnWindow w;
    ASSERT_TRUE(w.backend) << w.error;
    tw::DisplayList list;
    kztest::addFill(list, w.backend->atlas(), 10, 10, 50, 50, kRed);
    list.version = 7;

    auto pixels = w.drawOver(list, 0, 0, 0);
    tw::FrameStats stats = w.backend->lastFrame();
    EXPECT_EQ(stats.drawCalls, 1u);
    EXPECT_EQ(stats.vertices, 4u);
    EXPECT_EQ(stats.indices, 6u);
    EXPECT_EQ(stats.bytesUploaded, 4 * sizeof(tw::Vertex) + 6 * sizeof(std::uint32_t));
    EXPECT_EQ(stats.rebuilt, 1u);
    EXPECT_TRUE(isColour(pixelAt(pixels, w.width, 30, 30), 255, 0, 0));

    // Same version, different contents: what is drawn is what was uploaded for version 7.
    list.vertices.clear();
    list.indices.clear();
    kztest::addFill(list, w.backend->atlas(), 10, 10, 50, 50, kGreen);
    pixels = w.drawOver(list, 0, 0, 0);
    stats = w.backend->lastFrame();
    EXPECT_EQ(stats.drawCalls, 1u);
    EXPECT_EQ(stats.bytesUploaded, 0u);
    EXPECT_EQ(stats.rebuilt, 0u);
    EXPECT_TRUE(isColour(pixelAt(pixels, w.width, 30, 30), 255, 0, 0));

    list.version = 8;
    pixels = w.drawOver(list, 0, 0, 0);
    stats = w.backend->lastFrame();
    EXPECT_GT(stats.bytesUploaded, 0u);
    EXPECT_EQ(stats.rebuilt, 1u);
    EXPECT_TRUE(isColour(pixelAt(pixels, w.width, 30, 30), 0, 255, 0));
}

TEST(BackendUpload, ListsFarLargerThanTheFirstBuffersAreDrawnWhole) {
    BackendOnWindow w;
    ASSERT_TRUE(w.backend) << w.error;
    // 320 x 240 one-pixel quads: 307200 vertices, many doublings past the first capacity.
    tw::DisplayList list;
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x)
            kztest::addFill(list, w.backend->atlas(), float(x), float(y), float(x + 1),
                            float(y + 1), (x + y) % 2 ? kRed : kGreen);
    list.version = 1;
    auto pixels = w.drawOver(list, 0, 0, 0);
    ASSERT_TRUE(w.rendered);
    EXPECT_EQ(w.backend->lastFrame().drawCalls, 1u);
    for (int y : {0, 120, 239})
        for (int x : {0, 1, 160, 318, 319}) {
            const bool red = (x + y) % 2 != 0;
            EXPECT_TRUE(isColour(pixelAt(pixels, w.width, x, y), red ? 255 : 0, red ? 0 : 255, 0))
                << x << "," << y;
        }

    // A small list afterwards is drawn from the grown buffers.
    tw::DisplayList small;
    kztest::addFill(small, w.backend->atlas(), 0, 0, 5, 5, tw::packColor(0, 0, 255, 255));
    small.version = 2;
    pixels = w.drawOver(small, 0, 0, 0);
    EXPECT_TRUE(isColour(pixelAt(pixels, w.width, 2, 2), 0, 0, 255));
    EXPECT_TRUE(isColour(pixelAt(pixels, w.width, 6, 6), 0, 0, 0));
}

TEST(BackendUpload, EmptyListDrawsNothing) {
    BackendOnWindow w;
    ASSERT_TRUE(w.backend) << w.error;
    tw::DisplayList empty;
    empty.version = 3;
    const auto pixels = w.drawOver(empty, 0.5f, 0.5f, 0.5f);
    EXPECT_TRUE(w.rendered);
    EXPECT_EQ(w.backend->lastFrame().drawCalls, 0u);
    EXPECT_TRUE(isColour(pixelAt(pixels, w.width, 10, 10), 128, 128, 128));
}

TEST(BackendSize, DrawingAreaGivenByResizeIsTheViewport) {
    BackendOnWindow w(320, 240);
    ASSERT_TRUE(w.backend) << w.error;
    w.backend->resize(160, 120);
    tw::DisplayList list;
    // A quad across the edge of the 160 x 120 area: only its part inside is drawn, in place.
    kztest::addFill(list, w.backend->atlas(), 150, 100, 200, 140, kRed);
    const auto pixels = w.drawOver(list, 0, 0, 0);
    EXPECT_TRUE(isColour(pixelAt(pixels, w.width, 155, 105), 255, 0, 0));
    EXPECT_TRUE(isColour(pixelAt(pixels, w.width, 159, 119), 255, 0, 0));
    EXPECT_TRUE(isColour(pixelAt(pixels, w.width, 165, 105), 0, 0, 0));
    EXPECT_TRUE(isColour(pixelAt(pixels, w.width, 155, 125), 0, 0, 0));
}

TEST(BackendSize, WithoutASizeTheBoundTargetIsTheDrawingArea) {
    BackendOnWindow w(320, 240);
    ASSERT_TRUE(w.backend) << w.error;
    tw::DisplayList list;
    kztest::addFill(list, w.backend->atlas(), 300, 220, 320, 240, kRed);
    const auto pixels = w.drawOver(list, 0, 0, 0);
    EXPECT_TRUE(isColour(pixelAt(pixels, w.width, 310, 230), 255, 0, 0));
    EXPECT_TRUE(isColour(pixelAt(pixels, w.width, 299, 230), 0, 0, 0));
}

TEST(BackendSize, ReleasedByZeroSizeAndDrawingAgainAfterwards) {
    BackendOnWindow w(320, 240);
    ASSERT_TRUE(w.backend) << w.error;
    ID3D11Device* device = w.window.device();
    w.backend->resize(320, 240);
    tw::DisplayList list;
    kztest::addFill(list, w.backend->atlas(), 20, 20, 60, 60, kRed);
    list.version = 5;
    w.drawOver(list, 0, 0, 0);
    const ULONG whileDrawing = kztest::refCount(device);
    // Released: every object the renderer made holds a reference on the device, so the count
    // drops when they are gone.
    w.backend->resize(0, 0);
    EXPECT_LT(kztest::refCount(device), whileDrawing);

    // A new size and the same list version: everything is made and uploaded again.
    w.backend->resize(320, 240);
    auto pixels = w.drawOver(list, 0, 0, 0);
    ASSERT_TRUE(w.rendered);
    EXPECT_EQ(w.backend->lastFrame().drawCalls, 1u);
    EXPECT_GT(w.backend->lastFrame().bytesUploaded, 0u);
    EXPECT_TRUE(isColour(pixelAt(pixels, w.width, 40, 40), 255, 0, 0));

    // Released, then drawn with no size given at all.
    w.backend->resize(0, 0);
    pixels = w.drawOver(list, 0, 0, 0);
    ASSERT_TRUE(w.rendered);
    EXPECT_TRUE(isColour(pixelAt(pixels, w.width, 40, 40), 255, 0, 0));
    EXPECT_EQ(kztest::refCount(device), whileDrawing);
}

TEST(BackendLifetime, DeviceAndContextEndWithTheReferenceCountsTheyStartedWith) {
    kztest::D3DTestWindow window(320, 240);
    ID3D11Device* device = window.device();
    ID3D11DeviceContext* context = window.context();
    // The game's own view on its back buffer exists before the renderer does.
    window.bindBackBuffer();
    const ULONG deviceBefore = kztest::refCount(device);
    const ULONG contextBefore = kztest::refCount(context);
    {
        std::string error;
        auto backend = tw::createGraphBackend(TW_DIRECT3D11, device, error);
        ASSERT_TRUE(backend) << error;
        EXPECT_GT(kztest::refCount(device), deviceBefore) << "the renderer holds the device";
        window.clearBackBuffer(0, 0, 0);
        tw::DisplayList list;
        kztest::addText(list, backend->atlas(), 2, 10, 10, "Hello", kRed);
        backend->resize(320, 240);
        ASSERT_TRUE(backend->render(list));
        backend->resize(0, 0);
        ASSERT_TRUE(backend->render(list));
    }
    EXPECT_EQ(kztest::refCount(device), deviceBefore);
    EXPECT_EQ(kztest::refCount(context), contextBefore);
}

TEST(BackendCreation, RefusesOtherGraphicsInterfacesAndAMissingDevice) {
    kztest::D3DTestWindow window(64, 64);
    const ULONG before = kztest::refCount(window.device());
    std::string error;
    EXPECT_FALSE(tw::createGraphBackend(TW_OPENGL, window.device(), error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(tw::createGraphBackend(TW_DIRECT3D9, window.device(), error));
    EXPECT_EQ(kztest::refCount(window.device()), before);
    error.clear();
    EXPECT_FALSE(tw::createGraphBackend(TW_DIRECT3D11, nullptr, error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
