
#version 330

// Separable Gaussian along y over the packed aberrate output: red and
// green (channel A) go through kernel A, blue and alpha (channel B) through
// kernel B, each with its own radius. stepsA and stepsB must be at least 1.

uniform sampler2D videoTexture;
uniform int stepsA;
uniform float strideA;
uniform int stepsB;
uniform float strideB;

in vec2 out_uvs;

out vec4 FragColour;

// Variance 0.06 in units of the kernel's half-width.
float getWeight(float x)
{
    return exp(-0.5 * x * x / 0.06);
}

vec4 blurAlong(int steps, float stride)
{
    vec4 total = vec4(0.0);
    float weightSum = 0.0;
    for (int i = -steps; i <= steps; ++i) {
        float w = getWeight(float(i) / float(steps));
        total += w * texture(videoTexture, out_uvs + vec2(0.0, float(i) * stride));
        weightSum += w;
    }
    return total / weightSum;
}

void main()
{
    vec4 totalA = blurAlong(stepsA, strideA);
    vec4 totalB = blurAlong(stepsB, strideB);
    FragColour = vec4(totalA.r, totalA.g, totalB.b, totalB.a);
}
