// What the numbers a render target view stores mean for colour. The engine's colours are the
// sRGB-encoded bytes an 8-bit view stores as they are; a view that stores linear light has them
// decoded first (by the pixel shader), so that the same colours reach the screen.
#pragma once

#include <dxgiformat.h>

namespace tw {

// sRGB views (the hardware encodes on write) and floating-point ones (scRGB: linear light with
// sRGB primaries, 1.0 the white of an 8-bit view). Everything else, 10-bit UNORM included, is
// taken to store encoded values as an 8-bit UNORM view does.
bool storesLinearLight(DXGI_FORMAT format);

}  // namespace tw
