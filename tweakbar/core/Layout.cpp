#include "Layout.h"

namespace tw {

int titleHeight(const FontFace& face) {
    return face.lineHeight + 5;
}

int rowHeightOf(RowKind kind, const FontFace& face) {
    return kind == RowKind::Separator ? (face.lineHeight + 1) / 2 : face.lineHeight;
}

void minimumSize(int fontSize, int& width, int& height) {
    static constexpr int kWidths[] = {88, 112, 128};
    static constexpr int kHeights[] = {55, 70, 80};
    const int index = fontSize < 1 ? 0 : fontSize > 3 ? 2 : fontSize - 1;
    width = kWidths[index];
    height = kHeights[index];
}

int defaultValuesWidth(int fontSize) {
    static constexpr int kWidths[] = {50, 70, 80};
    return kWidths[fontSize < 1 ? 0 : fontSize > 3 ? 2 : fontSize - 1];
}

}  // namespace tw
