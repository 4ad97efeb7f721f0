
#version 330

// Post-process pass: unpacks the two aberrated channels, takes the third
// channel and the alpha from the pre-processed frame (distorted alike when
// uniform distortion is on), builds the alpha, mixes back towards the source,
// turns the hue forwards again and writes (alpha, red, green, blue), the
// host's order.
//
// The average of the distorted source can take many draws: with sourceSumL 1
// a draw writes only the share of samples firstL .. firstL + countL - 1
// (countL 0: up to iterationsL) of that average, for additive blending into
// one target; with sourceSumL 2 the final draw takes the finished average
// from sourceSumTexture; with 0 it sums all samples itself.

uniform sampler2D videoTexture;      // packed (A colour, A alpha, B colour, B alpha)
uniform sampler2D inputFrameTexture; // pre-processed frame
uniform int mode;
uniform int preserveAlphaL;
uniform int unmult;
uniform float strengthF;
uniform float offsetHue;
uniform int iterationsL;
uniform float aspectF;
uniform vec2 resV;
uniform float offsetDistort; // the uniform distortion coefficient
uniform int sourceSumL;
uniform int firstL;
uniform int countL;
uniform sampler2D sourceSumTexture;

in vec2 out_uvs;

out vec4 FragColour;

const float eps = 0.0000001;

// x·(1 − s) + y·s, written out so that s = 1 gives y and s = 0 gives x.
float blend(float x, float y, float s)
{
    return x * (1.0 - s) + y * s;
}

vec3 rgb2hsv(vec3 c)
{
    vec4 k = vec4(0.0, -1.0 / 3.0, 2.0 / 3.0, -1.0);
    vec4 p = mix(vec4(c.g, c.b, k.x, k.y), vec4(c.b, c.g, k.w, k.z), step(c.g, c.b));
    vec4 q = mix(vec4(c.r, p.y, p.z, p.x), vec4(p.x, p.y, p.w, c.r), step(c.r, p.x));
    float d = q.x - min(q.w, q.y);
    return vec3(abs(q.z + (q.w - q.y) / (6.0 * d + eps)), d / (q.x + eps), q.x);
}

vec3 hsv2rgb(vec3 c)
{
    vec3 t = mod(6.0 * c.x + vec3(0.0, 4.0, 2.0), 6.0);
    vec3 rgb = clamp(abs(t - 3.0) - 1.0, 0.0, 1.0);
    return c.z * (vec3(1.0) + c.y * (rgb - vec3(1.0)));
}

vec2 distortUV(vec2 uv, float k)
{
    float kk = (k / 1000.0) * min(resV.x, resV.y);
    vec2 t = uv - vec2(0.5);
    float r2 = t.x * t.x / aspectF + t.y * t.y * aspectF;
    float f = 1.0 + r2 * kk;
    return f * t + vec2(0.5);
}

// The untouched channel follows the uniform part of the aberrate pass: this
// draw's share of the average of the source over the distortion samples.
vec4 distortedShare(int first, int count)
{
    float n = float(iterationsL);
    float m = 1.0 / n;
    float uStart = 0.9 * offsetDistort;
    float uStep = m * (offsetDistort - uStart);
    // Integer bounds: a float counter stops counting at 2^24.
    int lo = max(first, 1);
    int last = count > 0 ? min(lo + count - 1, iterationsL) : iterationsL;
    vec4 sum = vec4(0.0);
    for (int k = lo; k <= last; ++k) {
        sum += texture(inputFrameTexture, distortUV(out_uvs, uStart + uStep * float(k)));
    }
    return m * sum;
}

void main()
{
    if (sourceSumL == 1) {
        FragColour = distortedShare(firstL, countL);
        return;
    }

    vec4 P = texture(videoTexture, out_uvs);

    vec4 S;
    if (offsetDistort != 0.0) {
        S = sourceSumL == 2 ? texture(sourceSumTexture, out_uvs) : distortedShare(1, 0);
    } else {
        S = texture(inputFrameTexture, out_uvs);
    }

    FragColour = vec4(0.0);

    float cA = P.r;
    float aA = P.g;
    float cB = P.b;
    float aB = P.a;

    // Straight colour comes back weighted by its own alpha; premultiplied
    // colour already is.
    float kA = 1.0;
    float kB = 1.0;
    if (preserveAlphaL != 0) {
        kA = aA;
        kB = aB;
    }

    float t;
    if (mode == 1) {
        t = S.a + (1.0 - S.a) * aB;
        t = t + (1.0 - t) * aA;
        FragColour.rgb = vec3(cA * kA, S.g, cB * kB);
    } else if (mode == 2) {
        t = S.a + (1.0 - S.a) * aA;
        t = t + (1.0 - t) * aB;
        FragColour.rgb = vec3(cA * kA, cB * kB, S.b);
    } else {
        t = S.a + (1.0 - S.a) * aA;
        t = t + (1.0 - t) * aB;
        FragColour.rgb = vec3(S.r, cA * kA, cB * kB);
    }

    if (preserveAlphaL == 1) {
        FragColour.a = texture(inputFrameTexture, out_uvs).a;
    } else {
        FragColour.a = blend(t, S.a, strengthF);
    }

    if (unmult == 1) {
        float u = max(FragColour.r, max(FragColour.g, FragColour.b));
        if (preserveAlphaL == 1) {
            u = u * FragColour.a;
        }
        FragColour.a = min(u, 1.0);
    }

    if (strengthF > 0.0) {
        if (mode == 1 || mode == 2) {
            FragColour.r = blend(FragColour.r, S.r, strengthF);
        }
        if (mode == 2 || mode == 3) {
            FragColour.g = blend(FragColour.g, S.g, strengthF);
        }
        if (mode == 1 || mode == 3) {
            FragColour.b = blend(FragColour.b, S.b, strengthF);
        }
    }

    FragColour.a = blend(FragColour.a, S.a, strengthF);

    if (offsetHue != 0.0) {
        vec3 hsv = rgb2hsv(FragColour.rgb);
        hsv.x += offsetHue;
        FragColour.rgb = hsv2rgb(hsv);
    }

    FragColour = FragColour.argb;
}
