#include "DisplayedColours.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace kztest {

namespace {

float halfToFloat(std::uint16_t half) {
    const int exponent = (half >> 10) & 0x1f, mantissa = half & 0x3ff;
    const float sign = (half & 0x8000) ? -1.0f : 1.0f;
    if (exponent == 0) return sign * std::ldexp(float(mantissa), -24);
    if (exponent == 31) return sign * INFINITY;
    return sign * std::ldexp(float(mantissa + 1024), exponent - 25);
}

std::uint8_t toByte(float encoded) {
    return std::uint8_t(std::lround(std::clamp(encoded, 0.0f, 1.0f) * 255.0f));
}

}  // namespace

float srgbToLinear(float encoded) {
    return encoded <= 0.04045f ? encoded / 12.92f : std::pow((encoded + 0.055f) / 1.055f, 2.4f);
}

float linearToSrgb(float linear) {
    return linear <= 0.0031308f ? linear * 12.92f : 1.055f * std::pow(linear, 1.0f / 2.4f) - 0.055f;
}

bool linearLightFormat(DXGI_FORMAT format) {
    return format == DXGI_FORMAT_R8G8B8A8_UNORM_SRGB || format == DXGI_FORMAT_B8G8R8A8_UNORM_SRGB ||
           format == DXGI_FORMAT_R16G16B16A16_FLOAT;
}

std::vector<std::uint8_t> displayedRgba(DXGI_FORMAT format, const void* rows, unsigned rowPitch,
                                        unsigned width, unsigned height) {
    std::vector<std::uint8_t> rgba(std::size_t(width) * height * 4);
    for (unsigned y = 0; y < height; ++y) {
        const auto* row = static_cast<const std::uint8_t*>(rows) + std::size_t(y) * rowPitch;
        std::uint8_t* out = &rgba[std::size_t(y) * width * 4];
        switch (format) {
            case DXGI_FORMAT_R8G8B8A8_UNORM:
            case DXGI_FORMAT_R8G8B8A8_UNORM_SRGB:
                std::memcpy(out, row, std::size_t(width) * 4);
                break;
            case DXGI_FORMAT_B8G8R8A8_UNORM:
            case DXGI_FORMAT_B8G8R8A8_UNORM_SRGB:
                for (unsigned x = 0; x < width; ++x) {
                    const std::uint8_t* p = row + x * 4;
                    std::uint8_t* o = out + x * 4;
                    o[0] = p[2], o[1] = p[1], o[2] = p[0], o[3] = p[3];
                }
                break;
            case DXGI_FORMAT_R16G16B16A16_FLOAT:
                for (unsigned x = 0; x < width; ++x) {
                    std::uint16_t h[4];
                    std::memcpy(h, row + x * 8, sizeof h);
                    for (int c = 0; c < 3; ++c)
                        out[x * 4 + c] = toByte(linearToSrgb(halfToFloat(h[c])));
                    out[x * 4 + 3] = toByte(halfToFloat(h[3]));
                }
                break;
            default:
                return {};
        }
    }
    return rgba;
}

}  // namespace kztest
