#include "look/Metrics.h"

#include <algorithm>
#include <cmath>

#include "model/Context.h"

namespace tw {
namespace {

// Font sizes 1, 2 and 3 at a font scaling of 1, in the order of BarMetrics' fields.
// clang-format off
constexpr BarMetrics kMetrics[3] = {
//  font pitch title rows below labels by level     values strip  track:     cut  expander:   icon
//                   top  rows                      inset         w top bot  room size step top
    {11, 12,  12,   19,  15,   {10, 18, 22, 26, 30}, 14,   11,    5, 9, 25,  9,   5,   4,   4,  7},
    {14, 15,  15,   22,  18,   {13, 23, 33, 38, 48}, 17,   14,    7, 11, 30, 17,  9,   8,   3,  9},
    {16, 17,  17,   24,  20,   {15, 27, 35, 47, 55}, 19,   16,    9, 13, 34, 17,  11,  10,  3,  11},
};
// clang-format on

const BarMetrics& unscaled(int fontSize) {
    return kMetrics[std::clamp(fontSize, 1, 3) - 1];
}

int scaled(int figure, double fontScaling) {
    return int(std::lround(figure * fontScaling));
}

}  // namespace

BarMetrics barMetrics(int fontSize, double fontScaling) {
    BarMetrics m = unscaled(fontSize);
    if (fontScaling == 1) return m;
    for (int* figure :
         {&m.fontHeight, &m.rowPitch, &m.titleHeight, &m.rowsTop, &m.belowRows, &m.valuesInset,
          &m.stripWidth, &m.trackWidth, &m.trackTop, &m.trackBottom, &m.cutRoom, &m.expanderSize,
          &m.expanderStep, &m.expanderTop, &m.iconSize}) {
        *figure = scaled(*figure, fontScaling);
    }
    for (int& indent : m.labelIndents)
        indent = scaled(indent, fontScaling);
    return m;
}

BarMetrics barMetrics(const Bar& bar, const Context& context) {
    return barMetrics(bar.fontSize, context.globals.fontScaling);
}

int fontHeight(int fontSize, double fontScaling) {
    return scaled(unscaled(fontSize).fontHeight, fontScaling);
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
