
#version 330

// Aberrate pass: averages iterationsL samples of the pre-processed frame
// along a path of growing transforms, channel A forwards and channel B the
// mirrored way, and packs both as (A colour, A alpha, B colour, B alpha).
// Sample i of channel A is the fragment rotated (in square-pixel space) by
// i/n of the rotation, distorted radially, scaled by offsetScale^(i/n), skewed
// in x then in y, and moved by i/n of the position; channel B turns and moves
// the other way, takes the reciprocal scale and twice the skew and aberration
// distortion. The loop below computes exactly that with the work shared:
// what does not change along the path is computed once per fragment.
// One draw covers samples firstL .. firstL + countL - 1 (countL 0: up to
// iterationsL) and writes their share of the average, so that the draws of a
// pass sum, by additive blending, to the average over all samples.

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
uniform int firstL;
uniform int countL;

in vec2 out_uvs;

out vec4 FragColour;

void main()
{
    float n = float(iterationsL);
    float m = 1.0 / n;

    vec2 posStep = m * offsetPos;
    float rotStep = m * offsetRot;
    float distortStep = m * offsetDistort;

    // The uniform distortion only covers the last tenth of its range.
    float uStart = 0.9 * uniformDistort;
    float uStep = m * (uniformDistort - uStart);

    // Integer bounds: a float counter stops counting at 2^24.
    int first = max(firstL, 1);
    int last = countL > 0 ? min(first + countL - 1, iterationsL) : iterationsL;

    // The fragment about the centre, in square-pixel space (p), and the same
    // times the aspect (q): a rotated point's texture x is q.x c + q.y s.
    vec2 p = out_uvs - vec2(0.5);
    p.x /= aspectF;
    vec2 q = p * aspectF;
    // Rotation keeps the distance from the centre, so the radial term of the
    // distortion is the fragment's own: r2 = x^2 / aspect + y^2 * aspect of
    // the rotated point in texture units, times min(resV) / 1000. The factor
    // (1 + r2 k) is linear in the sample number for either channel.
    float radial = aspectF * dot(p, p) * (min(resV.x, resV.y) / 1000.0);
    float distortBase = 1.0 + radial * uStart;
    float distortA = radial * (uStep + distortStep);
    float distortB = radial * (uStep + distortStep * 2.0);
    // Skews in texture units about the centre: x by y's distance, then y by
    // the skewed x's distance, normalised to target pixels, per sample.
    float skewX = m * offsetShearX * (normaliseExp.x / normaliseExp.y);
    float skewY = m * offsetShearY * (normaliseExp.y / normaliseExp.x);

    // Rotation and scale advance by one step's factor per sample; every 64
    // samples they are taken exactly, so rounding cannot build up. A turn by
    // the step in square-pixel space, seen in texture units, is the matrix
    // below; it carries the scale step too, so that one matrix product per
    // sample and channel moves the rotated, scaled offset along. Channel B
    // turns the other way and takes the inverse scale.
    float logScale = log2(offsetScale);
    float scaleStep = exp2(logScale * m);
    float cosStep = cos(rotStep);
    float sinStep = sin(rotStep);
    mat2 stepA = scaleStep * mat2(cosStep, -sinStep / aspectF, sinStep * aspectF, cosStep);
    mat2 stepB = (1.0 / scaleStep) * mat2(cosStep, sinStep / aspectF, -sinStep * aspectF, cosStep);
    float skewX2 = skewX * 2.0;
    float skewY2 = skewY * 2.0;

    vec4 fragA = vec4(0.0);
    vec4 fragB = vec4(0.0);

    // Bottom-tested loops: a SIMD rasterizer runs a top-tested loop's body
    // once more, with no fragment active, before it sees that all are done;
    // every draw has at least one sample, so the test can come last.
    int block = first;
    if (first <= last) {
        do {
            float at = float(block);
            float c = cos(rotStep * at);
            float s = sin(rotStep * at);
            float scaleA = exp2(logScale * (at * m));
            float scaleB = 1.0 / scaleA;
            float xc = q.x * c;
            float ys = q.y * s;
            float yc = p.y * c;
            float xs = p.x * s;
            // Channel A turns by the angle, channel B against it.
            vec2 turnA = scaleA * vec2(xc + ys, yc - xs);
            vec2 turnB = scaleB * vec2(xc - ys, yc + xs);
            int end = min(block + 63, last);
            int k = block;
            do {
                float i = float(k);
                vec2 a = (distortBase + distortA * i) * turnA;
                vec2 b = (distortBase + distortB * i) * turnB;
                a.x += a.y * (skewX * i);
                a.y += a.x * (skewY * i);
                b.x += b.y * (skewX2 * i);
                b.y += b.x * (skewY2 * i);
                vec2 move = posStep * i;
                fragA += texture(videoTexture, a + (vec2(0.5) + move));
                fragB += texture(videoTexture, b + (vec2(0.5) - move));
                turnA = stepA * turnA;
                turnB = stepB * turnB;
                ++k;
            } while (k <= end);
            block += 64;
        } while (block <= last);
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
