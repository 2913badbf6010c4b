#include "look/Palette.h"

#include "draw/Painter.h"
#include "model/Bar.h"

namespace tw {
namespace {

PackedColor grey(int level, int alpha = 255) {
    const auto l = std::uint8_t(level);
    return packColor(l, l, l, std::uint8_t(alpha));
}

// The colour's channels times k, at an alpha.
PackedColor shaded(const Bar& bar, float k, int alpha) {
    return packColor(std::uint8_t(bar.color.r * k), std::uint8_t(bar.color.g * k),
                     std::uint8_t(bar.color.b * k), std::uint8_t(alpha));
}

int luminance(const Bar& bar) {
    return (77 * bar.color.r + 150 * bar.color.g + 29 * bar.color.b) >> 8;
}

void lightText(const Bar& bar, PackedColor base, Palette& p) {
    p.titleText = kWhite;
    p.label = kWhite;
    p.value = packColor(199, 215, 255, 255);
    p.readOnly = grey(183);
    p.group = packColor(255, 255, 128, 255);
    p.structLabel = packColor(239, 239, 0, 255);
    p.choice = packColor(150, 246, 150, 255);
    p.textLine = packColor(51, 255, 51, 255);
    p.atBound = packColor(151, 151, 255, 255);
    p.field = grey(26, 100);
    p.hoverTop = withAlpha(mix(base, grey(200), 0.8f), 140);
    p.hoverBottom = withAlpha(mix(base, grey(60), 0.8f), 140);
    p.hoverLine = grey(208);
    p.pressedTop = withAlpha(p.hoverTop, 210);
    p.pressedBottom = withAlpha(p.hoverBottom, 210);
    p.groupBand = withAlpha(mix(base, kWhite, 0.5f), 90);
    p.expander = grey(0, 55);
    p.expanderMark = kWhite;
    p.separator = grey(183);
    p.strip = shaded(bar, 0.35f, 70);
    p.scrollTrack = grey(255, 8);
    p.scrollThumb = grey(255, 80);
    p.fieldEdit = grey(0x57);
    p.editText = kWhite;
    p.editReadOnly = grey(170);
    p.shortcut = packColor(0xFF, 0xB0, 0x60, 255);
    p.buttonFace = packColor(36, 92, 112, 211);
    p.buttonHeld = packColor(60, 150, 180, 235);
}

void darkText(const Bar&, PackedColor base, Palette& p) {
    p.titleText = grey(15);
    p.label = grey(20);
    p.value = packColor(0, 0, 100, 255);
    p.readOnly = grey(85);
    p.group = packColor(120, 50, 0, 255);
    p.structLabel = packColor(48, 48, 0, 255);
    p.choice = packColor(0, 100, 0, 255);
    p.textLine = packColor(0, 110, 0, 255);
    p.atBound = packColor(0x00, 0x00, 0xF0, 255);
    p.field = grey(255, 110);
    p.hoverTop = grey(255, 110);
    p.hoverBottom = withAlpha(mix(base, kBlack, 0.3f), 110);
    p.hoverLine = grey(60);
    p.pressedTop = grey(255, 170);
    p.pressedBottom = withAlpha(mix(base, kBlack, 0.3f), 170);
    p.groupBand = grey(255, 70);
    p.expander = grey(0, 55);
    p.expanderMark = kWhite;
    p.separator = grey(90);
    p.strip = grey(0, 30);
    p.scrollTrack = grey(0, 20);
    p.scrollThumb = grey(0, 90);
    p.fieldEdit = grey(0xC7);
    p.editText = kBlack;
    p.editReadOnly = grey(100);
    p.shortcut = packColor(0x80, 0x20, 0x00, 255);
    p.buttonFace = grey(0, 50);
    p.buttonHeld = grey(0, 110);
}

}  // namespace

Palette paletteFor(const Bar& bar, bool pointerOver) {
    const PackedColor base = packColor(bar.color.r, bar.color.g, bar.color.b, 255);
    // Under the pointer the body is a quarter of the way more opaque.
    const int alpha = pointerOver ? bar.alpha + (255 - bar.alpha) / 4 : bar.alpha;
    Palette p{};
    p.bodyTopLeft = shaded(bar, 0.72f, alpha);
    p.bodyMiddle = shaded(bar, 0.86f, alpha);
    p.bodyBottomRight = withAlpha(base, alpha);
    const PackedColor title = shaded(bar, 0.62f, 255);
    p.titleLine = withAlpha(mix(title, kWhite, 0.2f), 235);
    p.titleTop = withAlpha(title, 222);
    p.titleBottom = withAlpha(title, 15);
    p.frameTop = mix(title, kWhite, 0.55f);
    p.frameLeft = withAlpha(mix(title, kWhite, 0.72f), 135);
    // The right and bottom lines stand out from the body: dark on a light one, light on a dark.
    p.frameEdge = luminance(bar) > 100 ? grey(70, 175) : grey(184, 115);
    p.expanderOutline = grey(255, 160);
    p.expanderShadow = grey(0, 150);
    p.selection = packColor(70, 140, 255, 120);
    if (bar.darkText) {
        darkText(bar, base, p);
    } else {
        lightText(bar, base, p);
    }
    p.buttonInk = p.label;
    p.buttonGreyed = withAlpha(p.readOnly, 110);
    return p;
}

}  // namespace tw
