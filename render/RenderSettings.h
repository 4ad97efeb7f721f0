#pragma once

#include <cstdint>

#include "gl/Vectors.h"
#include "render/ImageView.h"
#include "render/ParamValues.h"

// Size and layer-space position of one host buffer.
struct BufferGeometry {
    int32_t width = 0;
    int32_t height = 0;
    int32_t originX = 0;
    int32_t originY = 0;
};

BufferGeometry GeometryOf(const ImageView& view);

// Everything one frame is rendered from. Values marked f64 are sent to the
// programs as single precision; the f32 values already hold what is sent.
struct RenderSettings {
    double downsample = 1.0;
    double hueOffset = 0.0;  // turns, keeps the sign of the angle
    double rotationDegrees = 0.0;
    double rotationRadians = 0.0;
    double scale = 1.0;  // never below 0.001
    double shearX = 0.0;
    double shearY = 0.0;
    double aberrateDistort = 0.0;
    double uniformDistort = 0.0;
    double positionPixels = 0.0;
    float positionOffset[2] = {0.f, 0.f};
    float normaliseExp[2] = {1.f, 1.f};
    float aspect = 1.f;
    float inputResolution[2] = {0.f, 0.f};
    double blurPixels = 0.0;
    bool blurEnabled = false;
    int32_t blurStepsA = 0;
    int32_t blurStepsB = 0;
    float blurStrideA = 0.f;  // pixels
    float blurStrideB = 0.f;  // pixels
    double mixStrength = 0.0;
    int32_t channelMode = 1;
    int32_t sampleCount = 1;
    int32_t preserveAlpha = 0;
    int32_t unmult = 0;
    bool repeatEdges = true;
    RectF sourceRect = {0.0, 0.0, 1.0, 1.0};  // each member holds a float value
};

// A downsample factor as the host gives it: num / den.
struct Ratio {
    int32_t num = 1;
    uint32_t den = 1;
};

// The horizontal downsample factor: numerator and denominator divided in
// single precision, widened to double. Used for both axes.
double DownsampleFactor(const Ratio& downsampleX);

// Truncation toward zero to 32 bits; values beyond the range saturate and NaN
// gives 0, so no parameter combination reaches undefined behaviour.
int32_t TruncToInt(double v);

// Pure: no host or GL call. input/output are the buffers of the smart render.
RenderSettings DeriveRenderSettings(const ParamValues& params, const Ratio& downsampleX,
                                    const BufferGeometry& input, const BufferGeometry& output);

// A blur stride in pixels turned into texture units along an axis of the
// given length, as the blur programs receive it.
float BlurStrideUniform(float stridePixels, int32_t axisLength);
