#pragma once

#include <mutex>
#include <utility>

// The process-wide GL lock. A frame holds it while its thread issues GL
// commands (context creation included) and lets it go for every call into
// the host: under multi-frame rendering the host may, inside any callback,
// render another frame of this effect on another thread and wait for it (a
// dependent layer), so a lock held across a callback can hang the host.
// Nothing else takes it. Recursive; exists from module load to unload. Lock
// order: globalMutex, then the per-thread context lock.
extern std::recursive_mutex globalMutex;

// A frame's hold on globalMutex: taken when made, given back when destroyed.
using GLWorkLock = std::unique_lock<std::recursive_mutex>;

// Calls the host through `hostCall` with *lock let go, and takes the lock
// again afterwards, also when the call throws. Every call into the host made
// while a frame holds the lock goes through here.
template <typename Call>
auto CallHostUnlocked(GLWorkLock* lock, Call&& hostCall) -> decltype(hostCall()) {
    struct Relock {
        GLWorkLock* lock;
        ~Relock() { lock->lock(); }
    };
    lock->unlock();
    const Relock relock{lock};
    return std::forward<Call>(hostCall)();
}
