// The iterate suites: every pixel once, on several threads, padded rows safe.

#include "FakeEffect.h"

#include <atomic>
#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>

namespace {

using fake::Fixture;
using IterateTest = Fixture;

struct Visits {
    std::mutex mu;
    std::multiset<std::pair<A_long, A_long>> seen;
    std::set<std::thread::id> threads;
};

PF_Err Visit8(void* refcon, A_long x, A_long y, PF_Pixel* in, PF_Pixel* out) {
    Visits* v = static_cast<Visits*>(refcon);
    {
        std::lock_guard<std::mutex> lock(v->mu);
        v->seen.insert({x, y});
        v->threads.insert(std::this_thread::get_id());
    }
    // out gets in with red and blue swapped, so the copy can be checked.
    out->alpha = in->alpha;
    out->red = in->blue;
    out->green = in->green;
    out->blue = in->red;
    return PF_Err_NONE;
}

PF_Err VisitFloat(void* refcon, A_long x, A_long y, PF_PixelFloat* in, PF_PixelFloat* out) {
    Visits* v = static_cast<Visits*>(refcon);
    {
        std::lock_guard<std::mutex> lock(v->mu);
        v->seen.insert({x, y});
    }
    *out = *in;
    out->red = in->red * 2;
    return PF_Err_NONE;
}

TEST_F(IterateTest, EveryPixelExactlyOnceWithPaddedRows) {
    host.settings.rowPaddingBytes = 32;
    host.settings.iterateThreads = 4;
    SetUpEffect();
    Visits visits;
    PF_Err err = -1;
    bool copiedRight = true;
    InCommand([&](PF_InData* in, PF_OutData*) {
        const auto* worlds =
            static_cast<const PF_WorldSuite2*>(host.SuiteTable("PF World Suite", 2));
        const auto* it8 =
            static_cast<const PF_Iterate8Suite1*>(host.SuiteTable("PF Iterate8 Suite", 1));
        PF_EffectWorld src, dst;
        worlds->PF_NewWorld(in->effect_ref, 7, 9, true, PF_PixelFormat_ARGB32, &src);
        worlds->PF_NewWorld(in->effect_ref, 7, 9, true, PF_PixelFormat_ARGB32, &dst);
        for (A_long y = 0; y < 9; ++y) {
            PF_Pixel* row =
                reinterpret_cast<PF_Pixel*>(reinterpret_cast<char*>(src.data) + y * src.rowbytes);
            for (A_long x = 0; x < 7; ++x)
                row[x] = PF_Pixel{255, static_cast<A_u_char>(x), 0, static_cast<A_u_char>(y)};
        }
        err = it8->iterate(in, 0, 9, &src, nullptr, &visits, &Visit8, &dst);
        for (A_long y = 0; y < 9; ++y) {
            const PF_Pixel* row = reinterpret_cast<const PF_Pixel*>(
                reinterpret_cast<const char*>(dst.data) + y * dst.rowbytes);
            for (A_long x = 0; x < 7; ++x)
                copiedRight = copiedRight && row[x].red == y && row[x].blue == x;
        }
        worlds->PF_DisposeWorld(in->effect_ref, &src);
        worlds->PF_DisposeWorld(in->effect_ref, &dst);
        return PF_Err_NONE;
    });
    EXPECT_EQ(err, PF_Err_NONE);
    EXPECT_EQ(visits.seen.size(), 63u);
    for (A_long y = 0; y < 9; ++y) {
        for (A_long x = 0; x < 7; ++x)
            EXPECT_EQ(visits.seen.count({x, y}), 1u) << x << "," << y;
    }
    EXPECT_TRUE(copiedRight);
    const auto records = host.Iterations();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].pixels, 63);
    EXPECT_EQ(records[0].threadsUsed, 4);
    EXPECT_EQ(records[0].lastProgress, 9);  // progress reached final
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(IterateTest, FloatSuiteOverAnAreaAndWrongFormatIsRefused) {
    SetUpEffect();
    Visits visits;
    PF_Err areaErr = -1, wrongErr = -1;
    InCommand([&](PF_InData* in, PF_OutData*) {
        const auto* worlds =
            static_cast<const PF_WorldSuite2*>(host.SuiteTable("PF World Suite", 2));
        const auto* itF =
            static_cast<const PF_IterateFloatSuite1*>(host.SuiteTable("PF iterateFloat Suite", 1));
        PF_EffectWorld f, b;
        worlds->PF_NewWorld(in->effect_ref, 5, 5, true, PF_PixelFormat_ARGB128, &f);
        worlds->PF_NewWorld(in->effect_ref, 5, 5, true, PF_PixelFormat_ARGB32, &b);
        const PF_Rect area = {1, 2, 4, 3};
        areaErr = itF->iterate(in, 0, 1, &f, &area, &visits, &VisitFloat, &f);
        wrongErr = itF->iterate(in, 0, 5, &b, nullptr, &visits, &VisitFloat, &b);
        worlds->PF_DisposeWorld(in->effect_ref, &f);
        worlds->PF_DisposeWorld(in->effect_ref, &b);
        return PF_Err_NONE;
    });
    EXPECT_EQ(areaErr, PF_Err_NONE);
    EXPECT_EQ(visits.seen, (std::multiset<std::pair<A_long, A_long>>{{1, 2}, {2, 2}, {3, 2}}));
    EXPECT_EQ(wrongErr, PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_TRUE(simhost::Mentions(host.TakeViolations(),
                                  "PF iterateFloat Suite 1.iterate on a world of pixel format"));
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(IterateTest, CallbackErrorsStopAndExceptionsAreViolations) {
    SetUpEffect();
    PF_Err errResult = 0, throwResult = 0;
    InCommand([&](PF_InData* in, PF_OutData*) {
        const auto* worlds =
            static_cast<const PF_WorldSuite2*>(host.SuiteTable("PF World Suite", 2));
        PF_EffectWorld w;
        worlds->PF_NewWorld(in->effect_ref, 4, 4, true, PF_PixelFormat_ARGB32, &w);
        errResult = in->utils->iterate(
            in, 0, 4, &w, nullptr, nullptr,
            [](void*, A_long x, A_long y, PF_Pixel*, PF_Pixel*) -> PF_Err {
                return (x == 2 && y == 1) ? 99 : 0;
            },
            &w);
        throwResult = in->utils->iterate(
            in, 0, 4, &w, nullptr, nullptr,
            [](void*, A_long, A_long, PF_Pixel*, PF_Pixel*) -> PF_Err {
                throw std::runtime_error("pixel");
            },
            &w);
        worlds->PF_DisposeWorld(in->effect_ref, &w);
        return PF_Err_NONE;
    });
    EXPECT_EQ(errResult, 99);
    EXPECT_EQ(throwResult, PF_Err_INTERNAL_STRUCT_DAMAGED);
    EXPECT_TRUE(simhost::Mentions(host.TakeViolations(),
                                  "exception escaped into the host from a utils.iterate callback"));
    EXPECT_HOST_FINISHES_CLEAN(host);
}

}  // namespace
