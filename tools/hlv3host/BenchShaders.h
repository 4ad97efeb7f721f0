#pragma once

// GLSL fragment stages of the benchmark's own passes (each with the shared
// vertex stage quad_vert), embedded from tools/hlv3host/shaders/NAME.glsl;
// NUL-terminated, alive for the whole process.
//
// pathFloor_frag      videoTexture, aspectF, offsetPos, offsetRot,
//                     offsetScale, iterationsL, firstL, countL.
// pointFloor_frag     videoTexture, readsL.
extern "C++" const char pathFloor_frag[];
extern "C++" const char pointFloor_frag[];
