#include "look/Metrics.h"

#include <algorithm>
#include <cmath>

#include "model/Bar.h"

namespace tw {

int titleHeight(const FontFace& face) {
    return face.lineHeight + 5;
}

int fitStripHeight(const FontFace& face) {
    return std::max(5, face.lineHeight / 2);
}

int belowRowsHeight(const FontFace& face) {
    return face.lineHeight + 3;  // the line, and room under it for the corner handles
}

int scrollbarWidth(const FontFace& face) {
    return std::max(6, face.lineHeight / 2);
}

int foldMarkerWidth(const FontFace& face) {
    return std::max(5, (face.lineHeight - 6) | 1) + 4;
}

int scrolledRowsWidth(int frameWidth, const FontFace& face) {
    return frameWidth - 2 * kSidePadding - scrollbarWidth(face) - kScrollbarGap;
}

int fontHeight(int fontSize, double fontScaling) {
    static constexpr int kHeights[] = {11, 14, 16};
    return int(std::lround(kHeights[std::clamp(fontSize, 1, 3) - 1] * fontScaling));
}

void minimumSize(int fontSize, double fontScaling, int& width, int& height) {
    const int font = fontHeight(fontSize, fontScaling);
    width = 8 * font;
    height = 5 * font;
}

int defaultValuesWidth(const Bar& bar, double fontScaling) {
    return (bar.isHelp ? 12 : 10) * (fontHeight(bar.fontSize, fontScaling) / 2);
}

}  // namespace tw
