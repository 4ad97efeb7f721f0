#include "context/ThreadContext.h"

#include <mutex>
#include <new>

#include "context/Context.h"
#include "context/GLWorkLock.h"
#include "gl/Programs.h"

std::recursive_mutex globalMutex;

thread_local std::unique_ptr<LocalGLStruct, tls_ctx_deleter> local_render_data;

void tls_ctx_deleter::operator()(LocalGLStruct* record) const noexcept {
    if (!record) {
        return;
    }
    if (record->context) {
        SetCurrentContext(record->context);
        // Where the context cannot be made current any more (on Windows the
        // system may have taken the thread's window first), its objects go
        // with it; GL calls without it would crash.
        if (IsContextCurrent(record->context)) {
            ReleaseFrameTargets(&record->targets);
            DeleteGLPrograms(&record->programs);
        }
        DeleteContext(record->context);
        record->context = nullptr;
    }
    delete record;
}

void InitThreadLocalRenderData(const LocalGLStruct* global) {
    static std::mutex tls_mutex;
    const std::lock_guard<std::mutex> lock(tls_mutex);

    if (local_render_data) {
        SetCurrentContext(local_render_data->context);
        return;
    }
    if (!global || !global->context) {
        return;
    }

    local_render_data.reset(new (std::nothrow) LocalGLStruct{});
    if (!local_render_data) {
        return;
    }
    local_render_data->context = CreateContext(nullptr);
    if (local_render_data->context) {
        SetCurrentContext(local_render_data->context);
        CreateGLPrograms(&local_render_data->programs);
    }
}

LocalGLStruct* GetThreadLocalRenderData() {
    return local_render_data.get();
}
