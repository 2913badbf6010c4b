// Counts the Direct3D calls of a frame drawn into a test window: calls through the method tables
// of the immediate context, of the window's back-buffer view and of the back buffer, which are
// every interface a renderer drawing into the bound target reaches (see VtableCallCounter.h).
#pragma once

#include <memory>
#include <string>

#include "D3DTestWindow.h"
#include "VtableCallCounter.h"

namespace kztest {

class FrameCallCounter {
  public:
    // Binds the window's back buffer so that its view exists to be counted.
    explicit FrameCallCounter(D3DTestWindow& window);

    void reset();
    // Every call since the last reset, AddRef and Release excepted.
    long long calls() const;
    long long contextCallsOf(int method) const { return context_->callsOf(method); }
    // Which methods were called, for failure messages.
    std::string summary() const;

  private:
    std::unique_ptr<VtableCallCounter> context_, view_, texture_;
};

}  // namespace kztest
