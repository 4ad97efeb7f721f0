#pragma once

#include <cstdint>

#include "host/HostInterface.h"

// The parameter values that the frame path reads, copied as the host delivers
// them: angles stay 16.16 fixed-point degrees, percentages stay percentages,
// pixel amounts are at full resolution, popups are 1-based and checkboxes keep
// only the low byte of their value. Filled by ReadParams; a plain value.
struct ParamValues {
    int32_t channels = 1;           // PARAM_CHANNELS
    int32_t hueShift = 0;           // PARAM_HUE_SHIFT, 16.16 degrees
    double position = 0.0;          // PARAM_POSITION, pixels
    int32_t rotation = 0;           // PARAM_ROTATION, 16.16 degrees
    double scale = 100.0;           // PARAM_SCALE, percent
    double distortUniform = 0.0;    // PARAM_DISTORT_UNIFORM, percent
    double distortAberrate = 0.0;   // PARAM_DISTORT_ABERRATE, percent
    double skewX = 0.0;             // PARAM_SKEW_X, percent
    double skewY = 0.0;             // PARAM_SKEW_Y, percent
    double blur = 0.0;              // PARAM_BLUR, pixels
    int32_t samples = 1;            // PARAM_SAMPLES
    double sampleCount = 10.0;      // PARAM_SAMPLE_COUNT
    double sampleMultiplier = 1.0;  // PARAM_SAMPLE_MULTIPLIER
    bool repeatEdges = true;        // PARAM_REPEAT_EDGE_PIXELS
    bool preserveAlpha = false;     // PARAM_PRESERVE_ALPHA
    bool unmult = false;            // PARAM_UNMULT
    int32_t expansionMode = 1;      // PARAM_EXPANSION_MODE
    int32_t auxExpansion = 0;       // PARAM_AUX_EXPANSION, pixels
    int32_t expansionLimit = 1000;  // PARAM_EXPANSION_LIMIT, pixels
    double mix = 0.0;               // PARAM_MIX, percent
};

// Size and layer-space position of one host buffer.
struct BufferGeometry {
    int32_t width = 0;
    int32_t height = 0;
    int32_t originX = 0;
    int32_t originY = 0;
};

BufferGeometry GeometryOf(const PF_EffectWorld& world);

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
    A_FloatRect sourceRect = {0.0, 0.0, 1.0, 1.0};  // each member holds a float value
};

// The horizontal downsample factor: numerator and denominator divided in
// single precision, widened to double. Used for both axes.
double DownsampleFactor(const PF_RationalScale& downsampleX);

// Truncation toward zero to 32 bits; values beyond the range saturate and NaN
// gives 0, so no parameter combination reaches undefined behaviour.
int32_t TruncToInt(double v);

// Pure: no host or GL call. input/output are the buffers of the smart render.
RenderSettings DeriveRenderSettings(const ParamValues& params, const PF_RationalScale& downsampleX,
                                    const BufferGeometry& input, const BufferGeometry& output);

// A blur stride in pixels turned into texture units along an axis of the
// given length, as the blur programs receive it.
float BlurStrideUniform(float stridePixels, int32_t axisLength);
