// An extension of the bundled engine: what the last TwDraw cost the GPU interface, for
// benchmarks and tests. Not part of the original API; callers that want to stay portable to
// other engines do not include it.
#ifndef TW_INCLUDE_TWFRAMESTATS_H
#define TW_INCLUDE_TWFRAMESTATS_H

#include "AntTweakBar.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct CTwFrameStats {
    unsigned int drawCalls;            // draw calls issued
    unsigned int vertices;             // vertices in the display list drawn
    unsigned int indices;              // indices in the display list drawn
    unsigned long long bytesUploaded;  // vertex and index bytes sent to the GPU
    unsigned int rebuilt;              // 1 when the display list changed for this frame
    unsigned int segmentsPainted;      // bars (and the icons, an enum list) painted for this frame
    unsigned int swappedState;  // 1 when the renderer swapped a device context state of its own
                                // in and out, 0 when it saved and restored the game's state
} TwFrameStats;

// Fills stats with the figures of the last TwDraw; 0 before the first or when not initialised.
int TW_CALL TwGetFrameStats(TwFrameStats* stats);

#ifdef __cplusplus
}
#endif

#endif  // TW_INCLUDE_TWFRAMESTATS_H
