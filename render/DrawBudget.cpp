#include "render/DrawBudget.h"

#include <algorithm>

int SamplesPerDraw(int64_t fragments, int readsPerSample) {
    const int64_t readsPerSampleAll = std::max<int64_t>(fragments, 1) * std::max(readsPerSample, 1);
    const int64_t byReads = kMaxReadsPerDraw / readsPerSampleAll;
    return static_cast<int>(std::clamp<int64_t>(byReads, 1, kMaxSamplesPerDraw));
}

int DrawsFor(int samples, int perDraw) {
    const int n = std::max(samples, 1);
    const int per = std::max(perDraw, 1);
    return n / per + (n % per != 0 ? 1 : 0);
}
