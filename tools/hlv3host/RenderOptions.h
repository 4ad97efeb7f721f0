#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "tools/hlv3host/ImageFiles.h"

// The command lines of `render` and `demo`, and everything about a run that
// is checked before the module renders anything.

// Which of the effect's renderers the run lets frames use.
enum class RendererChoice {
    kAuto,  // the GPU when a context can be made and the frame fits its textures, else the CPU
    kGpu,   // the GPU only: no context, or a frame beyond its textures, is an error
    kCpu,   // the CPU for every frame: no GL context can be made in the process
};

struct RenderOptions {
    std::string module;
    std::string input;
    std::string output;
    std::string card;  // demo only: also write the unrendered card here
    std::vector<std::string> sets;
    int downsample = 1;
    int depth = 0;  // bits per channel of the output file; 0: the default for the format
    int bpc = 0;    // the project's bits per channel (8, 16, 32); 0: the input file's
    bool adjustment = false;
    bool json = false;
    bool quiet = false;
    bool crop = false;
    bool sequence = false;
    int firstFrame = 0;
    int lastFrame = 0;
    bool eightBit = false;  // demo only: render the card as 8-bit instead of float
    RendererChoice renderer = RendererChoice::kAuto;
};

// A failure: the exit status and one line for the user; status 0 is none.
struct RunFailure {
    int status = 0;
    std::string message;
};

// Everything a run needs, checked before the module renders anything: the
// frame numbers with their input and output file names, and the output's
// format.
struct FramePlan {
    std::vector<int> frames;
    std::vector<std::string> inputs;
    std::vector<std::string> outputs;
    std::vector<ImageHeader> headers;  // of the inputs; none for demo
    ImageKind kind = ImageKind::kNone;
};

// Parses the options shared by render and demo (`demo` picks the command).
// Returns -1 to go on, else the exit status (usage and errors printed).
int ParseRenderOptions(int argc, char** argv, RenderOptions* o, bool demo);

void PrintRenderUsage(std::FILE* to);
void PrintDemoUsage(std::FILE* to);

// Reports a bad command line: one line on standard error and, when --json
// is anywhere on the line, a JSON report with the error. Returns 2.
int BadArguments(int argc, char** argv, const std::string& message);

// Fills *plan from the options and checks the output's type, depth, folder
// and name, the frame number fields and, for render, that every input
// exists, is a readable image (header only) whose size this machine's memory
// can take, and is no frame's output.
RunFailure CheckPlan(const RenderOptions& o, bool demo, FramePlan* plan);
