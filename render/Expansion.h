#pragma once

#include <cstdint>

#include "render/RectMath.h"
#include "render/RenderSettings.h"

// The pure part of the smart pre-render: how far the input request and the
// announced output grow for a set of parameter values. s is the horizontal
// downsample factor (DownsampleFactor).
struct ExpansionValues {
    double positionPixels = 0.0;
    double rotationDegrees = 0.0;
    int32_t blurMargin = 0;
    int32_t limit = 0;
    double aux = 0.0;
    double scaleExtent = 1.0;  // never below 1: 50 % counts like 200 %
};

ExpansionValues DeriveExpansion(const ParamValues& params, double s);

// Margin added on all four sides of the host's input request.
int32_t InputMargin(const ParamValues& params, const ExpansionValues& e, bool adjustmentLayer);

// Margin added on all four sides of the input layer's extent (w x h) for the
// announced output: covers both displaced channels, blur and aux expansion.
int32_t OutputMargin(const ParamValues& params, const ExpansionValues& e, int32_t w, int32_t h);

// The layer's own area at the current resolution, which an adjustment
// layer's output always covers.
IntRect AdjustmentLayerRect(int32_t width, int32_t height, const Ratio& downsampleX);
