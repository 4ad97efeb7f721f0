#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "gl/Buffers.h"
#include "gl/GLApi.h"
#include "gl/Uniforms.h"
#include "gl/Vectors.h"

// The full-target quad in clip space, strip order: (-1,-1), (1,-1), (-1,1),
// (1,1), each with z 0 and w 1.
extern const float quad_vertices[16];
// Default texture coordinates of those corners: (0,0), (1,0), (0,1), (1,1).
extern const float quad_tex[8];

// Indices into GL_Pod::drawParams.
enum PodWord : int {
    POD_MODE = 0,             // primitive mode
    POD_FIRST = 1,            // first vertex of array drawing
    POD_COUNT = 2,            // vertex or index count
    POD_RESERVED = 3,         // not read
    POD_INDEX_BUFFER = 4,     // index buffer, 0 draws arrays
    POD_FEEDBACK_BUFFER = 5,  // transform-feedback buffer, 0 for none
    POD_INSTANCES = 6,        // instance count
    POD_FEEDBACK_MODE = 7,    // transform-feedback primitive mode
    POD_RESTART_INDEX = 8,    // primitive restart index, 0 for no restart
    POD_CULL_FACE = 9,        // cull-face mode, 0 for no culling
    POD_PROGRAM = 10,         // program name
};

// One drawable. Held by value by whoever builds it. Destroying it makes no GL
// call: the GL buffers listed in `buffers` (created in creation order by the
// pod's builder) must be released by whoever draws it, with DeletePodBuffers.
struct GL_Pod {
    std::array<uint32_t, 11> drawParams;
    UniformMap uniforms;
    AttributeMap attributes;
    std::vector<GLuint> buffers;
};

// A quad pod drawing `program` with a copy of `uniforms`; creates its two
// vertex buffers (16 position floats, 8 texture-coordinate floats).
GL_Pod CreateQuadFromVertices(GLuint program, const UniformMap& uniforms, const float positions[16],
                              const float texcoords[8]);

// Deletes every buffer the pod created, in one call, and empties its list.
void DeletePodBuffers(GL_Pod* pod);

// One draw of `drawParams` with `vertexArray` and `program` into `framebuffer`
// over `viewport` (x, y, width, height). Leaves no vertex array, program or
// framebuffer bound, and culling, primitive restart and rasterizer discard as
// it found them when the pod's words ask for none of them.
void RenderGeneric(Vec4i viewport, const std::array<uint32_t, 11>& drawParams, GLuint vertexArray,
                   GLuint framebuffer, GLuint program);

// Binds the pod's attributes (into a vertex array made for this draw) and
// uniforms, draws it into `framebuffer` and puts every binding it made back to
// the default: no vertex array, program, framebuffer or texture bound, texture
// unit 0 active. The pod's buffers stay the caller's.
void RenderPOD(GLuint framebuffer, Vec4i viewport, const GL_Pod& pod);
