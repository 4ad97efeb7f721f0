#include "render/cpu/ParallelFor.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

int ParallelForOnHardwareThreads(int count, const std::function<void(int item)>& body) {
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int item = next.fetch_add(1); item < count; item = next.fetch_add(1)) {
            body(item);
        }
    };
    const int threads = std::min(count, static_cast<int>(std::thread::hardware_concurrency()));
    std::vector<std::thread> helpers;
    try {
        for (int t = 1; t < threads; ++t) {
            helpers.emplace_back(work);
        }
    } catch (...) {
        // Fewer helpers: the items are shared among those that started.
    }
    work();
    for (std::thread& helper : helpers) {
        helper.join();
    }
    return 0;
}
