// The display list: one draw call for everything, clipped to the bars, rebuilt only when what
// is shown changed, and a steady frame that neither rebuilds, uploads nor allocates.
#include <atomic>
#include <cstdlib>
#include <new>

#include "Bar.h"
#include "Engine.h"
#include "EngineFixture.h"
#include "TwFrameStats.h"

namespace {

std::atomic<long> gAllocations{0};

}  // namespace

// Counts every allocation of the process; the tests look at the count across one TwDraw.
void* operator new(std::size_t size) {
    ++gAllocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

class DrawList : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        useFakeClock(100);
        ASSERT_EQ(TwWindowSize(1280, 720), 1);
    }
    static TwFrameStats frame() {
        EXPECT_EQ(TwDraw(), 1);
        TwFrameStats stats{};
        EXPECT_EQ(TwGetFrameStats(&stats), 1);
        return stats;
    }
    static const tw::DisplayList& list() { return tw::engine().context->displayList; }
};

struct Scene {
    unsigned char opacity = 64;
    int ints[20] = {};
    float floats[20] = {};
    bool flags[20] = {};
    unsigned int colors[20] = {};
};

void TW_CALL getOpacity(void* value, void* scene) {
    *static_cast<unsigned char*>(value) = static_cast<Scene*>(scene)->opacity;
}
void TW_CALL setOpacity(const void* value, void* scene) {
    static_cast<Scene*>(scene)->opacity = *static_cast<const unsigned char*>(value);
}
void TW_CALL noop(void*) {}

// The settings bar and three bars of 20 mixed controls at font size 3.
void buildReferenceScene(Scene& scene) {
    TwBar* settings = TwNewBar("settings");
    TwDefine(" settings label='GUI Settings' GLOBAL fontsize=3 GLOBAL contained=true ");
    TwAddVarCB(settings, "settings.opacity", TW_TYPE_UINT8, setOpacity, getOpacity, &scene,
               " label='Opacity' ");
    TwAddButton(settings, "settings.autosize", noop, nullptr, " label='Auto align windows' ");
    TwAddSeparator(settings, "", "");
    TwAddButton(settings, "settings.load", noop, nullptr, " label='Load Settings' ");
    TwAddButton(settings, "settings.save", noop, nullptr, " label='Save Settings' ");
    for (int b = 0; b < 3; ++b) {
        TwBar* bar = TwNewBar(("bar" + std::to_string(b)).c_str());
        for (int i = 0; i < 5; ++i) {
            const std::string n = std::to_string(i);
            const std::string group = " group=G" + std::to_string(i % 2) + " ";
            TwAddVarRW(bar, ("i" + n).c_str(), TW_TYPE_INT32, &scene.ints[b * 5 + i],
                       group.c_str());
            TwAddVarRW(bar, ("f" + n).c_str(), TW_TYPE_FLOAT, &scene.floats[b * 5 + i], nullptr);
            TwAddVarRW(bar, ("b" + n).c_str(), TW_TYPE_BOOLCPP, &scene.flags[b * 5 + i], nullptr);
            TwAddVarRW(bar, ("c" + n).c_str(), TW_TYPE_COLOR32, &scene.colors[b * 5 + i], nullptr);
        }
    }
}

TEST_F(DrawList, TheReferenceSceneDrawsInOneCallAndOnlyAShownChangeRebuilds) {
    Scene scene;
    buildReferenceScene(scene);
    // Values read every frame: the reading itself must not allocate either.
    ASSERT_EQ(TwDefine(" bar0 refresh=0 bar1 refresh=0 bar2 refresh=0 settings refresh=0 "), 1);
    const long atStart = gAllocations.load();
    const TwFrameStats first = frame();
    EXPECT_GT(gAllocations.load() - atStart, 0);  // the count works: the first list grows
    EXPECT_EQ(first.drawCalls, 1u);
    EXPECT_EQ(first.rebuilt, 1u);
    EXPECT_GT(first.bytesUploaded, 0u);
    EXPECT_GT(first.vertices, 1000u);

    frame();
    now += 1;
    const long before = gAllocations.load();
    const TwFrameStats steady = frame();
    EXPECT_EQ(gAllocations.load() - before, 0);
    EXPECT_EQ(steady.drawCalls, 1u);
    EXPECT_EQ(steady.rebuilt, 0u);
    EXPECT_EQ(steady.bytesUploaded, 0u);
    EXPECT_EQ(steady.vertices, first.vertices);

    // A value whose text changes rebuilds the list once; one too small to show does not.
    const std::uint64_t version = list().version;
    scene.ints[7] = 12345;
    EXPECT_EQ(frame().rebuilt, 1u);
    EXPECT_EQ(list().version, version + 1);
    EXPECT_EQ(frame().rebuilt, 0u);
    scene.floats[3] = 0.001f;
    EXPECT_EQ(frame().rebuilt, 0u);
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
    frame();
    const tw::Rect& f = bar->layout.frame;
    ASSERT_FALSE(list().vertices.empty());
    for (const auto& v : list().vertices) {
        // The 3 px shadow falls outside on the right and the bottom.
        EXPECT_GE(v.x, float(f.x));
        EXPECT_GE(v.y, float(f.y));
        EXPECT_LE(v.x, float(f.right() + 3));
        EXPECT_LE(v.y, float(f.bottom() + 3));
    }
    EXPECT_EQ(list().indices.size() % 3, 0u);
    for (auto index : list().indices)
        EXPECT_LT(index, list().vertices.size());
}

TEST_F(DrawList, HiddenBarsAddNothingAndAnEmptyAreaDrawsNothing) {
    TwFrameStats stats{};
    EXPECT_EQ(TwGetFrameStats(&stats), 0) << "no figures before the first TwDraw";
    TwBar* bar = TwNewBar("bar");
    int v = 0;
    TwAddVarRW(bar, "v", TW_TYPE_INT32, &v, nullptr);
    const unsigned shown = frame().vertices;
    EXPECT_EQ(TwGetFrameStats(nullptr), 0);
    ASSERT_EQ(TwDefine(" bar visible=false "), 1);
    const unsigned iconOnly = frame().vertices;
    EXPECT_LT(iconOnly, shown);
    EXPECT_GT(iconOnly, 0u);
    ASSERT_EQ(TwDefine(" TW_HELP visible=false "), 1);
    const TwFrameStats none = frame();
    EXPECT_EQ(none.vertices, 0u);
    EXPECT_EQ(none.drawCalls, 0u);

    // While the graphics are released TwDraw succeeds without drawing.
    ASSERT_EQ(TwDefine(" bar visible=true TW_HELP visible=true "), 1);
    ASSERT_EQ(TwWindowSize(0, 0), 1);
    EXPECT_EQ(frame().vertices, 0u);
    ASSERT_EQ(TwWindowSize(640, 480), 1);
    EXPECT_EQ(frame().vertices, shown);
}

}  // namespace
