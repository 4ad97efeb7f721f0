// Which frames take the aberrate program's straight-path branch, and in how
// many draws, against values worked out by hand: the decision reads the
// single-precision values the program receives, so the boundaries are where
// a parameter first reaches (or fails to reach) single precision, and where
// the path first moves more than half a texel per sample.
#include <gtest/gtest.h>

#include <string>

#include "render/Passes.h"
#include "render/StraightPath.h"

namespace {

TEST(StraightPath, TakenWhenBothPathsAreStraightAndCrossFewerCellsThanSamples) {
    struct Case {
        const char* name;
        void (*apply)(ParamValues* p);
        bool straight;
        int uniform;  // "straightL": 0 loop, 1 border, 2 mirrored repeat
        int draws;    // of the whole 1920 x 1080 frame, aberrate pass included
    };
    // Draws: pre-process, aberrate, post-process; the aberrate pass splits at
    // 517 samples for the loop (2^31 reads / (1920 x 1080 x 2)) and at 129
    // cells for the branch (2^31 / (1920 x 1080 x 8)), of which 8 are kept
    // for the ends of the walk. Texels per sample (x and y added, times the
    // bound's 1.001): 2 P / n for Position P at n samples.
    const Case cases[] = {
        {"defaults (Position 0.5, Auto 708)", [](ParamValues*) {}, true, 2, 3},
        {"no edge repeat", [](ParamValues* p) { p->repeatEdges = false; }, true, 1, 3},
        // 748 samples, 0.107 texels each: 121 cells take 1130 > 748 samples
        {"Position 40", [](ParamValues* p) { p->position = 40; }, true, 2, 3},
        {"Position -40", [](ParamValues* p) { p->position = -40; }, true, 2, 3},
        // 943 samples, 0.4989 texels each: 242 samples per draw, 4 draws
        {"Position 235", [](ParamValues* p) { p->position = 235; }, true, 2, 6},
        // 944 samples, 0.5005 texels each: the loop, in 2 draws
        {"Position 236", [](ParamValues* p) { p->position = 236; }, true, 0, 4},
        {"Position 1000", [](ParamValues* p) { p->position = 1000; }, true, 0, 6},
        // 0.154 texels per sample at the top and bottom edges
        {"Skew X alone", [](ParamValues* p) { p->skewX = 10; }, true, 2, 3},
        // 20 / 10 % move a corner 1.37 texels per sample
        {"both distortions",
         [](ParamValues* p) { p->distortAberrate = 20, p->distortUniform = 10; }, true, 0, 0},
        {"a small aberration distortion", [](ParamValues* p) { p->distortAberrate = 2; }, true, 2,
         3},
        {"Skew X with the aberration distortion",
         [](ParamValues* p) { p->skewX = 10, p->distortAberrate = 2; }, false, 0, 0},
        {"Skew X with the uniform distortion",
         [](ParamValues* p) { p->skewX = 10, p->distortUniform = 2; }, false, 0, 0},
        // 1e-44 % is 1e-46, below the smallest float: the program gets 0
        {"Skew X below single precision, with a distortion",
         [](ParamValues* p) { p->skewX = 1e-44, p->distortAberrate = 2; }, true, 2, 3},
        {"Skew Y", [](ParamValues* p) { p->skewY = 5; }, false, 0, 0},
        {"both skews", [](ParamValues* p) { p->skewX = 10, p->skewY = 5; }, false, 0, 0},
        {"Rotation 1/65536 degree", [](ParamValues* p) { p->rotation = 1; }, false, 0, 0},
        {"Rotation 360", [](ParamValues* p) { p->rotation = 360 << 16; }, false, 0, 0},
        // 1 + 1e-8 rounds to 1.0f; 1 + 1e-6 does not
        {"Scale 100.000001 %", [](ParamValues* p) { p->scale = 100.000001; }, true, 2, 3},
        {"Scale 100.0001 %", [](ParamValues* p) { p->scale = 100.0001; }, false, 0, 0},
        {"Scale 0 % (0.001)", [](ParamValues* p) { p->scale = 0; }, false, 0, 0},
    };
    const BufferGeometry frame{1920, 1080, 0, 0};
    for (const Case& c : cases) {
        ParamValues p;
        p.samples = 3;
        p.position = 0.5;
        c.apply(&p);
        const RenderSettings s = DeriveRenderSettings(p, Ratio{1, 1}, frame, frame);
        EXPECT_EQ(PathIsStraight(s), c.straight) << c.name;
        EXPECT_EQ(TakesStraightPath(s, 1920, 1080), c.uniform != 0) << c.name;
        EXPECT_EQ(StraightPathUniform(s, 1920, 1080), c.uniform) << c.name;
        if (c.draws != 0) {
            EXPECT_EQ(CountFrameDraws(s, 1920, 1080), c.draws) << c.name;
        }
    }
}

}  // namespace
