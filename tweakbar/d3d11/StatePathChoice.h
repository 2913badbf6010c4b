// Which of the renderer's two ways of keeping the game's pipeline state draws a frame: the one
// GLOBAL statepath forces, the only one the device offers, or the cheaper one by timing. A
// frame's time is noisy (the game, other programs and the runtime's own thread share the cores),
// so the two take turns on the first frames drawn, each is timed over kTimedFrames after a
// warm-up, and the lower median decides once. No clock and no graphics API here: the renderer
// times the frames and reports them.
#pragma once

#include <array>
#include <string>

#include "draw/GraphBackend.h"

namespace tw {

enum class StatePath { Swap, Saved };

class StatePathChoice {
  public:
    // Frames each way draws before its times count (its first frame binds what it keeps), and
    // the frames of each that are timed.
    static constexpr int kWarmUpFrames = 2;
    static constexpr int kTimedFrames = 24;

    // Whether the device offers the swap; without it saving is the only way.
    void offerSwap(bool offered) { swapOffered_ = offered; }
    // A new setting; Auto starts the timing again. False when it forces a way the device lacks.
    bool set(StatePathSetting setting);

    // The way that draws the next frame.
    StatePath next() const;
    // Whether the choice is still being made; then each frame drawn is reported to recordFrame.
    bool deciding() const {
        return setting_ == StatePathSetting::Auto && swapOffered_ && !decided_;
    }
    // The time the frame drawn by next() took; the last timed frame decides.
    void recordFrame(double microseconds);

    // What GLOBAL statepath reads: the way in use, then in brackets why.
    std::string describe() const;

  private:
    StatePathSetting setting_ = StatePathSetting::Auto;
    bool swapOffered_ = false;
    bool decided_ = false;
    StatePath chosen_ = StatePath::Saved;
    int framesDrawn_ = 0;  // while deciding, by both ways together
    std::array<std::array<double, kTimedFrames>, 2> times_{};
    double medians_[2] = {};
};

}  // namespace tw
