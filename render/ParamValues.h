#pragma once

#include <cstdint>

// Choice values of the popups (1-based, as the host numbers them).
enum ChannelsChoice : int {
    CHANNELS_RED_BLUE = 1,
    CHANNELS_RED_GREEN = 2,
    CHANNELS_GREEN_BLUE = 3
};
enum SamplesChoice : int {
    SAMPLES_SINGLE = 1,
    SAMPLES_SEPARATOR = 2,
    SAMPLES_AUTO = 3,
    SAMPLES_FIXED = 4
};
enum ExpansionModeChoice : int { EXPANSION_AUTO = 1, EXPANSION_MANUAL = 2 };

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
