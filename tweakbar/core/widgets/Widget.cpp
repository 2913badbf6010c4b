#include "widgets/Widget.h"

#include "model/Context.h"

namespace tw {

int Widget::height(int rowPitch) const {
    return rowPitch;
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

RowButtonSet Widget::buttons(const Context&, const Bar&, const Row&) const {
    return {};
}

void Widget::press(Context&, Bar&, const Row&, int, int, bool) const {}

void Widget::drag(Context&, Drag&, int, int) const {}

bool Widget::release(Context&, const Drag&, const Row*) const {
    return false;
}

void Widget::paintDrag(Painter&, const Context&, const Bar&) const {}

bool Widget::key(Context&, Bar&, const Row&, int, bool) const {
    return false;
}

PointerCursor Widget::cursor(const Context&, const Bar&, const Row&, int, int, bool) const {
    return {};
}

std::optional<PointerCursor> Widget::dragCursor(const Drag&, int, int) const {
    return std::nullopt;
}

Rect Widget::popupFrame(const Context&) const {
    return {};
}

void Widget::paintPopup(Painter&, const Context&) const {}

void Widget::pressPopup(Context&, int, int) const {}

void Widget::hoverPopup(Context&, int, int) const {}

void Widget::scrollPopup(Context&, int) const {}

bool Widget::popupKey(Context&, int, bool) const {
    return false;
}

const char* Widget::helpTitle() const {
    return nullptr;
}

const char* Widget::helpText() const {
    return nullptr;
}

Rect popupArea(const Context& context) {
    const Widget* owner = context.input.popup.widget;
    return owner ? owner->popupFrame(context) : Rect{};
}

void toggleOpened(Context& context, Control& control) {
    control.opened = !control.opened;
    context.changed();
}

bool openedByKey(Context& context, Control& control, int key, bool apply) {
    if (apply) {
        control.opened = key == TW_KEY_RETURN ? !control.opened : key == TW_KEY_RIGHT;
        context.changed();
    }
    return true;
}

}  // namespace tw
