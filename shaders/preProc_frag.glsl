
#version 330

// Pre-process pass: places the input frame into the output-sized target
// (through the quad's texture coordinates and the texture's wrap mode),
// premultiplies unless alpha is preserved, and turns the hue backwards by
// offsetHue; the post-process pass turns it forwards again.

uniform sampler2D videoTexture;
uniform int preserveAlphaL;
uniform int preProcL;
uniform int swizzleL;
uniform float offsetHue;
uniform vec2 resV; // shared with the other passes; unused here

in vec2 out_uvs;

out vec4 colourOut;

const float eps = 0.0000001;

// The two selections are linear blends with a weight of exactly 0 or 1, so
// they act as plain selections without branching.
vec3 rgb2hsv(vec3 c)
{
    vec4 k = vec4(0.0, -1.0 / 3.0, 2.0 / 3.0, -1.0);
    // b < g picks (g, b, k.x, k.y), otherwise (b, g, k.w, k.z).
    vec4 p = mix(vec4(c.g, c.b, k.x, k.y), vec4(c.b, c.g, k.w, k.z), step(c.g, c.b));
    // p.x < r picks (r, p.y, p.z, p.x), otherwise (p.x, p.y, p.w, r).
    vec4 q = mix(vec4(c.r, p.y, p.z, p.x), vec4(p.x, p.y, p.w, c.r), step(c.r, p.x));
    float d = q.x - min(q.w, q.y);
    return vec3(abs(q.z + (q.w - q.y) / (6.0 * d + eps)), d / (q.x + eps), q.x);
}

// mod() is floor based, so any hue, negative or beyond one turn, wraps.
vec3 hsv2rgb(vec3 c)
{
    vec3 t = mod(6.0 * c.x + vec3(0.0, 4.0, 2.0), 6.0);
    vec3 rgb = clamp(abs(t - 3.0) - 1.0, 0.0, 1.0);
    return c.z * (vec3(1.0) + c.y * (rgb - vec3(1.0)));
}

void main()
{
    colourOut = texture(videoTexture, out_uvs);

    if (preserveAlphaL == 0) {
        colourOut.rgb *= colourOut.a;
    }

    if (preProcL == 0) {
        if (swizzleL == 1) {
            colourOut = colourOut.argb;
        }
        return;
    }

    if (offsetHue != 0.0) {
        vec3 hsv = rgb2hsv(colourOut.rgb);
        hsv.x -= offsetHue;
        colourOut.rgb = hsv2rgb(hsv);
    }

    if (swizzleL == 1) {
        colourOut = colourOut.argb;
    }
}
