#pragma once

// Frames rendered through both builds of the module, the Linux one and the
// Windows one under Wine, so the two can be compared pixel by pixel. Shared
// by the Linux test (tests/windows) and the Windows program that renders the
// Windows side (wineframes/).

#include <string>
#include <vector>

#include "simhost/Image.h"
#include "simhost/SimHost.h"

struct WineFrameCase {
    const char* name;
    bool isFloat;
    void (*apply)(simhost::Host& host);
};

// 8-bit and float, one with blur and a grown output.
extern const std::vector<WineFrameCase> kWineFrameCases;

// One frame of `frameCase` through `entry` on a fresh simulated host. The
// host's own checks (leaks, misuse) are returned in *violations.
simhost::RenderedFrame RenderWineFrameCase(PF_FilterProc entry, const WineFrameCase& frameCase,
                                           std::vector<std::string>* violations);

// A rendered output and where it lies in layer coordinates, as a small file
// the two sides exchange: "HLV3RAW1", then width, height, pixel format, left
// and top as 32-bit little-endian integers, then the pixels row by row
// without padding.
bool WriteFrameFile(const std::string& path, const simhost::Image& image, const PF_LRect& rect);
bool ReadFrameFile(const std::string& path, simhost::Image* image, PF_LRect* rect);
