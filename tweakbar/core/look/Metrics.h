// The figures a bar is laid out and drawn with, beside the colours of its palette: heights of
// the title and of the strips around the rows, paddings, indents, and the sizes that follow the
// font size. All of them come from the font's metrics, the bar's font size and the font scaling.
#pragma once

#include "draw/FontAtlas.h"

struct CTwBar;

namespace tw {

inline constexpr int kValuePadding = 3;  // between a field's edge and its text
inline constexpr int kSidePadding = 4;   // between the frame and the rows, left and right
inline constexpr int kScrollbarGap = 2;  // between the rows and the scrollbar

int titleHeight(const FontFace& face);
// Heights of the strip above the rows and of the line below them; both are kept in every bar
// so that hovering never moves a row.
int fitStripHeight(const FontFace& face);
int belowRowsHeight(const FontFace& face);
int scrollbarWidth(const FontFace& face);
// How far a row moves right per group level.
inline int rowIndent(const FontFace& face) {
    return face.lineHeight * 3 / 4;
}
// The box before a foldable row's label, with the gap after it.
int foldMarkerWidth(const FontFace& face);
// The width of a bar's rows while it shows a scrollbar.
int scrolledRowsWidth(int frameWidth, const FontFace& face);

// The nominal font height of a font size, from which a bar's fixed figures follow.
int fontHeight(int fontSize, double fontScaling);
// The smallest size a bar can take at a font size.
void minimumSize(int fontSize, double fontScaling, int& width, int& height);
// The values column width that follows the font size until the caller sets one (wider on
// the help bar, whose values are key names).
int defaultValuesWidth(const CTwBar& bar, double fontScaling);
// What the values column reads after "fit" until the next layout has fitted it.
inline constexpr int kValuesWidthFitPending = -5555;

}  // namespace tw
