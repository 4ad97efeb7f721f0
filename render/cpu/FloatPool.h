#pragma once

#include <cstddef>
#include <memory>

// The CPU backend's buffers. A thread keeps those of its last frame for its
// next, as the GL backend keeps its targets, up to the same bound: a fresh
// buffer costs a page fault for every 4 KiB on its first write, which took
// as long as a whole single-sample frame at 1080p.

namespace cpu {

// Gives a buffer back to the calling thread's pool when it is destroyed:
// kept while the pool holds no more than its bound (the oldest kept buffers
// freed first to make room), else freed.
struct ReturnToPool {
    std::size_t count = 0;
    void operator()(float* values) const;
};
using FloatBuffer = std::unique_ptr<float[], ReturnToPool>;

// `count` floats, not cleared: a kept buffer of exactly that many, else a
// new one. Null when the allocation fails (never throws).
FloatBuffer TakeFloats(std::size_t count);

}  // namespace cpu
