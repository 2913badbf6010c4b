#include "widgets/DropDown.h"

#include <algorithm>
#include <cmath>

#include "AntTweakBar.h"
#include "draw/Painter.h"
#include "edit/ValueEdit.h"
#include "look/Metrics.h"
#include "look/Palette.h"
#include "look/Shadow.h"
#include "model/BarLayout.h"
#include "model/Context.h"
#include "values/ValueText.h"
#include "widgets/RowPaint.h"
#include "widgets/ValueRow.h"

namespace tw {
namespace {

// [v] needs a values column wider than this many buttons.
constexpr int kButtonRoom = 2;
// However little room the window leaves, a list shows this many entries (or all it has).
constexpr int kMinimumRows = 3;
// Around the entries, above and below them together; a list that shows all its entries is at
// least five font heights tall. It lies a pixel clear of its row.
constexpr int kListPadding = 9, kLeastHeightInFonts = 5, kRowGap = 1;
// The current entry is written in the colour of values that are picked rather than typed.
constexpr PackedColor kCurrentLight = packColor(0x97, 0xF7, 0x97, 255);
constexpr PackedColor kCurrentDark = packColor(0x00, 0x40, 0x00, 255);

int entryCount(const Context& context) {
    const auto* entries = context.input.popup.control->enumEntries();
    return entries ? int(entries->size()) : 0;
}

// How many entries the list shows and whether it opens above its row: below when all of them
// fit there, else on the side with more room, never fewer than the minimum.
struct Extent {
    int rows = 0;
    bool above = false;
};

Extent extentFor(int count, int pitch, const Rect& row, int windowHeight) {
    const int below = windowHeight - row.bottom() - kRowGap, above = row.y - kRowGap;
    Extent extent{count, false};
    if (windowHeight <= 0 || count * pitch + kListPadding <= below) return extent;
    extent.above = above > below;
    const int room = extent.above ? above : below;
    extent.rows = std::clamp((room - kListPadding) / pitch, std::min(count, kMinimumRows), count);
    return extent;
}

void placeScrollbar(DropDownPlace& place, int count) {
    const Rect& frame = place.frame;
    const int width = std::max(6, place.pitch / 2);
    place.track = {frame.right() - 1 - width, frame.y + 1, width, frame.h - 2};
    place.entries.w -= width + 1;
    const Rect& track = place.track;
    const int thumb = std::max(track.h * place.shown / count, std::min(track.h, 8));
    const int offset = (track.h - thumb) * place.first / (count - place.shown);
    place.thumb = {track.x, track.y + offset, track.w, thumb};
}

// Moves the first entry shown, within what the list can show.
void scrollTo(Context& context, int first) {
    const DropDownPlace place = dropDownPlace(context);
    if (place.frame.empty()) return;
    EnumPopup& popup = context.input.popup;
    popup.scroll = std::clamp(first, 0, entryCount(context) - place.shown);
    if (popup.scroll != place.first) context.repaintPopup();
}

void pickHighlighted(Context& context) {
    const EnumPopup chosen = context.input.popup;
    context.closePopup();
    pickEnumEntry(context, *chosen.bar, *chosen.control, chosen.hovered);
}

// A small triangle pointing down at the right of an enum's field.
void paintArrow(RowPainter& p, const Rect& field, PackedColor ink) {
    const int size = std::max(2, p.face.lineHeight / 4);
    const int x = field.right() - kValuePadding - 2 * size;
    const int y = field.y + (field.h - size) / 2;
    p.painter.setClip(intersect(p.layout.frame, field));
    for (int i = 0; i < size; ++i)
        p.painter.fill({x + i, y + i, 2 * (size - i), 1}, ink);
    p.painter.setClip(p.layout.frame);
}

}  // namespace

DropDownPlace dropDownPlace(const Context& context) {
    const EnumPopup& popup = context.input.popup;
    DropDownPlace place;
    if (!popup.bar || !popup.control) return place;
    const Row* row = shownRow(*popup.bar, popup.control, -1);
    const int count = entryCount(context);
    if (!row || count == 0) return place;
    const Bar& bar = *popup.bar;
    const BarLayout& layout = bar.layout;
    place.pitch = layout.rowHeight;
    const Extent extent = extentFor(count, place.pitch, row->rect, context.windowHeight);
    const int font = fontHeight(bar.fontSize, context.globals.fontScaling);
    const int least = extent.rows == count ? kLeastHeightInFonts * font : 0;
    const int height = std::max(extent.rows * place.pitch + kListPadding, least);
    const int width = layout.frame.w - 2 * font;
    Rect& frame = place.frame;
    frame = {layout.valueX,
             extent.above ? row->rect.y - kRowGap - height : row->rect.bottom() + kRowGap, width,
             height};
    // Kept inside the window, even over its own row when the window is that small.
    if (context.windowHeight > 0) {
        frame.y = std::clamp(frame.y, 0, std::max(0, context.windowHeight - height));
    }
    if (context.windowWidth > 0 && frame.right() > context.windowWidth) {
        frame.x = std::max(0, context.windowWidth - width);
    }
    place.shown = extent.rows;
    place.first = std::clamp(popup.scroll, 0, count - extent.rows);
    place.entries = {frame.x + 1, frame.y + kListPadding / 2, frame.w - 2,
                     extent.rows * place.pitch};
    if (extent.rows < count) placeScrollbar(place, count);
    return place;
}

namespace {

// The entry shown at a point, or -1 (padding, scrollbar, outside).
int entryAt(const DropDownPlace& place, int x, int y) {
    if (!place.entries.contains(x, y) || place.pitch <= 0) return -1;
    return place.first + (y - place.entries.y) / place.pitch;
}

// Scrolls the open list so that its highlighted entry is shown.
void revealHighlight(Context& context) {
    const DropDownPlace place = dropDownPlace(context);
    const int highlighted = context.input.popup.hovered;
    if (place.frame.empty() || highlighted < 0) return;
    if (highlighted < place.first) {
        scrollTo(context, highlighted);
    } else if (highlighted >= place.first + place.shown) {
        scrollTo(context, highlighted - place.shown + 1);
    }
}

void paintList(Painter& painter, const Context& context) {
    const DropDownPlace place = dropDownPlace(context);
    if (place.frame.empty()) return;
    const EnumPopup& popup = context.input.popup;
    const Bar& bar = *popup.bar;
    const FontFace& face = context.face(bar);
    const Palette palette = paletteFor(bar);
    const Rect& frame = place.frame;
    painter.setClip({frame.x, frame.y, frame.w + 3, frame.h + 3});
    paintShadow(painter, frame);

    // The bar's own colour, opaque: the list is read over other bars' text. The current
    // entry's band is the group colour toned toward the body, so that its green stands out.
    const PackedColor base = packColor(bar.color.r, bar.color.g, bar.color.b, 255);
    const PackedColor body = bar.darkText ? mix(base, kWhite, 0.6f) : mix(base, kBlack, 0.5f);
    const PackedColor band = bar.darkText ? withAlpha(mix(palette.group, kWhite, 0.65f), 230)
                                          : withAlpha(mix(palette.group, kBlack, 0.65f), 230);
    const PackedColor hover = bar.darkText ? packColor(0, 0, 0, 40) : withAlpha(kWhite, 45);
    const PackedColor current = bar.darkText ? kCurrentDark : kCurrentLight;
    painter.setClip(frame);
    painter.fill(frame, body);

    const auto& entries = *popup.control->enumEntries();
    const int chosen = currentEntry(*popup.control);
    painter.setClip(place.entries);
    for (int i = place.first; i < place.first + place.shown; ++i) {
        const Rect line = place.entry(i);
        if (i == chosen) painter.fill(line, band);
        if (i == popup.hovered) painter.fill(line, hover);
        painter.text(face, line.x + 2 * kValuePadding, line.y + (line.h - face.lineHeight) / 2,
                     entries[std::size_t(i)].label, i == chosen ? current : palette.label);
    }
    painter.setClip(frame);
    if (!place.track.empty()) {
        painter.fill(place.track, palette.scrollTrack);
        painter.fill(place.thumb, palette.scrollThumb);
    }
    painter.outline(frame, bar.darkText ? packColor(0, 0, 0, 110) : withAlpha(kWhite, 70));
}

// Entries toward the end (rows > 0) or the start.
void scrollList(Context& context, int rows) {
    scrollTo(context, dropDownPlace(context).first + rows);
}

// An entry is picked and the list closes; the scrollbar's thumb starts a drag and its
// track scrolls one entry.
void pressList(Context& context, int x, int y, const Widget& owner) {
    const DropDownPlace place = dropDownPlace(context);
    if (place.thumb.contains(x, y)) {
        Drag& drag = context.input.drag;
        drag = Drag{};
        drag.kind = DragKind::Widget;
        drag.widget = &owner;
        drag.bar = context.input.popup.bar;
        drag.startY = y;
        drag.startScroll = place.first;
        return;
    }
    if (place.track.contains(x, y)) {
        scrollList(context, y < place.thumb.y ? -1 : 1);
        return;
    }
    const int entry = entryAt(place, x, y);
    if (entry < 0) return;
    context.input.popup.hovered = entry;
    pickHighlighted(context);
}

// The entry under the pointer is highlighted.
void hoverList(Context& context, int x, int y) {
    const int entry = entryAt(dropDownPlace(context), x, y);
    EnumPopup& popup = context.input.popup;
    if (entry < 0 || entry == popup.hovered) return;
    popup.hovered = entry;
    context.repaintPopup();
}

// Up and Down move the highlight (scrolling it into view), Return picks it, Escape closes
// the list.
bool listKey(Context& context, int key, bool apply) {
    if (key != TW_KEY_UP && key != TW_KEY_DOWN && key != TW_KEY_RETURN && key != TW_KEY_ESCAPE) {
        return false;
    }
    if (!apply) return true;
    EnumPopup& popup = context.input.popup;
    switch (key) {
        case TW_KEY_RETURN:
            pickHighlighted(context);
            return true;
        case TW_KEY_ESCAPE:
            context.closePopup();
            return true;
        default:
            break;
    }
    const int last = entryCount(context) - 1;
    // With no entry highlighted yet, either key starts at the first.
    const int next = popup.hovered < 0 ? 0 : popup.hovered + (key == TW_KEY_DOWN ? 1 : -1);
    popup.hovered = std::clamp(next, 0, std::max(0, last));
    context.repaintPopup();
    revealHighlight(context);
    return true;
}

// The list's scrollbar thumb follows the pointer: its whole travel spans every first entry
// possible.
void dragThumb(Context& context, const Drag& drag, int y) {
    const DropDownPlace place = dropDownPlace(context);
    if (place.track.empty()) return;
    const int travel = std::max(1, place.track.h - place.thumb.h);
    const int range = entryCount(context) - place.shown;
    scrollTo(context,
             drag.startScroll + int(std::lround(double(y - drag.startY) * range / travel)));
}

// An enum: the label of its value, and an arrow when its list can be opened. A press anywhere
// on a writable one (its [v] too) or Return opens its list, with the current entry
// highlighted; Left and Right pick the previous or next entry, wrapping at both ends.
class EnumRow final : public ValueRow {
  public:
    void paint(RowPainter& p, const Row& row) const override {
        p.valueLabel(row, p.palette.label, false);
        Rect field;
        if (!p.valueField(row, field)) return;
        const PackedColor ink = p.choiceInk(row);
        const bool list = !row.control->isReadOnly();
        const int arrow = list ? p.face.lineHeight / 2 + 2 : 0;
        p.valueText(row, row.control->valueText, ink, kValuePadding + arrow);
        if (list) paintArrow(p, field, ink);
    }

