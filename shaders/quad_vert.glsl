
#version 330

// Shared vertex stage of every effect pass: the quad arrives in clip space
// and its texture coordinates pass through untouched, so the caller alone
// decides which part of the source each target texel reads.

in vec4 vertex;
in vec2 tex;

out vec2 out_uvs;

void main()
{
    gl_Position = vertex;
    out_uvs = tex;
}
