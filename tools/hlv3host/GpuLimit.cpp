#include "tools/hlv3host/GpuLimit.h"

#include <unistd.h>

#include "context/Context.h"
#include "gl/GLApi.h"

int GpuTextureLimit() {
    const ScopedCurrentContext keep;
    const GLContextHandle context = CreateContext(nullptr);
    if (context == nullptr) {
        return 0;
    }
    SetCurrentContext(context);
    GLint size = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &size);
    SetCurrentContext(nullptr);
    DeleteContext(context);
    return size;
}

namespace {

std::string SizeText(const std::string& what, int64_t width, int64_t height) {
    return what + ", " + std::to_string(width) + " x " + std::to_string(height) + " pixels, ";
}

}  // namespace

std::string TextureProblem(const std::string& what, int64_t width, int64_t height,
                           int textureLimit) {
    if (textureLimit > 0 && (width > textureLimit || height > textureLimit)) {
        return SizeText(what, width, height) + "exceeds this GPU's largest texture, " +
               std::to_string(textureLimit) + " pixels a side (GL_MAX_TEXTURE_SIZE)";
    }
    return "";
}

std::string FrameSizeProblem(const std::string& what, int64_t width, int64_t height,
                             int textureLimit) {
    const std::string texture = TextureProblem(what, width, height, textureLimit);
    if (!texture.empty()) {
        return texture;
    }
    const int64_t memory = int64_t{sysconf(_SC_PHYS_PAGES)} * sysconf(_SC_PAGESIZE);
    // Divided rather than multiplied: a hostile header's sides overflow the
    // product.
    if (width > 0 && height > 0 && memory > 0 && width > memory / kFrameBytesPerPixel / height) {
        return SizeText(what, width, height) + "needs about " +
               std::to_string(
                   static_cast<long long>(static_cast<double>(width) * static_cast<double>(height) *
                                          kFrameBytesPerPixel / 1e9)) +
               " GB of memory; this machine has " + std::to_string(memory / 1000000000) + " GB";
    }
    return "";
}
