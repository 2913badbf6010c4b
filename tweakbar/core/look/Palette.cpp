#include "look/Palette.h"

#include "draw/Painter.h"
#include "model/Bar.h"

namespace tw {

Palette paletteFor(const Bar& bar) {
    const PackedColor base = packColor(bar.color.r, bar.color.g, bar.color.b, 255);
    Palette p{};
    p.body = withAlpha(base, bar.alpha);
    p.border = packColor(0, 0, 0, 140);
    p.shadow = packColor(0, 0, 0, 60);
    p.selection = packColor(70, 140, 255, 120);
    if (bar.darkText) {
        p.titleTop = withAlpha(mix(base, kWhite, 0.7f), 235);
        p.titleBottom = withAlpha(mix(base, kWhite, 0.5f), 235);
        p.titleText = packColor(15, 15, 15, 255);
        p.fieldEdit = packColor(0xC7, 0xC7, 0xC7, 255);
        p.editText = packColor(0, 0, 0, 255);
        p.editReadOnly = packColor(100, 100, 100, 255);
        p.label = packColor(20, 20, 20, 255);
        p.value = packColor(0, 0, 100, 255);
        p.readOnly = packColor(85, 85, 85, 255);
        p.group = packColor(120, 50, 0, 255);
        p.structLabel = packColor(48, 48, 0, 255);
        p.field = packColor(255, 255, 255, 110);
        p.hover = packColor(0, 0, 0, 28);
        p.pressed = packColor(0, 0, 0, 60);
        p.separator = packColor(0, 0, 0, 90);
        p.scrollTrack = packColor(0, 0, 0, 40);
        p.scrollThumb = packColor(0, 0, 0, 110);
        p.atBound = packColor(0x00, 0x00, 0xF0, 255);
        p.shortcut = packColor(0x80, 0x20, 0x00, 255);
    } else {
        p.titleTop = withAlpha(mix(base, kWhite, 0.12f), 230);
        p.titleBottom = withAlpha(mix(base, kBlack, 0.35f), 230);
        p.titleText = packColor(255, 255, 255, 255);
        p.fieldEdit = packColor(0x57, 0x57, 0x57, 255);
        p.editText = packColor(255, 255, 255, 255);
        p.editReadOnly = packColor(170, 170, 170, 255);
        p.label = packColor(235, 235, 235, 255);
        p.value = packColor(255, 250, 185, 255);
        p.readOnly = packColor(175, 175, 175, 255);
        p.group = packColor(255, 210, 110, 255);
        p.structLabel = packColor(239, 239, 0, 255);
        p.field = packColor(0, 0, 0, 80);
        p.hover = packColor(255, 255, 255, 30);
        p.pressed = packColor(255, 255, 255, 70);
        p.separator = packColor(255, 255, 255, 90);
        p.scrollTrack = packColor(0, 0, 0, 60);
        p.scrollThumb = packColor(255, 255, 255, 110);
        p.atBound = packColor(0x97, 0x97, 0xFF, 255);
        p.shortcut = packColor(0xFF, 0xB0, 0x60, 255);
    }
    p.buttonFace = withAlpha(p.label, 55);
    p.buttonHeld = withAlpha(p.label, 120);
    p.buttonInk = p.label;
    p.buttonGreyed = withAlpha(p.readOnly, 110);
    return p;
}

}  // namespace tw
