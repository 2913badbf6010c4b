#include "model/BarLayout.h"

#include <algorithm>

#include "model/Bar.h"

namespace tw {

int indentAt(const int (&indents)[kIndentLevels], int depth) {
    const int last = kIndentLevels - 1;
    if (depth <= last) return indents[std::max(0, depth)];
    return indents[last] + (depth - last) * (indents[last] - indents[last - 1]);
}

const Row* shownRow(const Bar& bar, const Control* control, int channel) {
    const BarLayout& layout = bar.layout;
    const int end = std::min(int(layout.rows.size()), layout.firstShown + layout.shownCount);
    for (int i = layout.firstShown; i < end; ++i) {
        const Row& row = layout.rows[std::size_t(i)];
        if (row.control == control && row.channel == channel) return &row;
    }
    return nullptr;
}

}  // namespace tw
