#include "render/cpu/FloatPool.h"

#include <new>
#include <vector>

#include "gl/FrameTargets.h"

namespace cpu {

namespace {

// One thread's kept buffers, oldest first; freed when the thread ends.
struct Pool {
    struct Kept {
        std::size_t count;
        float* values;
    };
    std::vector<Kept> kept;
    std::size_t bytes = 0;

    Pool() { kept.reserve(kSlots); }
    ~Pool() {
        for (const Kept& k : kept) {
            delete[] k.values;
        }
    }
    Pool(const Pool&) = delete;
    Pool& operator=(const Pool&) = delete;

    // More buffers than a frame holds at once; a buffer beyond them is freed.
    static constexpr std::size_t kSlots = 16;
};

thread_local Pool pool;

}  // namespace

void ReturnToPool::operator()(float* values) const {
    if (!values) {
        return;
    }
    const std::size_t bytes = count * sizeof(float);
    if (bytes > kMaxKeptTargetBytes) {
        delete[] values;
        return;
    }
    while (!pool.kept.empty() &&
           (pool.bytes + bytes > kMaxKeptTargetBytes || pool.kept.size() >= Pool::kSlots)) {
        delete[] pool.kept.front().values;
        pool.bytes -= pool.kept.front().count * sizeof(float);
        pool.kept.erase(pool.kept.begin());
    }
    pool.kept.push_back({count, values});  // within the reserved slots: no allocation
    pool.bytes += bytes;
}

FloatBuffer TakeFloats(std::size_t count) {
    for (auto k = pool.kept.begin(); k != pool.kept.end(); ++k) {
        if (k->count == count) {
            float* const values = k->values;
            pool.bytes -= count * sizeof(float);
            pool.kept.erase(k);
            return FloatBuffer(values, ReturnToPool{count});
        }
    }
    return FloatBuffer(new (std::nothrow) float[count], ReturnToPool{count});
}

}  // namespace cpu
