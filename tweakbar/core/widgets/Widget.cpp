#include "widgets/Widget.h"

#include "draw/FontAtlas.h"

namespace tw {

int Widget::height(const FontFace& face) const {
    return face.lineHeight;
}

void Widget::addParts(std::vector<Row>&, const Row&) const {}

int Widget::labelWidth(const Row&, const FontFace&) const {
    return -1;
}

int Widget::valueWidth(const Row&, const FontFace&) const {
    return -1;
}

bool Widget::highlighted(const Row&) const {
    return false;
}

const char* Widget::helpTitle() const {
    return nullptr;
}

const char* Widget::helpText() const {
    return nullptr;
}

}  // namespace tw
