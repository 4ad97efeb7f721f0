#include "render/cpu/CpuImage.h"

CpuImage MakeCpuImage(int width, int height, bool mirror) {
    CpuImage image;
    image.mirror = mirror;
    if (width <= 0 || height <= 0) {
        return image;
    }
    image.texels = cpu::TakeFloats(std::size_t(width) * std::size_t(height) * 4);
    if (image.texels) {
        image.width = width;
        image.height = height;
    }
    return image;
}
