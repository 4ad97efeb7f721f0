// The iterate functions: "PF Iterate8 Suite" 1, "PF iterateFloat Suite" 1,
// "PF Iterate16 Suite" 1 and
// the utils.iterate / utils.iterate_generic callbacks. Rows are spread over
// several threads, as the host does; every pixel of the area is passed to the
// callback exactly once.

#include "simhost/HostInternal.h"
#include "simhost/SimHost.h"
#include "simhost/Unsimulated.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace simhost {

namespace {

// Runs body(threadIndex, item) for items 0..count-1 over up to `threads`
// threads; stops handing out items once body returns non-zero. Returns the
// first error; an exception in a worker is recorded as a violation (it would
// have crossed into the host) and gives PF_Err_INTERNAL_STRUCT_DAMAGED.
template <typename Body>
PF_Err Spread(Host& host, const char* key, A_long count, int threads, Body body, int* threadsUsed) {
    const int n = static_cast<int>(std::max<A_long>(1, std::min<A_long>(threads, count)));
    *threadsUsed = n;
    std::atomic<A_long> next{0};
    std::atomic<bool> stop{false};
    std::mutex mu;
    PF_Err first = 0;
    std::exception_ptr thrown;
    auto worker = [&](int threadIndex) {
        while (!stop.load()) {
            const A_long item = next.fetch_add(1);
            if (item >= count)
                return;
            PF_Err err = 0;
            try {
                err = body(threadIndex, item);
            } catch (...) {
                std::lock_guard<std::mutex> lock(mu);
                if (!thrown)
                    thrown = std::current_exception();
                stop.store(true);
                return;
            }
            if (err != 0) {
                std::lock_guard<std::mutex> lock(mu);
                if (first == 0)
                    first = err;
                stop.store(true);
                return;
            }
        }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < n; ++t)
        pool.emplace_back(worker, t);
    worker(0);
    for (std::thread& t : pool)
        t.join();
    if (thrown) {
        host.Violation(std::string("exception escaped into the host from a ") + key +
                       " callback: " + ExceptionText(thrown));
        return PF_Err_INTERNAL_STRUCT_DAMAGED;
    }
    return first;
}

template <typename Pixel>
PF_Err RunIterate(const char* key, PF_PixelFormat expected, PF_InData* in_data, A_long base,
                  A_long final, PF_EffectWorld* src, const PF_Rect* area, void* refcon,
                  PF_Err (*fn)(void*, A_long, A_long, Pixel*, Pixel*), PF_EffectWorld* dst) {
    Host& host = LiveHost(key);
    if (const PF_Err err = host.Enter(key))
        return err;
    if (in_data == nullptr || host.InDataOf(in_data->effect_ref) == nullptr) {
        host.Violation(std::string(key) + " called without the in_data of a command in flight");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    if (fn == nullptr || dst == nullptr) {
        host.Violation(std::string(key) + " called without a pixel function or destination world");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    const PF_EffectWorld* const worlds[2] = {src, dst};
    for (const PF_EffectWorld* w : worlds) {
        if (w == nullptr)
            continue;
        std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
        const Host::WorldRec* const rec = HostAccess::FindWorld(host, w);
        if (rec == nullptr) {
            host.Violation(std::string(key) +
                           " on a world the host did not make (or already disposed)");
            return PF_Err_BAD_CALLBACK_PARAM;
        }
        if (rec->format != expected) {
            host.Violation(std::string(key) + " on a world of pixel format " +
                           std::to_string(rec->format) + ", which this suite cannot read");
            return PF_Err_BAD_CALLBACK_PARAM;
        }
    }
    const PF_LRect whole = PF_LRect{0, 0, dst->width, dst->height};
    const PF_LRect region = area != nullptr ? *area : whole;
    const bool inDst = region.left >= 0 && region.top >= 0 && region.right <= dst->width &&
                       region.bottom <= dst->height;
    const bool inSrc =
        src == nullptr || (region.left >= 0 && region.top >= 0 && region.right <= src->width &&
                           region.bottom <= src->height);
    if (!inDst || !inSrc) {
        host.Violation(std::string(key) + " over " + Describe(region) +
                       ", which is not inside both worlds");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    IterateRecord record;
    record.key = key;
    record.progressBase = base;
    record.progressFinal = final;
    record.rows = std::max<A_long>(0, region.bottom - region.top);
    if (host.settings.userAborted) {
        record.result = PF_Interrupt_CANCEL;
        std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
        HostAccess::Iterations(host).push_back(record);
        return PF_Interrupt_CANCEL;
    }
    std::atomic<A_long> pixels{0};
    std::atomic<A_long> rowsDone{0};
    const A_long width = std::max<A_long>(0, region.right - region.left);
    auto row = [&](int, A_long i) -> PF_Err {
        const A_long y = region.top + i;
        Pixel* const out =
            reinterpret_cast<Pixel*>(reinterpret_cast<unsigned char*>(dst->data) +
                                     static_cast<size_t>(y) * static_cast<size_t>(dst->rowbytes));
        Pixel* const in = src == nullptr
                              ? nullptr
                              : reinterpret_cast<Pixel*>(
                                    reinterpret_cast<unsigned char*>(src->data) +
                                    static_cast<size_t>(y) * static_cast<size_t>(src->rowbytes));
        for (A_long x = region.left; x < region.left + width; ++x) {
            const PF_Err err = fn(refcon, x, y, in == nullptr ? nullptr : in + x, out + x);
            pixels.fetch_add(1);
            if (err != 0)
                return err;
        }
        rowsDone.fetch_add(1);
        return 0;
    };
    record.result =
        Spread(host, key, record.rows, host.settings.iterateThreads, row, &record.threadsUsed);
    record.pixels = pixels.load();
    const A_long done = rowsDone.load();
    record.lastProgress =
        record.rows == 0
            ? final
            : base +
                  static_cast<A_long>((static_cast<long long>(final - base) * done) / record.rows);
    HostAccess::CheckPadding(host, *dst, key);
    std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
    HostAccess::Iterations(host).push_back(record);
    return record.result;
}

template <const char* K>
PF_Err Iterate8(PF_InData* in_data, A_long base, A_long final, PF_EffectWorld* src,
                const PF_Rect* area, void* refcon, PF_IteratePixel8Func fn, PF_EffectWorld* dst) {
    return RunIterate<PF_Pixel>(K, PF_PixelFormat_ARGB32, in_data, base, final, src, area, refcon,
                                fn, dst);
}

template <const char* K>
PF_Err IterateFloat(PF_InData* in_data, A_long base, A_long final, PF_EffectWorld* src,
                    const PF_Rect* area, void* refcon, PF_IteratePixelFloatFunc fn,
                    PF_EffectWorld* dst) {
    return RunIterate<PF_PixelFloat>(K, PF_PixelFormat_ARGB128, in_data, base, final, src, area,
                                     refcon, fn, dst);
}

template <const char* K>
PF_Err Iterate16(PF_InData* in_data, A_long base, A_long final, PF_EffectWorld* src,
                 const PF_Rect* area, void* refcon, PF_IteratePixel16Func fn, PF_EffectWorld* dst) {
    return RunIterate<PF_Pixel16>(K, PF_PixelFormat_ARGB64, in_data, base, final, src, area, refcon,
                                  fn, dst);
}

template <const char* K>
PF_Err IterateGeneric(A_long iterations, void* refcon,
                      PF_Err (*fn)(void*, A_long, A_long, A_long)) {
    Host& host = LiveHost(K);
    if (const PF_Err err = host.Enter(K))
        return err;
    if (fn == nullptr || iterations < -1) {
        host.Violation(std::string(K) + " called without a function or with a negative count");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    int used = 0;
    IterateRecord record;
    record.key = K;
    if (iterations == PF_Iterations_ONCE_PER_PROCESSOR) {
        const A_long n = std::max(1, host.settings.iterateThreads);
        record.rows = n;
        record.result = Spread(
            host, K, n, static_cast<int>(n), [&](int, A_long i) { return fn(refcon, i, i, n); },
            &used);
    } else {
        record.rows = iterations;
        record.result = Spread(
            host, K, iterations, host.settings.iterateThreads,
            [&](int thread, A_long i) { return fn(refcon, thread, i, iterations); }, &used);
    }
    record.threadsUsed = used;
    std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
    HostAccess::Iterations(host).push_back(record);
    return record.result;
}

constexpr char kIterate8[] = "PF Iterate8 Suite 1.iterate";
constexpr char kIterate8Generic[] = "PF Iterate8 Suite 1.iterate_generic";
constexpr char kIterateFloat[] = "PF iterateFloat Suite 1.iterate";
constexpr char kIterate16[] = "PF Iterate16 Suite 1.iterate";
constexpr char kUtilsIterate[] = "utils.iterate";
constexpr char kUtilsIterateGeneric[] = "utils.iterate_generic";

}  // namespace

const PF_Iterate8Suite1* HostAccess::Iterate8Suite() {
    static const PF_Iterate8Suite1 table = [] {
        PF_Iterate8Suite1 t = {};
        t.iterate = &Iterate8<kIterate8>;
        SIMHOST_UNSIMULATED(t, "PF Iterate8 Suite 1", iterate_origin);
        SIMHOST_UNSIMULATED(t, "PF Iterate8 Suite 1", iterate_lut);
        SIMHOST_UNSIMULATED(t, "PF Iterate8 Suite 1", iterate_origin_non_clip_src);
        t.iterate_generic = &IterateGeneric<kIterate8Generic>;
        return t;
    }();
    return &table;
}

const PF_IterateFloatSuite1* HostAccess::IterateFloatSuite() {
    static const PF_IterateFloatSuite1 table = [] {
        PF_IterateFloatSuite1 t = {};
        t.iterate = &IterateFloat<kIterateFloat>;
        SIMHOST_UNSIMULATED(t, "PF iterateFloat Suite 1", iterate_origin);
        SIMHOST_UNSIMULATED(t, "PF iterateFloat Suite 1", iterate_origin_non_clip_src);
        return t;
    }();
    return &table;
}

const PF_Iterate16Suite1* HostAccess::Iterate16Suite() {
    static const PF_Iterate16Suite1 table = [] {
        PF_Iterate16Suite1 t = {};
        t.iterate = &Iterate16<kIterate16>;
        SIMHOST_UNSIMULATED(t, "PF Iterate16 Suite 1", iterate_origin);
        SIMHOST_UNSIMULATED(t, "PF Iterate16 Suite 1", iterate_origin_non_clip_src);
        return t;
    }();
    return &table;
}

void HostAccess::FillIterateUtils(PF_UtilCallbacks& u) {
    u.iterate = &Iterate8<kUtilsIterate>;
    u.iterate_generic = &IterateGeneric<kUtilsIterateGeneric>;
}

std::vector<IterateRecord> Host::Iterations() const {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    return iterations_;
}

std::vector<std::pair<A_long, A_long>> Host::ProgressReports() const {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    return progressReports_;
}

}  // namespace simhost
