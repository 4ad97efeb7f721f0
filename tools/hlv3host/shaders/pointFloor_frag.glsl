
#version 330

// Reads the texture `readsL` times at the fragment's own coordinate: the
// floor of the one- and two-read steps, whose reads are all there.
uniform sampler2D videoTexture;
uniform int readsL;
in vec2 out_uvs;
out vec4 FragColour;
void main() {
    vec4 acc = vec4(0.0);
    // Bottom-tested (readsL >= 1), like the path floor.
    int i = 0;
    do {
        acc += texture(videoTexture, out_uvs + vec2(float(i) * 0.000001, 0.0));
        ++i;
    } while (i < readsL);
    FragColour = acc;
}
