#include "look/TextFit.h"

namespace tw {

FittedText fitColumn(const FontFace& face, std::string_view text, int columnWidth, int cutRoom) {
    const int room = columnWidth - cutRoom;
    int pen = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (pen > room) return {i, true};
        pen += face.glyphOf(text[i]).advance;
    }
    return {text.size(), false};
}

}  // namespace tw
