
#version 330

// Writes the texel of videoTexture under the fragment as it is, so that the
// target's own storage format converts it: the read-back check compares how
// an 8-bit target and an 8-bit read of a float target round the same values.

uniform sampler2D videoTexture;

in vec2 out_uvs;

out vec4 FragColour;

void main()
{
    FragColour = texelFetch(videoTexture, ivec2(gl_FragCoord.xy), 0);
}
