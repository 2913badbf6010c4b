// What the screen shows for the pixels of a render target, whatever its format: for tests that
// compare the same picture drawn into back buffers of different formats.
#pragma once

#include <dxgiformat.h>

#include <cstdint>
#include <vector>

namespace kztest {

// The sRGB transfer function, both ways, on 0..1 values.
float srgbToLinear(float encoded);
float linearToSrgb(float linear);

// Whether a format stores linear light (sRGB formats, which the hardware encodes on write, and
// floating-point ones, scRGB) rather than the encoded values an 8-bit UNORM format stores.
bool linearLightFormat(DXGI_FORMAT format);

// Rows of a mapped texture as RGBA bytes in sRGB encoding: 8-bit formats as stored (blue and red
// swapped for BGRA), R16G16B16A16_FLOAT encoded from linear light. Empty for other formats.
std::vector<std::uint8_t> displayedRgba(DXGI_FORMAT format, const void* rows, unsigned rowPitch,
                                        unsigned width, unsigned height);

}  // namespace kztest
