// The display list in segments: a frame on which one bar changes repaints and uploads that bar
// alone, the hover highlight, a pressed button and the caret follow the input without a
// repaint, and whatever path a frame takes, what the GPU holds after its uploads draws exactly
// what a list built whole from the same state draws.
#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "EngineFixture.h"
#include "ListInspection.h"
#include "model/Bar.h"
#include "model/Engine.h"
#include "TwFrameStats.h"
#include "compose/Feedback.h"
#include "widgets/RowButtons.h"

namespace {

struct Point {
    int x, y;
};

class Segments : public EngineTest {
  protected:
    static constexpr int kBars = 3;

    void SetUp() override {
        EngineTest::SetUp();
        useFakeClock(100);
        ASSERT_EQ(TwWindowSize(1280, 720), 1);
        for (int b = 0; b < kBars; ++b) {
            const std::string name = "bar" + std::to_string(b);
            bars[b] = TwNewBar(name.c_str());
            const std::string define = name + " position='" + std::to_string(20 + 300 * b) +
                                       " 20' size='280 400' valueswidth=160 refresh=0";
            ASSERT_EQ(TwDefine(define.c_str()), 1) << lastError();
            for (int i = 0; i < 4; ++i)
                TwAddVarRW(bars[b], ("n" + std::to_string(i)).c_str(), TW_TYPE_INT32,
                           &numbers[b][i], nullptr);
            TwAddVarRW(bars[b], "text", TW_TYPE_CSSTRING(sizeof texts[b]), texts[b], nullptr);
            TwAddButton(
                bars[b], "go", [](void*) {}, nullptr, nullptr);
        }
        frame();
    }

    TwFrameStats frame() {
        const TwFrameStats stats = drawnFrame();
        gpu.follow(list());
        return stats;
    }
    static tw::Context& context() { return *tw::engine().context; }
    static const tw::DisplayList& list() { return context().displayList; }
    const tw::BarLayout& layout(int b) const { return static_cast<tw::Bar*>(bars[b])->layout; }
    // The middle of the label of the n-th row of a bar, and of its value field.
    Point row(int b, int n) const {
        const tw::Rect& r = layout(b).rows[std::size_t(n)].rect;
        return {r.x + 10, r.y + r.h / 2};
    }
    Point value(int b, int n) const {
        const tw::Rect& r = layout(b).rows[std::size_t(n)].rect;
        return {layout(b).valueX + 10, r.y + r.h / 2};
    }
    const tw::Segment& segmentOf(int b) {
        const tw::Segment* segment = context().segments.find(static_cast<tw::Bar*>(bars[b]));
        EXPECT_NE(segment, nullptr);
        return *segment;
    }

    // What the GPU draws now against what a list built whole from the same state draws; the
    // whole build becomes the starting point of what follows.
    void expectSameAsWholeBuild(const std::string& step) {
        const std::vector<Triangle> patched = drawnTriangles(gpu.asList());
        context().repaint();
        const TwFrameStats whole = frame();
        EXPECT_EQ(whole.segmentsPainted, context().segments.segments.size()) << step;
        EXPECT_TRUE(sameTriangles(patched, drawnTriangles(list()))) << step;
    }

    // Changes of every kind a frame can bring, each followed by a frame.
    std::vector<std::pair<std::string, std::function<void()>>> steps() {
        auto move = [](Point p) { TwMouseMotion(p.x, p.y); };
        return {
            {"hover a row", [=] { move(row(0, 1)); }},
            {"hover the next row", [=] { move(row(0, 2)); }},
            {"hover another bar", [=] { move(row(1, 0)); }},
            {"a value of the hovered bar grows", [=] { numbers[1][0] = 123456; }},
            {"a value of another bar", [=] { numbers[0][3] = -7; }},
            {"press a button", [=] { press(row(1, 5).x, row(1, 5).y); }},
            {"release it", [=] { release(row(1, 5).x, row(1, 5).y); }},
            {"open a field", [=] { click(value(2, 1).x, value(2, 1).y); }},
            {"move its caret", [] { TwKeyPressed(TW_KEY_HOME, 0); }},
            {"type into it", [] { type("9"); }},
            {"leave it", [] { TwKeyPressed(TW_KEY_ESCAPE, 0); }},
            {"a text outgrows its bar's room",
             [=] { std::strcpy(texts[0], "a text much longer than any before"); }},
            {"hover the title button",
             [=] {
                 const tw::Rect& b = layout(2).iconifyButton;
                 move({b.x + b.w / 2, b.y + b.h / 2});
             }},
            {"leave every bar",
             [=] {
                 move({1270, 710});
             }},
        };
    }

