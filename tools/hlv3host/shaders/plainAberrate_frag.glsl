
#version 330

// The aberrate program as it was before its loop was restructured and split
// into draws: one draw, a float counter, sin, cos and the skews redone for
// every sample. Kept only so that the benchmark measures before and after in
// one run; the effect never builds it.
//
// Aberrate pass: averages iterationsL samples of the pre-processed frame
// along a path of growing transforms, channel A forwards and channel B the
// mirrored way, and packs both as (A colour, A alpha, B colour, B alpha).

uniform sampler2D videoTexture;
uniform float aspectF;
uniform vec2 offsetPos;
uniform float offsetRot;
uniform float offsetScale;
uniform float offsetShearX;
uniform float offsetShearY;
uniform float offsetDistort;
uniform float uniformDistort;
uniform vec2 resV;
uniform vec2 normaliseExp;
uniform int mode;
uniform int iterationsL;

in vec2 out_uvs;

out vec4 FragColour;

// Radial distortion about the centre, measured in target pixels so that the
// coefficient means the same on every frame shape.
vec2 distortUV(vec2 uv, float k)
{
    float kk = (k / 1000.0) * min(resV.x, resV.y);
    vec2 t = uv - vec2(0.5);
    float r2 = t.x * t.x / aspectF + t.y * t.y * aspectF;
    float f = 1.0 + r2 * kk;
    return f * t + vec2(0.5);
}

// The coordinate of one sample, always built from the fragment's own
// coordinate: rotate (in square-pixel space), distort, scale, skew x, skew y
// with the skewed x, then move.
vec2 modifyCoords(float posX, float posY, float rot, float scale, float shearX, float shearY,
                  float distort)
{
    vec2 v = out_uvs - vec2(0.5);
    v.x /= aspectF;
    float c = cos(rot);
    float s = sin(rot);
    v = vec2(v.x * c + v.y * s, -v.x * s + v.y * c);
    v.x *= aspectF;
    v += vec2(0.5);

    v = distortUV(v, distort);

    v = scale * (v - vec2(0.5)) + vec2(0.5);

    v.x += ((v.y - 0.5) / normaliseExp.y) * shearX * normaliseExp.x;
    v.y += ((v.x - 0.5) / normaliseExp.x) * shearY * normaliseExp.y;

    v += vec2(posX, posY);
    return v;
}

void main()
{
    float n = float(iterationsL);
    float m = 1.0 / n;

    vec2 posStep = m * offsetPos;
    float rotStep = m * offsetRot;
    float shearXStep = m * offsetShearX;
    float shearYStep = m * offsetShearY;
    float distortStep = m * offsetDistort;

    // The uniform distortion only covers the last tenth of its range.
    float uStart = 0.9 * uniformDistort;
    float uStep = m * (uniformDistort - uStart);

    float scaleStep = pow(offsetScale, 1.0 / n);
    float scaleCur = scaleStep;

    vec4 fragA = vec4(0.0);
    vec4 fragB = vec4(0.0);

    for (float i = 1.0; i <= n; i += 1.0) {
        vec2 a = modifyCoords(posStep.x * i, posStep.y * i, rotStep * i, scaleCur,
                              shearXStep * i, shearYStep * i,
                              (uStart + uStep * i) + distortStep * i);
        vec2 b = modifyCoords(-posStep.x * i, -posStep.y * i, -rotStep * i, 1.0 / scaleCur,
                              shearXStep * i * 2.0, shearYStep * i * 2.0,
                              (uStart + uStep * i) + distortStep * i * 2.0);
        scaleCur = scaleCur * scaleStep;
        fragA += texture(videoTexture, a);
        fragB += texture(videoTexture, b);
    }

    fragA = fragA * m;
    fragB = fragB * m;

    if (mode == 1) {
        FragColour = vec4(fragA.r, fragA.a, fragB.b, fragB.a);
    } else if (mode == 2) {
        FragColour = vec4(fragA.r, fragA.a, fragB.g, fragB.a);
    } else {
        FragColour = vec4(fragA.g, fragA.a, fragB.b, fragB.a);
    }
}
