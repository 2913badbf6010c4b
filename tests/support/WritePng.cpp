// stb's single-header PNG writer, compiled once for all tests.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include "D3DTestWindow.h"

namespace kztest {

bool writePng(const std::string& path, const std::vector<std::uint8_t>& rgba, int width,
              int height) {
    return stbi_write_png(path.c_str(), width, height, 4, rgba.data(), width * 4) != 0;
}

}  // namespace kztest