    TwBar* bars[kBars] = {};
    int numbers[kBars][4] = {};
    char texts[kBars][64] = {"a", "b", "c"};
    GpuCopy gpu;
};

// Each change is patched into what the GPU holds in one draw call, and then draws what a list
// built whole from the same state draws; that whole build is where the next change starts.
TEST_F(Segments, EveryKindOfChangePatchedInDrawsWhatAWholeBuildDraws) {
    GpuCopy lateGpu;
    int step = 0;
    for (const auto& [name, change] : steps()) {
        change();
        const TwFrameStats stats = frame();
        EXPECT_EQ(stats.drawCalls, 1u) << name;
        EXPECT_TRUE(gpu.holdsExactly(list())) << name;
        // A backend that missed the frames since its last upload catches up too.
        if (++step % 3 == 0) {
            lateGpu.follow(list());
            EXPECT_TRUE(lateGpu.holdsExactly(list())) << name;
        }
        expectSameAsWholeBuild(name);
    }
}

TEST_F(Segments, TheMouseMovingOverRowsPaintsNothingAndUploadsTheHighlightAndRowButtonsAtMost) {
    const Point first = row(2, 0);
    TwMouseMotion(first.x, first.y);
    frame();
    for (int n = 1; n < 6; ++n) {
        const Point p = row(2, n);
        TwMouseMotion(p.x, p.y);
        const TwFrameStats stats = frame();
        EXPECT_EQ(stats.segmentsPainted, 0u) << n;
        EXPECT_EQ(stats.drawCalls, 1u);
        EXPECT_GT(stats.bytesUploaded, 0u) << "the highlight moved";
        // The hover quads and the number row's [-][+][o] follow the pointer.
        EXPECT_LE(stats.bytesUploaded,
                  (tw::kHoverQuads + tw::kRowButtonQuads) * 4 * sizeof(tw::Vertex))
            << n;
    }
    // The highlight is a band over the hovered row's text, from its label to the end of the value
    // boxes, and a line under it; in this bar's segment, under the row's text.
    const tw::Segment& segment = segmentOf(2);
    const tw::Vertex* slot = &list().vertices[segment.hoverSlot];
    const tw::BarLayout& l = layout(2);
    const tw::Rect& r = l.rows[5].rect;
    EXPECT_EQ(slot[0].x, float(l.labelX));
    EXPECT_EQ(slot[0].y, float(r.y + 1));
    EXPECT_EQ(slot[2].x, float(r.right()));
    EXPECT_EQ(slot[2].y, float(r.y + l.lineHeight));
    EXPECT_EQ(slot[4].y, float(r.y + l.lineHeight));
    EXPECT_EQ(slot[6].y, float(r.y + l.lineHeight + 1));
    EXPECT_GT(segment.hoverSlot, segment.firstVertex);
    EXPECT_LT(segment.hoverSlot, segment.caretSlot);
    const tw::PackedColor hover = slot[0].color;

    // Pressed (the bar is in front already, so nothing is raised), the same quad turns stronger;
    // the mouse gone, it shows nothing, and the bar repaints to hide its title buttons.
    press(r.x + 10, r.y + r.h / 2);
    EXPECT_EQ(frame().segmentsPainted, 0u);
    EXPECT_GT(list().vertices[segment.hoverSlot].color >> 24, hover >> 24);
    release(r.x + 10, r.y + r.h / 2);
    TwMouseMotion(1270, 710);
    EXPECT_EQ(frame().segmentsPainted, 1u);
    for (int k = 1; k < 4; ++k)
        EXPECT_TRUE(
            sameVertex(list().vertices[segment.hoverSlot], list().vertices[segment.hoverSlot + k]));
    // Steady again: nothing to send.
    EXPECT_EQ(frame().bytesUploaded, 0u);
}

// Rows that move under a still pointer bring a button under it while another row keeps the
// highlight: pressing that button gives the highlighted row no pressed look.
TEST_F(Segments, OnlyTheRowOfTheButtonHeldDownLooksPressed) {
    TwMouseMotion(row(2, 4).x, row(2, 4).y);
    frame();
    const tw::PackedColor hover = list().vertices[segmentOf(2).hoverSlot].color;
    ASSERT_EQ(TwDefine(" bar2/n0 visible=false "), 1);
    frame();
    TwMouseButton(TW_MOUSE_PRESSED, TW_MOUSE_LEFT);
    frame();
    ASSERT_EQ(context().input.drag.kind, tw::DragKind::Widget) << "the button is held";
    ASSERT_NE(context().input.hover.control, context().input.drag.control);
    EXPECT_EQ(list().vertices[segmentOf(2).hoverSlot].color, hover);
}

TEST_F(Segments, AChangedValueRepaintsItsBarAloneAndUploadsWithinItsRange) {
    numbers[2][1] = 4242;
    const TwFrameStats stats = frame();
    EXPECT_EQ(stats.segmentsPainted, 1u);
    EXPECT_EQ(stats.drawCalls, 1u);
    const tw::Segment& segment = segmentOf(2);
    const std::size_t range =
        segment.vertexCapacity * sizeof(tw::Vertex) + segment.indexCapacity * sizeof(std::uint32_t);
    EXPECT_GT(stats.bytesUploaded, 0u);
    EXPECT_LE(stats.bytesUploaded, range);
    for (const tw::ListRange& r : list().vertexPatches) {
        EXPECT_GE(r.first, segment.firstVertex);
        EXPECT_LE(r.first + r.count, segment.firstVertex + segment.vertexCapacity);
    }
    for (const tw::ListRange& r : list().indexPatches) {
        EXPECT_GE(r.first, segment.firstIndex);
        EXPECT_LE(r.first + r.count, segment.firstIndex + segment.indexCapacity);
    }
    // The layout was kept: no other bar painted, every frame where it was.
    EXPECT_FALSE(context().layoutDirty);

    // Fitting the column lays out and paints everything once; the column then keeps its
    // width, so a later value repaints its bar alone.
    ASSERT_EQ(TwDefine(" bar2 valueswidth=fit "), 1);
    EXPECT_EQ(intParam(bars[2], nullptr, "valueswidth"), -5555) << "until a draw has fitted it";
    EXPECT_EQ(frame().segmentsPainted, context().segments.segments.size());
    numbers[2][1] = 4242424;
    EXPECT_EQ(frame().segmentsPainted, 1u);
}

TEST_F(Segments, TheCaretAndSelectionMoveWithoutARepaintAndTypingRepaintsOneBar) {
    click(value(0, 0).x, value(0, 0).y);
    frame();
    const tw::Segment& segment = segmentOf(0);
    const float end = list().vertices[segment.caretSlot].x;
    // The field opens with its text selected; Home drops the selection and moves the caret:
    // two quads of feedback change, nothing is painted again.
    auto width = [&](std::uint32_t slot) {
        float low = list().vertices[slot].x, high = low;
        for (std::uint32_t i = 1; i < 4; ++i) {
            low = std::min(low, list().vertices[slot + i].x);
            high = std::max(high, list().vertices[slot + i].x);
        }
        return high - low;
    };
    EXPECT_GT(width(segment.selectionSlot), 0.f);
    TwKeyPressed(TW_KEY_HOME, 0);
    const TwFrameStats moved = frame();
    EXPECT_EQ(moved.segmentsPainted, 0u);
    EXPECT_EQ(moved.bytesUploaded, 8 * sizeof(tw::Vertex));
    EXPECT_EQ(width(segment.selectionSlot), 0.f);
    EXPECT_LT(list().vertices[segment.caretSlot].x, end);
    TwKeyPressed(TW_KEY_END, TW_KMOD_SHIFT);
    EXPECT_EQ(frame().segmentsPainted, 0u) << "selecting is feedback too";
    EXPECT_GT(width(segment.selectionSlot), 0.f);
    type("5");
    EXPECT_EQ(frame().segmentsPainted, 1u);
}

TEST_F(Segments, BarsKeepTheirStackingOrderAndRaisingOneRebuildsTheList) {
    ASSERT_EQ(TwDefine(" bar1 position='40 40' "), 1);  // over bar0
    frame();
    auto order = [&] {
        std::vector<const CTwBar*> drawn;
        for (const tw::Segment& s : context().segments.segments)
            if (s.kind == tw::SegmentKind::WholeBar) drawn.push_back(s.bar);
        return drawn;
    };
    auto firstVertexOf = [&](int b) { return segmentOf(b).firstVertex; };
    EXPECT_LT(firstVertexOf(0), firstVertexOf(1));
    const std::size_t count = order().size();
    click(row(0, 0).x - 5, layout(0).title.y + 2);  // bar0's title, where bar1 does not cover it
    const TwFrameStats raised = frame();
    EXPECT_EQ(raised.segmentsPainted, context().segments.segments.size());
    EXPECT_EQ(order().size(), count);
    EXPECT_GT(firstVertexOf(0), firstVertexOf(1));
    EXPECT_EQ(order().back(), static_cast<tw::Bar*>(bars[0]));
}

}  // namespace
