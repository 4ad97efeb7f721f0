#pragma once

// Small GLSL programs for exercising the toolkit without the effect's own.

#include "gl/Programs.h"

// The same inputs as the effect's shared vertex stage.
inline constexpr char kQuadVert[] = R"(
#version 330
in vec4 vertex;
in vec2 tex;
out vec2 uv;
void main() { uv = tex; gl_Position = vertex; }
)";

// Writes the sampled texel at the interpolated coordinate.
inline constexpr char kCopyFrag[] = R"(
#version 330
uniform sampler2D videoTexture;
in vec2 uv;
out vec4 colour;
void main() { colour = texture(videoTexture, uv); }
)";

// Builds a program from the two stages; 0 on failure.
inline GLuint BuildProgram(const char* vert, const char* frag) {
    const ShaderParam list[] = {{GL_VERTEX_SHADER, vert}, {GL_FRAGMENT_SHADER, frag}, {0, nullptr}};
    return CreateProgram(list, "");
}
