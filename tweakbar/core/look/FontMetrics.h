// The text font's metrics at each font size, which every backend's atlas follows whatever glyphs
// it draws: the cell a line of text takes, where its baseline lies, and how far each character
// moves the pen. Text measured here is as wide on every backend, so a layout computed natively
// is the one drawn with Direct3D.
#pragma once

namespace tw {

struct TextCell {
    int height = 0;    // a line of text, top to bottom
    int baseline = 0;  // from the cell's top
};

TextCell textCell(int fontSize, double fontScaling);

// How far a character of the Windows-1252 code page moves the pen; 0 for the control codes and
// the code page's holes, which are not drawn.
int glyphAdvance(int fontSize, double fontScaling, unsigned char code);

}  // namespace tw
