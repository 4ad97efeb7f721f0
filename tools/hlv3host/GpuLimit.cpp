#include "tools/hlv3host/GpuLimit.h"

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
