// The engine between TwInit and TwTerminate: the graphics backend, the bars, the engine-wide
// parameters, the drawing area, input state and the display list.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/VarType.h"
#include "draw/DisplayList.h"
#include "draw/GraphBackend.h"
#include "model/Bar.h"
#include "model/HelpBarState.h"
#include "model/InputState.h"
#include "model/Segments.h"

namespace tw {

enum class IconCorner { BottomLeft, BottomRight, TopLeft, TopRight };
enum class FontStyle { Default, Fixed, FixedCyrillic };

// The GLOBAL parameters.
struct Globals {
    int fontSize = 2;
    double fontScaling = 1;  // fixed at TwInit
    FontStyle fontStyle = FontStyle::Default;
    bool fontResizable = true;
    bool contained = false;
    std::string help;
    IconCorner iconCorner = IconCorner::BottomLeft;
    bool iconsVertical = true;
    int iconMarginX = 8, iconMarginY = 8;
    int colorScheme = 1;  // 0: the old near-opaque bars with dark text
    ButtonAlign buttonAlign = ButtonAlign::Right;
    bool overlap = false;  // false: a bar's rows under a bar above it are not drawn
};

class Context {
  public:
    Context(std::unique_ptr<GraphBackend> graphBackend, double fontScaling);
    ~Context();

    std::unique_ptr<GraphBackend> backend;
    std::vector<std::unique_ptr<Bar>> bars;  // creation order, the help bar first
    std::vector<Bar*> stacking;              // back to front, before alwaysbottom/alwaystop
    Globals globals;
    // The enum and struct types made while this window was current, numbered from the first.
    EnumRegistry enums;
    StructRegistry structs;
    int barsCreated = 0;  // by callers, ever: each new bar's colour steps from the last one's
    int windowWidth = 0, windowHeight = 0;
    bool sized = false;  // a size was given; without one there is nothing to draw into
    bool resourcesReleased = false;
    bool drawn = false;    // TwDraw has run since TwInit
    bool drawing = false;  // inside TwDraw, where get callbacks run

    // Set by anything that changes what is shown: the layout must be computed again, or the
    // whole display list built again. Changes confined to one bar, the icons or the enum list
    // mark only their segment; the hover highlight, a pressed button and the caret follow the
    // input state every frame without either. A frame with none of these reuses the list.
    bool layoutDirty = true;
    bool listDirty = true;
    bool helpDirty = true;  // the help bar's lines must be generated again
    HelpBarState helpState;
    DisplayList displayList;
    SegmentTable segments;
    InputState input;
    std::vector<unsigned char> scratch;  // a value being read, sized for the largest control
    // sizeof(std::string) in the first TW_TYPE_STDSTRING a caller used; 0 before that.
    std::size_t clientStdStringSize = 0;

    // While an enum list is open it counts as one more bar, after the others, under this name.
    static constexpr const char* kPopupBarName = "~ Enum Popup ~";
    std::unique_ptr<Bar> popupBar;

    Bar* helpBar() const { return bars.empty() ? nullptr : bars.front().get(); }
    int barCount() const { return int(bars.size()) + (popupBar ? 1 : 0); }
    Bar* barAt(int index) const;
    Bar* barNamed(const char* name) const;
    // The bar a caller's pointer designates, or null when it is none of ours.
    Bar* validate(const TwBar* bar) const;
    int indexOf(const Bar* bar) const;

    Bar& createBar(const std::string& name);
    void deleteBar(Bar& bar);
    void removeControl(Bar& bar, Control& control);
    void removeGenerated(Bar& bar);
    void bringToFront(Bar& bar);
    void sendToBack(Bar& bar);
    void openPopup(Bar& bar, Control& control, int hovered, const Widget& widget);
    void closePopup();
    // Back to front: alwaysbottom bars, the others in stacking order, then alwaystop bars.
    template <typename F>
    void forEachBackToFront(F&& f) const {
        for (int pass = 0; pass < 3; ++pass) {
            for (Bar* bar : stacking) {
                if (layerOf(*bar) == pass) f(*bar);
            }
        }
    }
    static int layerOf(const Bar& bar) { return bar.alwaysBottom ? 0 : bar.alwaysTop ? 2 : 1; }

    const FontFace& face(const Bar& bar) const { return backend->atlas().face(bar.fontSize); }
    void changed() { layoutDirty = listDirty = true; }
    void repaint() { listDirty = true; }
    void repaintBar(const Bar& bar) {
        if (!segments.markDirty(SegmentKind::WholeBar, &bar)) listDirty = true;
    }
    void repaintIcons() {
        if (!segments.markDirty(SegmentKind::Icons, nullptr)) listDirty = true;
    }
    void repaintPopup() {
        if (!segments.markDirty(SegmentKind::Popup, nullptr)) listDirty = true;
    }
    // A value's text (or a colour's bytes) changed: only a column that fits its values
    // needs the layout again.
    void valueShownChanged(const Bar& bar) {
        if (bar.valuesWidthMode == ValuesWidthMode::Fit) return changed();
        repaintBar(bar);
        if (input.popup.bar == &bar) repaintPopup();  // it marks the current entry
    }
    void structureChanged() { layoutDirty = listDirty = helpDirty = true; }
    // From TwWindowSize or the window system; an empty area releases graphics resources.
    void setWindowSize(int width, int height);
};

// The window's drawing area, or an area without bounds while its size is not known.
Rect drawingArea(const Context& context);

// Colour, alpha and text of the n-th bar that callers create (0 for the first) in a colour
// scheme (1, or 0 for the old one).
struct BarLook {
    Rgb color;
    int alpha = 64;
    bool darkText = false;
};
BarLook defaultBarLook(int n, int colorScheme);

}  // namespace tw
