// Scenes that grow: n bars of 40 controls each (10 bools, 10 integers, 10 floats in a group, 5
// colours, 5 buttons) at font size 3, lined up over 1920 x 1080 as "Auto align windows" leaves
// them, to see how a frame's cost grows with what is on screen.
#pragma once

#include <memory>
#include <vector>

#include "ReferenceScene.h"

namespace kzbench {

class ScalingScene {
  public:
    // Builds the bars; the engine must be initialised and given the scene's size.
    explicit ScalingScene(int bars);
    ScalingScene(const ScalingScene&) = delete;
    ScalingScene& operator=(const ScalingScene&) = delete;

    // The first bar reads its values on every frame, as a plug-in that shows live values.
    static void readFirstBarEveryFrame();
    // Every bar reads its values on every frame.
    void readAllBarsEveryFrame() const;
    // One integer of the first bar takes a new value.
    void changeOneValue();
    // Every integer and float of every bar takes a new value.
    void changeAllValues();
    // Where the mouse is on frame n of a sweep down and up over the rows of the first bar, one
    // row per frame.
    static kztest::Point mouseOnFrame(long frame);

  private:
    struct BarValues {
        bool flags[10] = {};
        int counts[10] = {};
        float scales[10] = {};
        unsigned int tints[5] = {};
    };
    std::vector<std::unique_ptr<BarValues>> values_;
    int barCount_ = 0;
};

}  // namespace kzbench
