
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
// 0: the sample loop. 1 or 2: every sample of a channel lies on one straight
// line, equally spaced (set only then, by the pass), and the average is taken
// cell by cell in closed form; 1 for a transparent border, 2 for mirrored
// repeat, the texture's own wrap mode, which texelFetch does not apply.
uniform int straightL;

in vec2 out_uvs;

out vec4 FragColour;

// ---- Straight paths: the average in time proportional to the path's length.
//
// With no rotation, a scale of 1 and no skew in y, sample i of channel A is
// f_i * t + 0.5 + i * posStep (t the fragment about the centre, skewed in x by
// i * skewX * t.y when f is constant), with f_i = 1 + r2 (uStart + (uStep +
// distortStep) i) linear in i: a straight line, equally spaced; likewise
// channel B. Within one texel cell, bilinear filtering is then
//   T00 (1-x)(1-y) + T10 x (1-y) + T01 (1-x) y + T11 x y
// with x and y linear in i, so the sum over the k samples of a run in the cell
// needs only their mean position (xm, ym) and the mean of x y, which is
// xm ym + dx dy (k^2 - 1) / 12 for equally spaced samples.

// The texel indices that GL's mirrored repeat reads for lattice indices i
// (whole numbers held as floats): (size - 1) - mirror((i mod 2 size) -
// size). Float arithmetic throughout, which vectorises where integer
// division and multiplication do not: i + 0.5 is never a multiple of the
// period, so for |i| below 2^20 texels the quotient cannot round across a
// whole number; the clamp keeps any index beyond that within the texture.
vec2 straightMirror(vec2 i, vec2 size, vec2 invPeriod)
{
    vec2 period = 2.0 * size;
    vec2 r = i - period * floor((i + vec2(0.5)) * invPeriod);
    r += step(size, r) * (period - vec2(1.0) - 2.0 * r);
    return clamp(r, vec2(0.0), size - vec2(1.0));
}

// Per axis, the walk runs in the direction of travel: dir * position grows
// with the sample number, at `rate` per sample, from `origin` at sample 0.
// Sample j enters travel cell b at the first j with origin + j rate >= b,
// ceil((b - origin) / rate), which never decreases as b grows: the cells cut
// the samples into runs, each sample in exactly one. A sample within rounding
// of a cell's edge may be taken in the neighbour: bilinear filtering is
// continuous across the edge, so the error is of that rounding.
//
// The travel cell that holds sample j (its floor, corrected to agree with the
// entry indices) and the first sample beyond it. An axis moving less than
// 1e-20 texels per sample (invRate 0) stays in one cell.
vec2 straightCell(float j, float origin, float rate, float invRate)
{
    if (invRate == 0.0) {
        return vec2(floor(origin), 3.0e38);
    }
    float b = clamp(floor(origin + j * rate), -1.0e9, 1.0e9);
    float enter = ceil((b - origin) * invRate);
    float leave = ceil((b + 1.0 - origin) * invRate);
    if (enter > j) {
        leave = enter;
        b -= 1.0;
    } else if (leave <= j) {
        b += 1.0;
        leave = ceil((b + 1.0 - origin) * invRate);
    }
    return vec2(b, leave);
}