    RowButtonSet buttons(const Context& context, const Bar& bar, const Row& row) const override {
        return writableButtons(context, bar, row, kButtonRoom, {RowButton::List});
    }

    void press(Context& context, Bar& bar, const Row& row, int, int, bool) const override {
        if (writable(*row.control)) open(context, bar, *row.control);
    }

    bool key(Context& context, Bar& bar, const Row& row, int key, bool apply) const override {
        Control& control = *row.control;
        return valueKey(
            control, key, apply, [&] { open(context, bar, control); },
            [&](int direction) { stepControl(context, bar, control, -1, direction); });
    }

    void drag(Context& context, Drag& drag, int, int y) const override {
        dragThumb(context, drag, y);
    }

    Rect popupFrame(const Context& context) const override { return dropDownPlace(context).frame; }

    void paintPopup(Painter& painter, const Context& context) const override {
        paintList(painter, context);
    }

    void pressPopup(Context& context, int x, int y) const override {
        pressList(context, x, y, *this);
    }

    void hoverPopup(Context& context, int x, int y) const override { hoverList(context, x, y); }

    void scrollPopup(Context& context, int rows) const override { scrollList(context, rows); }

    bool popupKey(Context& context, int key, bool apply) const override {
        return listKey(context, key, apply);
    }

  private:
    void open(Context& context, Bar& bar, Control& control) const {
        // The entry highlighted is the one the variable holds now.
        if (!actionValue(context, bar, control)) return;
        context.openPopup(bar, control, currentEntry(control), *this);
        revealHighlight(context);
        // The list's bar reports where the list is: its position and size read back.
        const Rect frame = dropDownPlace(context).frame;
        Bar& list = *context.popupBar;
        list.x = frame.x;
        list.y = frame.y;
        list.width = frame.w;
        list.height = frame.h;
    }
};

}  // namespace

const Widget& enumRow() {
    static const EnumRow widget{};
    return widget;
}

}  // namespace tw
