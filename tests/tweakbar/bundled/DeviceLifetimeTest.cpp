// What the engine holds of the game's device: references while it runs, none after
// TwTerminate; TwWindowSize(0, 0) gives back the graphics resources and the next size brings
// them back.
#include <gtest/gtest.h>

#include "EngineOnWindow.h"
#include "TwFrameStats.h"

namespace {

using kztest::refCount;

TEST(DeviceLifetime, TheDeviceEndsWithTheReferenceCountItStartedWith) {
    kztest::D3DTestWindow window(320, 240);
    ID3D11Device* device = window.device();
    ID3D11DeviceContext* context = window.context();
    window.bindBackBuffer();  // the game's own view exists before the engine does
    const ULONG deviceBefore = refCount(device), contextBefore = refCount(context);
    // Other graphics interfaces and a missing device are refused, and hold nothing.
    EXPECT_EQ(TwInit(TW_OPENGL, device), 0);
    EXPECT_EQ(TwInit(TW_DIRECT3D9, device), 0);
    EXPECT_EQ(TwInit(TW_DIRECT3D11, nullptr), 0);
    EXPECT_NE(TwGetLastError(), nullptr);
    EXPECT_EQ(refCount(device), deviceBefore);
    for (int run = 0; run < 2; ++run) {
        ASSERT_EQ(TwInit(TW_DIRECT3D11, device), 1) << TwGetLastError();
        EXPECT_GT(refCount(device), deviceBefore) << "the engine holds the device while it runs";
        TwBar* bar = TwNewBar("Bar");
        int value = 5;
        TwAddVarRW(bar, "value", TW_TYPE_INT32, &value, nullptr);
        ASSERT_EQ(TwDefine(" Bar color='250 0 0' alpha=255 "), 1);
        window.clearBackBuffer(0, 0, 0);
        // The first run has no drawing area yet; the second starts with the last one.
        EXPECT_EQ(TwDraw(), run) << "run " << run;
        ASSERT_EQ(TwWindowSize(320, 240), 1);
        ASSERT_EQ(TwDraw(), 1);
        int width = 0;
        const auto pixels = window.readBackBuffer(&width);
        EXPECT_GT(kztest::pixelAt(pixels, width, 100, 200).r, 200);
        ASSERT_EQ(TwTerminate(), 1);
        EXPECT_EQ(refCount(device), deviceBefore) << "run " << run;
        EXPECT_EQ(refCount(context), contextBefore) << "run " << run;
    }
}

TEST(DeviceLifetime, ZeroSizeReleasesTheGraphicsAndTheNextSizeDrawsAgain) {
    kztest::EngineOnWindow engine(320, 240);
    ASSERT_TRUE(engine.started()) << TwGetLastError();
    ID3D11Device* device = engine.window().device();
    TwNewBar("Bar");
    ASSERT_EQ(TwDefine(" Bar position='20 20' size='150 150' color='250 0 0' alpha=255 "), 1);
    ASSERT_TRUE(engine.frame(0, 0, 0));
    const kztest::Rgba drawn = engine.pixel(100, 120);
    EXPECT_GT(drawn.r, 200);
    const ULONG whileDrawing = refCount(device);

    // Every object the renderer made holds a reference on the device.
    ASSERT_EQ(TwWindowSize(0, 0), 1);
    const ULONG released = refCount(device);
    EXPECT_LT(released, whileDrawing);
    ASSERT_TRUE(engine.frame(0, 0, 0));
    EXPECT_EQ(engine.pixel(100, 120).r, 0) << "nothing is drawn without a size";
    EXPECT_EQ(refCount(device), released) << "nor made again";

    ASSERT_EQ(TwWindowSize(320, 240), 1);
    ASSERT_TRUE(engine.frame(0, 0, 0));
    const TwFrameStats stats = kztest::statsOfLastDraw();
    EXPECT_EQ(stats.drawCalls, 1u);
    EXPECT_GT(stats.bytesUploaded, 0u) << "the list is uploaded into the new buffers";
    EXPECT_EQ(engine.pixel(100, 120).r, drawn.r);
    EXPECT_EQ(refCount(device), whileDrawing);
}

}  // namespace
