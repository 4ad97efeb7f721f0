#pragma once

#include "render/ParamValues.h"

// Index of each parameter in the host's parameter array. The order is part of
// every saved project (together with the disk ids registered in ParamsSetup),
// so entries are never reordered, removed or inserted.
enum ParamIndex : int {
    PARAM_INPUT = 0,
    PARAM_ABOUT_GROUP,            // 1
    PARAM_HEADER,                 // 2
    PARAM_PRODUCT_PAGE,           // 3
    PARAM_MORE_PLUGINS,           // 4
    PARAM_GET_SUPPORT,            // 5
    PARAM_GPU_INFO_GROUP,         // 6
    PARAM_GPU_INFO_GROUP_END,     // 7
    PARAM_GPU_VENDOR,             // 8
    PARAM_GPU_RENDERER,           // 9
    PARAM_GL_VERSION,             // 10
    PARAM_SHADER_VERSION,         // 11
    PARAM_ABOUT_SPACER,           // 12
    PARAM_ABOUT_SPACER_END,       // 13
    PARAM_ABOUT_GROUP_END,        // 14
    PARAM_CHANNELS,               // 15
    PARAM_HUE_SHIFT,              // 16
    PARAM_TRANSFORM_GROUP,        // 17
    PARAM_POSITION,               // 18
    PARAM_ROTATION,               // 19
    PARAM_SCALE,                  // 20
    PARAM_STYLISTIC_GROUP,        // 21
    PARAM_DISTORT_UNIFORM,        // 22
    PARAM_DISTORT_ABERRATE,       // 23
    PARAM_SKEW_X,                 // 24
    PARAM_SKEW_Y,                 // 25
    PARAM_BLUR,                   // 26
    PARAM_STYLISTIC_SPACER,       // 27
    PARAM_STYLISTIC_SPACER_END,   // 28
    PARAM_SAMPLES,                // 29
    PARAM_SAMPLE_COUNT,           // 30
    PARAM_SAMPLE_MULTIPLIER,      // 31
    PARAM_STYLISTIC_GROUP_END,    // 32
    PARAM_RESET_TRANSFORMS,       // 33
    PARAM_TRANSFORM_GROUP_END,    // 34
    PARAM_COMPOSITING_GROUP,      // 35
    PARAM_REPEAT_EDGE_PIXELS,     // 36
    PARAM_PRESERVE_ALPHA,         // 37
    PARAM_UNMULT,                 // 38
    PARAM_COMPOSITING_GROUP_END,  // 39
    PARAM_EXPANSION_GROUP,        // 40
    PARAM_EXPANSION_MODE,         // 41
    PARAM_AUX_EXPANSION,          // 42
    PARAM_EXPANSION_LIMIT,        // 43
    PARAM_EXPANSION_GROUP_END,    // 44
    PARAM_MIX,                    // 45
    PARAM_DEBUG_GROUP,            // 46
    PARAM_DEBUG_VIEW,             // 47
    PARAM_DEBUG_PREPROCESS,       // 48
    PARAM_DEBUG_UPDATE_SHADERS,   // 49
    PARAM_DEBUG_OUTPUT_FILL,      // 50
    PARAM_DEBUG_GPU_FILL,         // 51
    PARAM_DEBUG_LEFT,             // 52
    PARAM_DEBUG_TOP,              // 53
    PARAM_DEBUG_RIGHT,            // 54
    PARAM_DEBUG_BOTTOM,           // 55
    PARAM_DEBUG_GROUP_END,        // 56
    PARAM_COUNT                   // 57, the input layer included
};

static_assert(PARAM_RESET_TRANSFORMS == 33, "parameter order is stored in projects");
static_assert(PARAM_DEBUG_GROUP_END == 56, "parameter order is stored in projects");
static_assert(PARAM_COUNT == 57, "parameter order is stored in projects");
