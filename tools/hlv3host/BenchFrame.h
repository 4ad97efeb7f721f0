#pragma once

#include <functional>
#include <string>
#include <vector>

#include "gl/FrameTargets.h"
#include "gl/GLPrograms.h"
#include "gl/Uniforms.h"
#include "render/ImageView.h"
#include "render/Passes.h"
#include "render/RenderSettings.h"
#include "simhost/Image.h"

// The frame `hlv3host bench` times: the system's own frame steps one at a
// time, each with the bilinear-fetch floor it is related to. Everything here
// needs the bench's context current.

using Action = std::function<void()>;

// The effect's programs and the floors' (tools/hlv3host/shaders), made and
// deleted by the bench.
struct BenchPrograms {
    GLPrograms effect = {};
    GLuint pathFloor = 0;
    GLuint pointFloor = 0;
};

// One frame of a case: its settings, the host's buffers, the targets and
// the uniforms the passes leave for each other. Not copyable: the
// views point into the images and the steps into the record.
struct FrameBench {
    RenderSettings s;
    int w = 0;
    int h = 0;
    short bitdepth = 8;
    simhost::Image input;
    simhost::Image temp;
    simhost::Image output;
    ImageView tempView;  // of temp and output, at the frame's depth
    ImageView outView;
    FrameTargets t = {};
    UniformMap u;
    FrameDraws d;

    FrameBench() = default;
    FrameBench(const FrameBench&) = delete;
    FrameBench& operator=(const FrameBench&) = delete;
    ~FrameBench() { ReleaseFrameTargets(&t); }
};

// A frame step and the floor it is related to (none for the targets).
struct Step {
    std::string name;
    int reads = 0;  // texture reads per output pixel of the floor
    Action run;
    Action floor;
};

// Makes *f a w x h frame of the test card with settings `s` at `bitdepth`
// bits per channel (8, 16 or 32) and runs it up to the pre-process pass, so
// that every step finds its input. False when a target is no complete
// framebuffer.
bool StartFrame(const BenchPrograms& p, const RenderSettings& s, int w, int h, short bitdepth,
                FrameBench* f);

// The frame's steps in order, each with its floor. This is the one place
// that knows how a frame is called step by step: the passes one at a time,
// as render/Passes.h exports them. The actions refer to `p` and *f.
std::vector<Step> FrameSteps(const BenchPrograms& p, FrameBench* f);

// The GPU part of a frame in one run: targets, upload, every pass, read-back.
Action WholeFrame(const BenchPrograms& p, FrameBench* f);

// Texel cells that the straight paths of both channels cross together from
// the first sample to the last, per pixel of a w x h frame: mean and largest.
void StraightCells(const RenderSettings& s, int w, int h, double* mean, int* largest);
