// What a kind of row is to the rest of the engine. The layout gives every row the widget that
// the table (WidgetTable.h) chooses for its control, or that its heading chose for a part
// (a colour's component rows, a quaternion's trackball); from then on the bar's painting, the
// pointer, the keys, the cursor, the small buttons and the help bar reach the row only through
// these functions, and nothing outside this folder names a widget. A widget overrides what its
// row does differently; the defaults are a row that takes one line, paints nothing, has no
// value and takes no input.
//
// A widget that acts on its value starts from actionValue (edit/ValueEdit.h), the one function
// that says which value a user's action starts from.
#pragma once

#include <optional>
#include <vector>

#include "model/BarLayout.h"
#include "model/InputState.h"

namespace tw {

class Painter;
class RowPainter;
class Context;
struct FontFace;

// The cursor the pointer's place calls for: what a press there would do, or the drag in
// progress. The window adapter turns it into a system cursor.
enum class CursorShape {
    Game,        // the engine has no cursor to show: the game keeps its own
    Text,        // a value the user can type into or select, or the open field
    Roto,        // a writable number's label and [o], and while the rotoslider turns
    NotAllowed,  // a read-only row
    Move,        // a title that moves its bar
    ResizeNwSe,  // the top-left and bottom-right corners of a resizable bar
    ResizeNeSw,  // the other two corners
};

struct PointerCursor {
    CursorShape shape = CursorShape::Game;
    int rotoIndex = 0;  // which rotating arrow, 0..11 (by the angle while turning)
};

// The small buttons a widget shows at the right end of its value field while its row is
// hovered (placed by widgets/RowButtons.h).
enum class RowButton { None, Decrement, Increment, Roto, Toggle, List };

struct RowButtonSet {
    int count = 0;
    RowButton kinds[3] = {};
    Rect rects[3];
};

class Widget {
  public:
    virtual ~Widget() = default;

    // The rows it takes: its own row's height (one row pitch unless it is taller), and the part
    // rows shown below it while its control is opened (appended after the heading; a struct's or
    // group's members follow them).
    virtual int height(int rowPitch) const;
    virtual void addParts(std::vector<Row>& rows, const Row& heading) const;
    // For a column fitted to its content: how wide the row's label and its value are (the
    // label from the row's indent); -1 when the row has none of them beside the other column.
    virtual int labelWidth(const Row& row, const FontFace& face) const;
    virtual int valueWidth(const Row& row, const FontFace& face) const;

    // Paints the row into its bar's segment; the painter's clip is the bar's frame and stays so.
    virtual void paint(RowPainter& painter, const Row& row) const = 0;
    // Whether the row reacts to the pointer, and so shows the hover highlight.
    virtual bool highlighted(const Row& row) const;
    // The small buttons at the right end of its value field while it is hovered.
    virtual RowButtonSet buttons(const Context& context, const CTwBar& bar, const Row& row) const;

    // A left press on the row at (x, y); inValue: in the values column.
    virtual void press(Context& context, CTwBar& bar, const Row& row, int x, int y,
                       bool inValue) const;
    // The pointer at (x, y) during a drag the widget started (DragKind::Widget, Drag::widget).
    virtual void drag(Context& context, Drag& drag, int x, int y) const;
    // The left button released, which ended that drag; under: the row now under the pointer.
    // True when the hover is to follow the pointer at once.
    virtual bool release(Context& context, const Drag& drag, const Row* under) const;
    // Drawn over the bar, after its furniture, while its drag of that bar runs.
    virtual void paintDrag(Painter& painter, const Context& context, const CTwBar& bar) const;
    // Left, Right and Return on the row the keys highlight; with apply false it only says
    // whether it takes the key.
    virtual bool key(Context& context, CTwBar& bar, const Row& row, int key, bool apply) const;

    // The cursor over the row at (x, y) (the open field's text cursor is the core's).
    virtual PointerCursor cursor(const Context& context, const CTwBar& bar, const Row& row, int x,
                                 int y, bool inValue) const;
    // The cursor while its drag runs; none: the one the place under the pointer calls for.
    virtual std::optional<PointerCursor> dragCursor(const Drag& drag, int x, int y) const;

    // A list the widget opened over every bar from one of its rows (InputState::popup names
    // the widget): where it lies (empty: not shown), its look, the pointer and keys on it.
    virtual Rect popupFrame(const Context& context) const;
    virtual void paintPopup(Painter& painter, const Context& context) const;
    virtual void pressPopup(Context& context, int x, int y) const;
    virtual void hoverPopup(Context& context, int x, int y) const;
    virtual void scrollPopup(Context& context, int rows) const;
    virtual bool popupKey(Context& context, int key, bool apply) const;

    // A group of the help bar about this kind of row: its title and text; null when none.
    virtual const char* helpTitle() const;
    virtual const char* helpText() const;
};

// The open list's frame, empty while none is shown.
Rect popupArea(const Context& context);

// What rows that fold do when pressed, and with Left, Right or Return (Return toggles).
void toggleOpened(Context& context, Control& control);
bool openedByKey(Context& context, Control& control, int key, bool apply);

// A heading that folds what follows it (a group's members, a colour's or a vector's parts): a
// press folds or unfolds it; Right unfolds, Left folds and Return toggles.
template <typename Base>
class Folding : public Base {
  public:
    void press(Context& context, CTwBar&, const Row& row, int, int, bool) const override {
        toggleOpened(context, *row.control);
    }
    bool key(Context& context, CTwBar&, const Row& row, int key, bool apply) const override {
        return openedByKey(context, *row.control, key, apply);
    }
};

}  // namespace tw
