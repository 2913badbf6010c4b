// The scene on which the engine's cost per frame is measured, natively and under Wine: the
// overlay's settings bar and three plug-in bars of 20 mixed controls (bools, integers, floats,
// colours, buttons, the floats in a group) at font size 3, lined up in one row over a
// 1920 x 1080 area as "Auto align windows" leaves them. Built through the module's registration
// functions, the way the overlay and its plug-ins build their bars.
#pragma once

namespace kztest {

constexpr int kSceneWidth = 1920, kSceneHeight = 1080;

struct Point {
    int x, y;
};

// Where the mouse is on frame n of a sweep down and up over `rows` rows, from the centre of the
// first one, one row per frame, so that the row under it changes every frame.
inline Point sweepOverRows(long frame, int x, int firstRowCentre, int rowHeight, int rows) {
    const long period = 2 * (rows - 1);
    const long step = frame % period;
    const long row = step < rows ? step : period - step;
    return {x, firstRowCentre + rowHeight * int(row)};
}

class ReferenceScene {
  public:
    // Builds the bars; the engine must be initialised and given the scene's size.
    ReferenceScene();
    ReferenceScene(const ReferenceScene&) = delete;
    ReferenceScene& operator=(const ReferenceScene&) = delete;

    // Makes every bar read all its values on every frame instead of five times a second.
    static void readValuesEveryFrame();
    // Gives every integer and float of the plug-in bars a new value, whose text differs from
    // the one shown.
    void changeValues();
    // Where the mouse is on frame n of a sweep down and up over the rows of the first plug-in
    // bar, one row (17 px at font size 3) per frame, so the row under it changes every frame.
    static Point mouseOnFrame(long frame);

  private:
    static constexpr int kPluginBars = 3;
    // Bound by address, so the scene stays where it was built.
    struct PluginValues {
        bool flags[5] = {};
        int counts[5] = {};
        float scales[4] = {};
        unsigned int tints[3] = {};
    };
    PluginValues values_[kPluginBars];
};

}  // namespace kztest
