#include "ScalingScene.h"

#include <string>

#include "AntTweakBar.h"
#include "BarArrangement.h"

namespace kzbench {

namespace {

void TW_CALL doNothing(void*) {}

std::string barName(int b) {
    return "bar" + std::to_string(b);
}

// The first bar starts at the arrangement's margin; its rows from 30 px below its top (a 22 px
// title and an 8 px strip), 17 px each at font size 3. Near its left edge, no other bar covers
// it, however many there are.
constexpr int kSweepX = kz::kArrangeMargin + 30;
constexpr int kFirstRowCentre = kz::kArrangeMargin + 30 + 8;
constexpr int kRowHeight = 17;
constexpr int kSweptRows = 20;

}  // namespace

ScalingScene::ScalingScene(int bars) : barCount_(bars) {
    TwDefine(" GLOBAL fontsize=3 ");
    for (int b = 0; b < bars; ++b) {
        const std::string bar = barName(b);
        TwBar* handle = TwNewBar(bar.c_str());
        const std::string define = " " + bar + " refresh=0.2 ";
        TwDefine(define.c_str());
        values_.push_back(std::make_unique<BarValues>());
        BarValues& v = *values_.back();
        auto name = [](const char* kind, int i) { return kind + std::to_string(i); };
        for (int i = 0; i < 10; ++i) {
            v.flags[i] = (i % 2) == 0;
            TwAddVarRW(handle, name("Enabled ", i).c_str(), TW_TYPE_BOOLCPP, &v.flags[i], "");
        }
        for (int i = 0; i < 10; ++i) {
            v.counts[i] = 100 * i;
            TwAddVarRW(handle, name("Count ", i).c_str(), TW_TYPE_INT32, &v.counts[i], "");
        }
        for (int i = 0; i < 10; ++i) {
            v.scales[i] = 0.25f * float(i + 1);
            TwAddVarRW(handle, name("Scale ", i).c_str(), TW_TYPE_FLOAT, &v.scales[i],
                       "group=Tuning");
        }
        for (int i = 0; i < 5; ++i) {
            v.tints[i] = 0xFF204080u + 0x00203010u * unsigned(i);
            TwAddVarRW(handle, name("Tint ", i).c_str(), TW_TYPE_COLOR32, &v.tints[i], "");
        }
        for (int i = 0; i < 5; ++i)
            TwAddButton(handle, name("Action ", i).c_str(), doNothing, nullptr, "");
    }
    kz::arrangeBars(0, 0, kztest::kSceneWidth, kztest::kSceneHeight);
}

void ScalingScene::readFirstBarEveryFrame() {
    TwDefine(" bar0 refresh=0 ");
}

void ScalingScene::readAllBarsEveryFrame() const {
    for (int b = 0; b < barCount_; ++b) {
        const std::string define = " " + barName(b) + " refresh=0 ";
        TwDefine(define.c_str());
    }
}

void ScalingScene::changeOneValue() {
    ++values_.front()->counts[3];
}

void ScalingScene::changeAllValues() {
    for (auto& v : values_) {
        for (int& count : v->counts)
            ++count;
        for (float& scale : v->scales)
            scale += 0.01f;
    }
}

kztest::Point ScalingScene::mouseOnFrame(long frame) {
    return kztest::sweepOverRows(frame, kSweepX, kFirstRowCentre, kRowHeight, kSweptRows);
}

}  // namespace kzbench
