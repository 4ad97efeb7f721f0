#pragma once

#include <functional>

// Runs body(item) for every item of [0, count) over the machine's hardware
// threads (the calling thread among them) and returns once all have run.
// body must not throw and may run on several threads at once. Should a
// thread fail to start, the calling thread runs the items left. Always 0.
int ParallelForOnHardwareThreads(int count, const std::function<void(int item)>& body);
