#pragma once

#include <mutex>

// The process-wide render lock. EffectMain holds it for the whole smart-render
// command and for nothing else, so frames render one at a time. It exists from
// module load to unload. Recursive, so code that runs inside a render may take
// it again. Lock order: globalMutex first, then the per-thread context lock.
extern std::recursive_mutex globalMutex;
