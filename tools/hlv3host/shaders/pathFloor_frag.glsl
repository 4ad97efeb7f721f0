
#version 330

// Two bilinear reads per sample, walking in n equal steps from the fragment
// along a straight line to where the effect's last sample of channel A lands
// (rotation and scale about the centre, then the move) and mirrored for
// channel B: the reads of the aberrate pass, over the same texels, without its
// arithmetic. Split into draws the way the effect splits its loop.
uniform sampler2D videoTexture;
uniform float aspectF;
uniform vec2 offsetPos;
uniform float offsetRot;
uniform float offsetScale;
uniform int iterationsL;
uniform int firstL;
uniform int countL;
in vec2 out_uvs;
out vec4 FragColour;
void main() {
    vec2 p = out_uvs - vec2(0.5);
    p.x /= aspectF;
    float c = cos(offsetRot);
    float s = sin(offsetRot);
    vec2 q = offsetScale * vec2((p.x * c + p.y * s) * aspectF, -p.x * s + p.y * c);
    vec2 step = (q + vec2(0.5) + offsetPos - out_uvs) / float(iterationsL);
    vec4 acc = vec4(0.0);
    // Bottom-tested, as the effect's loops are: a SIMD rasterizer runs a
    // top-tested body once more with no fragment active, which would charge
    // the floor reads the effect does not make. Every draw has a sample.
    int k = firstL;
    do {
        vec2 d = step * float(k);
        acc += texture(videoTexture, out_uvs + d);
        acc += texture(videoTexture, out_uvs - d);
        ++k;
    } while (k < firstL + countL);
    FragColour = acc / float(iterationsL);
}
