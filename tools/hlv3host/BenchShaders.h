#pragma once

// GLSL fragment stages of the benchmark's own passes (each with the shared
// vertex stage quad_vert), NUL-terminated, alive for the whole process.
//
// kPlainAberrateFrag  the aberrate program before its restructuring, same
//                     uniforms as aberrate_frag without firstL and countL.
// kPathFloorFrag      videoTexture, aspectF, offsetPos, offsetRot,
//                     offsetScale, iterationsL, firstL, countL.
// kPointFloorFrag     videoTexture, readsL.
extern const char kPlainAberrateFrag[];
extern const char kPathFloorFrag[];
extern const char kPointFloorFrag[];
