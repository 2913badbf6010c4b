// The demo's command line.
#pragma once

#include <string>
#include <vector>

namespace kzdemo {

struct DemoOptions {
    int width = 960, height = 600;  // --size WxH: the client area at start
    long frames = 0;                // --frames N: quit after N frames; 0 runs until closed
    int fps = 60;                   // --fps N: frame-rate cap; 0 presents as fast as it can
    // --report FILE: the counts, written there ten times a second while the game runs and once
    // more on exit, each time whole (a reader never sees half a file).
    std::string report;
    int exitCode = 0;  // --exit-code N: what the process returns
    // --still-at S: every frame shows the picture of second S, so that two frames differ only
    // where something is drawn over the game (and in the counts).
    long stillAt = -1;
    // --key-at F:KEY: at frame F the window is sent a press and release of KEY (F1 to F12, or
    // a virtual-key code from 1 to 254), as if a player pressed it.
    long keyFrame = -1;
    int keyCode = 0;
    // --time-from F: the durations of the frames from F on are kept; the report written on exit
    // gives their number, median and 90th percentile.
    long timeFrom = -1;
};

// Parses the arguments after the program name. On an unknown option or a malformed value it
// returns false and sets error to a sentence naming it.
bool parseDemoOptions(const std::vector<std::string>& arguments, DemoOptions* options,
                      std::string* error);

}  // namespace kzdemo
