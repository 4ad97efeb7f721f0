#pragma once

#include <functional>
#include <string>
#include <vector>

#include "context/LocalGLStruct.h"
#include "gl/FrameTargets.h"
#include "render/Frame.h"
#include "render/ImageView.h"
#include "render/RenderSettings.h"
#include "simhost/Image.h"

// The frame `hlv3host bench` times: whole frames through the render core,
// their steps timed through the core's timing hook, beside bilinear-fetch
// floors the bench draws in its own context.

using Action = std::function<void()>;

// The bench's own context: the effect's programs in it play the global data
// block from which the core makes the thread's render context, and the
// floors' programs (tools/hlv3host/shaders) draw in it. Made and deleted by
// the bench.
struct BenchPrograms {
    LocalGLStruct global = {};
    GLuint pathFloor = 0;
    GLuint pointFloor = 0;
};

// One frame of a case: its settings, the host's buffers and the request the
// core renders them from, and the floors' targets in the bench's context.
// Not copyable: the views point into the images.
struct FrameBench {
    RenderSettings s;
    int w = 0;
    int h = 0;
    simhost::Image input;   // the layer, as the host holds it
    simhost::Image temp;    // the copy-in's RGBA copy, uploaded by the core
    simhost::Image output;  // the host's output buffer
    FrameRequest request;
    FrameTargets floors = {};

    FrameBench() = default;
    FrameBench(const FrameBench&) = delete;
    FrameBench& operator=(const FrameBench&) = delete;
    ~FrameBench() { ReleaseFrameTargets(&floors); }
};

// A frame step's time and the floor it is related to (none for the steps
// without one, such as the targets).
struct StepTime {
    std::string name;
    int reads = 0;  // texture reads per output pixel of the floor
    double ms = 0;
    double floorMs = 0;
    bool onCpu = false;  // a host-side step (copy-in, premultiply)
};

// Makes *f a w x h frame of the test card at `bitdepth` (8, 16 or 32) with
// the parameter values `params`, and renders it once, so that every step
// finds the thread's context and kept targets. False when the core could not
// render it.
bool StartFrame(const BenchPrograms& p, const ParamValues& params, int w, int h, short bitdepth,
                FrameBench* f);

// The CPU backend's times for the same frame: the whole frame, and each
// step through the timing hook (one entry per FrameStep; 0 for a step the
// frame does not take).
struct CpuFrameTimes {
    double wholeMs = 0;
    std::vector<double> stepMs;
};

// Times k rounds (`now` reads the clock in ms; the GPU is waited for at both
// ends of every step), each: the host's copy-in, one frame through the core with
// its steps timed by the hook, every floor, the host's premultiply, one
// frame without the hook, and the same frame on the CPU backend with and
// without the hook. Keeps each one's fastest. *wholeMs is the GL frame
// without the hook.
std::vector<StepTime> TimeFrameSteps(const BenchPrograms& p, FrameBench* f, int k,
                                     const std::function<double()>& now, double* wholeMs,
                                     CpuFrameTimes* cpu);

// Texel cells that the straight paths of both channels cross together from
// the first sample to the last, per pixel of a w x h frame: mean and largest.
void StraightCells(const RenderSettings& s, int w, int h, double* mean, int* largest);