// One run: the samples from sample `first + done` to where the line leaves
// that sample's cell (at most count - done of them), added to sum; returns
// how many it took (at least 1).
int straightRun(inout vec4 sum, int first, int done, int count, vec2 origin, vec2 d, vec2 dir,
                vec2 travel, vec2 rate, vec2 invRate, vec2 sizeF, vec2 invPeriod)
{
    float j = float(first + done);
    vec2 cx = straightCell(j, travel.x, rate.x, invRate.x);
    vec2 cy = straightCell(j, travel.y, rate.y, invRate.y);
    // In ints at the end: float(count - done) may round up past 2^24.
    int take = min(int(clamp(min(cx.y, cy.y) - j, 1.0, float(count - done))), count - done);
    // The cell in texel indices: travel cell b is [b, b + 1) in travel
    // units, so texel b going forwards and texel -b - 1 going backwards.
    vec2 cell = vec2(dir.x > 0.0 ? cx.x : -cx.x - 1.0, dir.y > 0.0 ? cy.x : -cy.x - 1.0);
    float k = float(take);
    vec2 mean = origin + (j + 0.5 * (k - 1.0)) * d - cell;
    float xy = mean.x * mean.y + d.x * d.y * ((k * k - 1.0) / 12.0);
    // The cell's texels as the sampler's wrap mode reads them. For the
    // border, an index outside the texture reads within it (clamped) and
    // its weight is dropped.
    vec2 c0 = cell;
    vec2 c1 = cell + vec2(1.0);
    vec2 in0 = vec2(1.0);
    vec2 in1 = vec2(1.0);
    if (straightL == 2) {
        c0 = straightMirror(c0, sizeF, invPeriod);
        c1 = straightMirror(c1, sizeF, invPeriod);
    } else {
        vec2 k0 = clamp(c0, vec2(0.0), sizeF - vec2(1.0));
        vec2 k1 = clamp(c1, vec2(0.0), sizeF - vec2(1.0));
        in0 = vec2(equal(k0, c0));
        in1 = vec2(equal(k1, c1));
        c0 = k0;
        c1 = k1;
    }
    ivec2 i0 = ivec2(c0);
    ivec2 i1 = ivec2(c1);
    sum += k * ((1.0 - mean.x - mean.y + xy) * (in0.x * in0.y) * texelFetch(videoTexture, i0, 0) +
                (mean.x - xy) * (in1.x * in0.y) * texelFetch(videoTexture, ivec2(i1.x, i0.y), 0) +
                (mean.y - xy) * (in0.x * in1.y) * texelFetch(videoTexture, ivec2(i0.x, i1.y), 0) +
                xy * (in1.x * in1.y) * texelFetch(videoTexture, i1, 0));
    return take;
}

// Sum of the bilinear samples start + i * step (texture coordinates) for i =
// first .. last. A run in one cell takes one pass of the loop; every pass
// takes at least one sample and ends where the line leaves a cell, so a draw
// walks at most min(countL, cells crossed) cells, and never more than 4096
// (the pass bounds the draw's samples so that the line crosses fewer).
vec4 straightSum(vec2 start, vec2 step, int first, int last)
{
    vec2 sizeF = vec2(textureSize(videoTexture, 0));
    vec2 invPeriod = 0.5 / sizeF;
    vec2 origin = start * sizeF - vec2(0.5);
    vec2 d = step * sizeF;
    vec2 dir = vec2(d.x < 0.0 ? -1.0 : 1.0, d.y < 0.0 ? -1.0 : 1.0);
    vec2 travel = dir * origin;
    vec2 rate = abs(d);
    vec2 invRate =
        vec2(rate.x > 1.0e-20 ? 1.0 / rate.x : 0.0, rate.y > 1.0e-20 ? 1.0 / rate.y : 0.0);

    vec4 sum = vec4(0.0);
    // Counted from `first`, so that no counter passes `last` (which may be
    // INT_MAX) and overflows. A do-while, since every draw has a sample: a
    // SIMD rasteriser runs a loop's body once more, for no fragment, when
    // the test comes first, and most paths take one run per draw.
    int count = last - first + 1;
    int done = 0;
    int pass = 0;
    do {
        done += straightRun(sum, first, done, count, origin, d, dir, travel, rate, invRate, sizeF,
                            invPeriod);
        ++pass;
    } while (done < count && pass < 4096);
    return sum;
}

// ---- End of straight paths.

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

    vec4 fragA = vec4(0.0);
    vec4 fragB = vec4(0.0);

    if (straightL != 0) {
        // At rest (no turn, scale 1) the path starts, at sample 0, from the
        // distorted fragment t; the skew in x only comes with a constant
        // factor, so each sample moves it by distortBase t.y skewX (twice
        // that for channel B).
        vec2 t = vec2(q.x, p.y);
        vec2 start = distortBase * t + vec2(0.5);
        float skewStep = skewX * (distortBase * p.y);
        fragA = straightSum(start, distortA * t + posStep + vec2(skewStep, 0.0), first, last);
        fragB = straightSum(start, distortB * t - posStep + vec2(skewStep * 2.0, 0.0), first, last);
    } else {
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
        mat2 stepB =
            (1.0 / scaleStep) * mat2(cosStep, sinStep / aspectF, -sinStep * aspectF, cosStep);
        float skewX2 = skewX * 2.0;
        float skewY2 = skewY * 2.0;

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
