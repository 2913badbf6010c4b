#include "Win32Cursors.h"

#include <array>
#include <cstdint>
#include <mutex>

#include "widgets/RotoCursorShape.h"
#include "widgets/RotoSlider.h"

namespace tw {
namespace {

constexpr int kSize = kRotoCursorSize;

// White ink with a black outline one pixel wide; everything else shows the screen.
HCURSOR makeCursor(const RotoCursorPicture& ink) {
    constexpr int kRowBytes = kSize / 8;
    std::uint8_t andMask[kSize * kRowBytes], xorMask[kSize * kRowBytes];
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            bool outline = false;
            for (int ny = y - 1; ny <= y + 1; ++ny)
                for (int nx = x - 1; nx <= x + 1; ++nx)
                    if (nx >= 0 && ny >= 0 && nx < kSize && ny < kSize &&
                        ink[std::size_t(ny)][std::size_t(nx)])
                        outline = true;
            const bool white = ink[std::size_t(y)][std::size_t(x)];
            const std::size_t byte = std::size_t(y * kRowBytes + x / 8);
            const std::uint8_t bit = std::uint8_t(0x80 >> (x % 8));
            if (x % 8 == 0) andMask[byte] = xorMask[byte] = 0;
            // AND 1, XOR 0: the screen; AND 0: black, or white with XOR 1.
            if (!outline) andMask[byte] |= bit;
            if (white) xorMask[byte] |= bit;
        }
    }
    return CreateCursor(GetModuleHandleW(nullptr), kRotoCursorHotSpot, kRotoCursorHotSpot, kSize,
                        kSize, andMask, xorMask);
}

HCURSOR rotatingCursor(int index) {
    static std::array<HCURSOR, kRotoCursorCount> cursors{};
    static std::once_flag made;
    std::call_once(made, [] {
        for (int i = 0; i < kRotoCursorCount; ++i)
            cursors[std::size_t(i)] = makeCursor(rotoCursorPicture(i));
    });
    return cursors[std::size_t(index % kRotoCursorCount)];
}

}  // namespace

HCURSOR systemCursor(const PointerCursor& cursor) {
    switch (cursor.shape) {
        case CursorShape::Game:
            return nullptr;
        case CursorShape::Text:
            return LoadCursor(nullptr, IDC_IBEAM);
        case CursorShape::Roto:
            return rotatingCursor(cursor.rotoIndex);
        case CursorShape::NotAllowed:
            return LoadCursor(nullptr, IDC_NO);
        case CursorShape::Move:
            return LoadCursor(nullptr, IDC_SIZEALL);
        case CursorShape::ResizeNwSe:
            return LoadCursor(nullptr, IDC_SIZENWSE);
        case CursorShape::ResizeNeSw:
            return LoadCursor(nullptr, IDC_SIZENESW);
    }
    return nullptr;
}

}  // namespace tw
