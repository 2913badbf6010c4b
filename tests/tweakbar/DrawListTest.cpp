// The display list: one draw call for everything, clipped to the bars, rebuilt only when what
// is shown changed, and a steady frame that neither rebuilds, uploads nor allocates.
#include "AllocationCounter.h"
#include "EngineFixture.h"
#include "ListInspection.h"
#include "model/Bar.h"
#include "model/Engine.h"
#include "ReferenceScene.h"
#include "TwFrameStats.h"

namespace {

class DrawList : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        useFakeClock(100);
        ASSERT_EQ(TwWindowSize(1280, 720), 1);
    }
    static const tw::DisplayList& list() { return tw::engine().context->displayList; }
};

TEST_F(DrawList, TheReferenceSceneDrawsInOneCallAndASteadyFrameCostsNothing) {
    ASSERT_EQ(TwWindowSize(kztest::kSceneWidth, kztest::kSceneHeight), 1);
    kztest::ReferenceScene scene;
    // Values read every frame: the reading itself must not allocate either.
    kztest::ReferenceScene::readValuesEveryFrame();
    const long atStart = kztest::allocationCount();
    const TwFrameStats first = drawnFrame();
    EXPECT_GT(kztest::allocationCount() - atStart, 0);  // the count works: the first list grows
    EXPECT_EQ(first.drawCalls, 1u);
    EXPECT_EQ(first.rebuilt, 1u);
    EXPECT_GT(first.bytesUploaded, 0u);
    EXPECT_GT(first.vertices, 1000u);

    drawnFrame();
    now += 1;
    const long before = kztest::allocationCount();
    const TwFrameStats steady = drawnFrame();
    EXPECT_EQ(kztest::allocationCount() - before, 0);
    EXPECT_EQ(steady.drawCalls, 1u);
    EXPECT_EQ(steady.rebuilt, 0u);
    EXPECT_EQ(steady.bytesUploaded, 0u);
    EXPECT_EQ(steady.vertices, first.vertices);
}

TEST_F(DrawList, AValueThatChangesTooLittleToShowPaintsNothing) {
    TwBar* bar = TwNewBar("bar");
    float value = 0;
    ASSERT_EQ(TwAddVarRW(bar, "f", TW_TYPE_FLOAT, &value, " precision=2 "), 1);
    drawnFrame();
    value = 0.001f;
    now += 2;  // the bar's refresh period
    EXPECT_EQ(drawnFrame().segmentsPainted, 0u);
    value = 0.5f;
    now += 2;
    EXPECT_EQ(drawnFrame().segmentsPainted, 1u);
}

TEST_F(DrawList, EveryQuadStaysInsideItsBar) {
    TwBar* bar = TwNewBar("narrow");
    char text[128] = "a value far too long for the narrow column of this bar";
    ASSERT_EQ(TwAddVarRW(bar, "a label far too long for the narrow bar", TW_TYPE_CSSTRING(128),
                         text, nullptr),
              1);
    ASSERT_EQ(TwDefine(" narrow label='A title that does not fit either' size='120 80' "
                       "position='300 200' "),
              1);
    // Hide the help icon so that only this bar draws.
    ASSERT_EQ(TwDefine(" TW_HELP visible=false "), 1);
    drawnFrame();
    const tw::Rect& f = bar->layout.frame;
    EXPECT_EQ(list().indices.size() % 3, 0u);
    for (auto index : list().indices)
        ASSERT_LT(index, list().vertices.size());
    const auto drawn = drawnTriangles(list());
    ASSERT_FALSE(drawn.empty());
    for (const auto& triangle : drawn) {
        for (const auto& v : triangle) {
            // A light line lies just outside the top and left edges; the 3 px shadow falls
            // outside on the right and the bottom.
            EXPECT_GE(v.x, float(f.x - 1));
            EXPECT_GE(v.y, float(f.y - 1));
            EXPECT_LE(v.x, float(f.right() + 3));
            EXPECT_LE(v.y, float(f.bottom() + 3));
        }
    }
}

