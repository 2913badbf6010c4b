// The narrow interface between the portable engine and one graphics API. The engine owns the
// backend from TwInit to TwTerminate and calls it with its lock held.
#pragma once

#include <memory>
#include <string>

#include "AntTweakBar.h"
#include "draw/DisplayList.h"
#include "draw/FontAtlas.h"
#include "draw/FrameStats.h"

namespace tw {

// GLOBAL statepath: how a backend keeps the caller's pipeline state around its draw, where it
// has more than one way. Auto lets the backend choose; the others force one.
enum class StatePathSetting { Auto, Swap, Saved };

class GraphBackend {
  public:
    virtual ~GraphBackend() = default;

    // Metrics and bitmap of the text the backend can draw; valid while the backend lives.
    virtual const FontAtlas& atlas() const = 0;

    // The drawing area changed size; (0, 0) releases graphics resources until the next size.
    virtual void resize(int width, int height) = 0;

    // Draws the list into whatever render target the caller has bound. A list whose version
    // the backend has drawn before is not uploaded again.
    virtual bool render(const DisplayList& list) = 0;

    // Figures of the last render call.
    virtual FrameStats lastFrame() const = 0;

    // False for a way the backend does not have; one with a single way takes only Auto.
    virtual bool setStatePath(StatePathSetting setting) {
        return setting == StatePathSetting::Auto;
    }
    // The way in use and what the choice rests on, as GLOBAL statepath reads: "auto" first
    // while the backend is still choosing.
    virtual std::string statePath() const { return "auto"; }
};

// The font scales a backend supports.
inline constexpr double kMinFontScaling = 0.1, kMaxFontScaling = 8;

// Made by TwInit. Which definition is linked decides the backend: the Direct3D 11 renderer in
// the module, a headless one in native builds and engine tests. On failure returns null and
// sets error. Text is made fontScaling times as tall as at scale 1.
std::unique_ptr<GraphBackend> createGraphBackend(TwGraphAPI api, void* device, double fontScaling,
                                                 std::string& error);

}  // namespace tw
