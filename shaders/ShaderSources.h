#pragma once

// GLSL sources of the effect's programs, embedded verbatim from
// shaders/NAME.glsl at build time (the definitions are generated).
//
// Contract of every text: NUL-terminated, read-only, alive for the whole
// process, and it begins with a line break followed by "#version 330", so it
// compiles on its own with an empty prefix string ahead of it. The names of
// attributes, uniforms and outputs inside are the binding contract with the
// toolkit, which sets them by name.
//
// quad_vert      vertex stage shared by all five programs:
//                in vec4 vertex, in vec2 tex; out vec2 out_uvs.
// preProc_frag   videoTexture, preserveAlphaL, preProcL, swizzleL, offsetHue, resV
//                (declared, unused); out colourOut.
// aberrate_frag  videoTexture, aspectF, offsetPos, offsetRot, offsetScale,
//                offsetShearX, offsetShearY, offsetDistort, uniformDistort, resV,
//                normaliseExp, mode, iterationsL, firstL, countL (the draw's
//                share of the samples), straightL (0 the sample loop; 1 or 2
//                the straight-path branch with a transparent border or
//                mirrored repeat); out FragColour
//                (A colour, A alpha, B colour, B alpha).
// blurW_frag     videoTexture, stepsA, strideA, stepsB, strideB; out FragColour.
// blurH_frag     as blurW_frag, along y. Both need stepsA and stepsB >= 1.
// postProc_frag  videoTexture (packed), inputFrameTexture (pre-processed frame),
//                mode, preserveAlphaL, unmult, strengthF, offsetHue, iterationsL,
//                aspectF, resV, offsetDistort, sourceSumL, firstL, countL,
//                sourceSumTexture (the distortion average in shares); out
//                FragColour as (a, r, g, b).
extern "C++" const char quad_vert[];
extern "C++" const char preProc_frag[];
extern "C++" const char aberrate_frag[];
extern "C++" const char blurW_frag[];
extern "C++" const char blurH_frag[];
extern "C++" const char postProc_frag[];
// copyTexel_frag videoTexture; out FragColour = the texel under the fragment
//                (texelFetch), for the read-back check of render/ByteReadback.
extern "C++" const char copyTexel_frag[];