TEST_F(DrawList, HiddenBarsAddNothingAndAnEmptyAreaDrawsNothing) {
    TwFrameStats stats{};
    EXPECT_EQ(TwGetFrameStats(&stats), 0) << "no figures before the first TwDraw";
    TwBar* bar = TwNewBar("bar");
    int v = 0;
    TwAddVarRW(bar, "v", TW_TYPE_INT32, &v, nullptr);
    const unsigned shown = drawnFrame().vertices;
    EXPECT_EQ(TwGetFrameStats(nullptr), 0);
    ASSERT_EQ(TwDefine(" bar visible=false "), 1);
    const unsigned iconOnly = drawnFrame().vertices;
    EXPECT_LT(iconOnly, shown);
    EXPECT_GT(iconOnly, 0u);
    ASSERT_EQ(TwDefine(" TW_HELP visible=false "), 1);
    const TwFrameStats none = drawnFrame();
    EXPECT_EQ(none.vertices, 0u);
    EXPECT_EQ(none.drawCalls, 0u);

    // While the graphics are released TwDraw succeeds without drawing.
    ASSERT_EQ(TwDefine(" bar visible=true\r\nTW_HELP visible=true "), 1);
    ASSERT_EQ(TwWindowSize(0, 0), 1);
    EXPECT_EQ(drawnFrame().vertices, 0u);
    ASSERT_EQ(TwWindowSize(640, 480), 1);
    EXPECT_EQ(drawnFrame().vertices, shown);
}

// A bar lower in the stack keeps its body where a bar above covers it, but not the rows there.
TEST_F(DrawList, RowsUnderAHigherBarAreLeftOutUnlessBarsMayOverlap) {
    TwBar* low = TwNewBar("low");
    TwBar* high = TwNewBar("high");
    int values[4] = {};
    for (int i = 0; i < 4; ++i)
        TwAddVarRW(low, ("v" + std::to_string(i)).c_str(), TW_TYPE_INT32, &values[i], nullptr);
    ASSERT_EQ(TwDefine(" low position='100 100' size='300 200' color='10 20 30' alpha=200\r\n"
                       " high position='250 150' size='300 300'\r\nTW_HELP visible=false "),
              1);
    drawnFrame();
    const tw::Rect lowFrame = low->layout.frame;
    const tw::Rect highFrame = high->layout.frame;
    const tw::Rect firstRow = low->layout.rows[0].rect, lastRow = low->layout.rows[3].rect;
    ASSERT_LT(firstRow.bottom(), highFrame.y) << "the first row is clear of the higher bar";
    ASSERT_GT(lastRow.y, highFrame.y);
    // Text is drawn from the glyph box of the headless atlas; the body with the white texel.
    const auto glyphsIn = [&](const tw::Rect& area) {
        int count = 0;
        for (const auto& v : list().vertices) {
            const bool glyph = v.u >= 8.0f / 32 && v.u <= 16.0f / 32;
            if (glyph && area.contains(int(v.x), int(v.y)) && v.x < float(highFrame.x)) ++count;
        }
        return count;
    };
    const auto bodyDrawn = [&] {
        for (const auto& v : list().vertices) {
            // The body shades toward the bar's own colour at its bottom right corner.
            if (v.color == tw::packColor(10, 20, 30, 200) && v.x == float(lowFrame.right()))
                return true;
        }
        return false;
    };
    EXPECT_GT(glyphsIn(firstRow), 0);
    EXPECT_EQ(glyphsIn(lastRow), 0) << "the part left of the higher bar is not drawn either";
    EXPECT_TRUE(bodyDrawn());

    ASSERT_EQ(TwDefine(" GLOBAL overlap=true "), 1);
    drawnFrame();
    EXPECT_GT(glyphsIn(lastRow), 0);
    EXPECT_TRUE(bodyDrawn());
    // An iconified bar covers nothing.
    ASSERT_EQ(TwDefine(" GLOBAL overlap=false\r\nhigh iconified=true "), 1);
    drawnFrame();
    EXPECT_GT(glyphsIn(lastRow), 0);
}

// A segment that loses its last quads keeps their vertices and turns their indices into triangles
// of no area: the backend must be sent that frame although no vertex changed.
TEST(DisplayListUploads, AFrameThatChangesIndicesAloneReachesTheBackend) {
    tw::DisplayList list;
    list.beginChanges();
    for (float x : {0.f, 10.f, 0.f, 10.f})
        list.vertices.push_back({x, x > 0 ? 0.f : 10.f, 0, 0, 0xffffffffu});
    list.indices = {0, 1, 2, 1, 3, 2};
    list.changedWhole();
    list.endChanges();
    GpuCopy gpu;
    gpu.follow(list);
    list.beginChanges();
    list.indices[3] = list.indices[4] = list.indices[5] = 0;
    list.changedIndices(3, 3);
    list.endChanges();
    gpu.follow(list);
    EXPECT_TRUE(gpu.holdsExactly(list));
}

}  // namespace
