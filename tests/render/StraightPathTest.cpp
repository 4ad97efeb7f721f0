// Which frames take the aberrate program's straight-path branch, and in how
// many draws, against values worked out by hand: the decision reads the
// single-precision values the program receives, so the boundaries are where
// a parameter first reaches (or fails to reach) single precision.
#include <gtest/gtest.h>

#include <string>

#include "render/Passes.h"
#include "render/StraightPath.h"

namespace {

TEST(StraightPath, TakenExactlyWhenBothPathsAreStraight) {
    struct Case {
        const char* name;
        void (*apply)(ParamValues* p);
        int uniform;  // "straightL": 0 loop, 1 border, 2 mirrored repeat
        int draws;    // of the whole 1920 x 1080 frame, aberrate pass included
    };
    // Draws: pre-process, aberrate, post-process; the aberrate pass splits at
    // 517 samples for the loop (2^31 reads / (1920 x 1080 x 2)) and at 129
    // cells for the branch (2^31 / (1920 x 1080 x 8)).
    const Case cases[] = {
        {"defaults (Position 0.5, Auto 708)", [](ParamValues*) {}, 2, 3},
        {"no edge repeat", [](ParamValues* p) { p->repeatEdges = false; }, 1, 3},
        // 748 samples, 80/748 texels each: 121 cells take 1130 > 748 samples
        {"Position 40", [](ParamValues* p) { p->position = 40; }, 2, 3},
        {"Position -40", [](ParamValues* p) { p->position = -40; }, 2, 3},
        // 1708 samples, 2000/1708 texels each: 121 cells take 103 samples,
        // less than the 129 that 129 cells always take: 14 draws
        {"Position 1000", [](ParamValues* p) { p->position = 1000; }, 2, 16},
        {"both distortions",
         [](ParamValues* p) { p->distortAberrate = 20, p->distortUniform = 10; }, 2, 0},
        {"Skew X alone", [](ParamValues* p) { p->skewX = 10; }, 2, 0},
        {"Skew X with the aberration distortion",
         [](ParamValues* p) { p->skewX = 10, p->distortAberrate = 5; }, 0, 0},
        {"Skew X with the uniform distortion",
         [](ParamValues* p) { p->skewX = 10, p->distortUniform = 5; }, 0, 0},
        // 1e-44 % is 1e-46, below the smallest float: the program gets 0
        {"Skew X below single precision, with a distortion",
         [](ParamValues* p) { p->skewX = 1e-44, p->distortAberrate = 5; }, 2, 0},
        {"Skew Y", [](ParamValues* p) { p->skewY = 5; }, 0, 0},
        {"both skews", [](ParamValues* p) { p->skewX = 10, p->skewY = 5; }, 0, 0},
        {"Rotation 1/65536 degree", [](ParamValues* p) { p->rotation = 1; }, 0, 0},
        {"Rotation 360", [](ParamValues* p) { p->rotation = 360 << 16; }, 0, 0},
        // 1 + 1e-8 rounds to 1.0f; 1 + 1e-6 does not
        {"Scale 100.000001 %", [](ParamValues* p) { p->scale = 100.000001; }, 2, 3},
        {"Scale 100.0001 %", [](ParamValues* p) { p->scale = 100.0001; }, 0, 0},
        {"Scale 0 % (0.001)", [](ParamValues* p) { p->scale = 0; }, 0, 0},
    };
    const BufferGeometry frame{1920, 1080, 0, 0};
    for (const Case& c : cases) {
        ParamValues p;
        p.samples = 3;
        p.position = 0.5;
        c.apply(&p);
        const RenderSettings s = DeriveRenderSettings(p, PF_RationalScale{1, 1}, frame, frame);
        EXPECT_EQ(TakesStraightPath(s), c.uniform != 0) << c.name;
        EXPECT_EQ(StraightPathUniform(s), c.uniform) << c.name;
        if (c.draws != 0) {
            EXPECT_EQ(CountFrameDraws(s, 1920, 1080), c.draws) << c.name;
        }
    }
}

}  // namespace
