#pragma once

#include <memory>

#include "context/LocalGLStruct.h"

// Releases a thread's render record on the thread that owns it: with the
// record's own context current, deletes its kept frame targets and its five
// programs (preProc, aberrate, blurW, blurH, postProc), then the context,
// then frees the record.
// A record without a context is only freed. Takes no lock.
struct tls_ctx_deleter {
    void operator()(LocalGLStruct* record) const noexcept;
};

// This thread's render record: empty until the thread's first render, then
// owned here until the thread ends (tls_ctx_deleter runs at thread exit).
// Only InitThreadLocalRenderData fills it.
extern thread_local std::unique_ptr<LocalGLStruct, tls_ctx_deleter> local_render_data;

// Prepares the calling thread for rendering and leaves its context current.
// On the thread's first call, when `global` (the effect's global data block)
// holds a context, creates the thread's own context and program set; a failed
// creation is kept as a record with no context and never retried. Call it
// with globalMutex held (context creation is GL work); it takes tls_mutex
// (lock order: globalMutex, then tls_mutex) and calls nothing of the host.
// Never throws.
void InitThreadLocalRenderData(const LocalGLStruct* global);

// This thread's render record, or nullptr when the thread has none. Owned by
// local_render_data; valid on this thread until it ends.
LocalGLStruct* GetThreadLocalRenderData();
