#include "tests/frame/FrameReference.h"

#include <algorithm>
#include <cmath>

#include "tests/support/reference/Programs.h"

namespace frameref {

using hlv3ref::Image;
using hlv3ref::Sampler;
using hlv3ref::Wrap;

Image CopyIn(const HostImage& input, bool eightBit) {
    Image img = hlv3ref::MakeImage(input.width, input.height);
    for (int y = 0; y < input.height; ++y) {
        for (int x = 0; x < input.width; ++x) {
            const Argb& p = input.pixels[static_cast<size_t>(y) * input.width + x];
            hlv3ref::Pixel& t = hlv3ref::At(img, x, y);
            if (eightBit) {
                t = {p.r, p.g, p.b, p.a};
            } else {
                t.r = p.r > 0.f ? p.r : 0.f;
                t.g = p.g > 0.f ? p.g : 0.f;
                t.b = p.b > 0.f ? p.b : 0.f;
                t.a = p.a;
            }
        }
    }
    return img;
}

HostImage RenderFrame(const HostImage& input, const RenderSettings& s, int outW, int outH,
                      bool eightBit) {
    const Wrap wrap = s.repeatEdges ? Wrap::MirroredRepeat : Wrap::Border;
    const Image f0 = CopyIn(input, eightBit);

    hlv3ref::PreProcUniforms pre;
    pre.preserveAlphaL = s.preserveAlpha;
    pre.offsetHue = static_cast<float>(s.hueOffset);
    const hlv3ref::TexRect rect{
        static_cast<float>(s.sourceRect.left), static_cast<float>(s.sourceRect.top),
        static_cast<float>(s.sourceRect.right), static_cast<float>(s.sourceRect.bottom)};
    const Image f1 = hlv3ref::RenderPreProc(Sampler{&f0, wrap}, pre, outW, outH, rect);

    hlv3ref::AberrateUniforms ab;
    ab.aspectF = s.aspect;
    ab.offsetPos = {s.positionOffset[0], s.positionOffset[1]};
    ab.offsetRot = static_cast<float>(s.rotationRadians);
    ab.offsetScale = static_cast<float>(s.scale);
    ab.offsetShearX = static_cast<float>(s.shearX);
    ab.offsetShearY = static_cast<float>(s.shearY);
    ab.offsetDistort = static_cast<float>(s.aberrateDistort);
    ab.uniformDistort = static_cast<float>(s.uniformDistort);
    ab.resV = {s.inputResolution[0], s.inputResolution[1]};
    ab.normaliseExp = {s.normaliseExp[0], s.normaliseExp[1]};
    ab.mode = s.channelMode;
    ab.iterationsL = s.sampleCount;
    Image f2 = hlv3ref::RenderAberrate(Sampler{&f1, wrap}, ab, outW, outH);

    if (s.blurEnabled) {
        hlv3ref::BlurUniforms w;
        w.stepsA = s.blurStepsA;
        w.stepsB = s.blurStepsB;
        w.strideA = BlurStrideUniform(s.blurStrideA, outW);
        w.strideB = BlurStrideUniform(s.blurStrideB, outW);
        const Image f3 = hlv3ref::RenderBlurW(Sampler{&f2, wrap}, w, outW, outH);
        hlv3ref::BlurUniforms h = w;
        h.strideA = BlurStrideUniform(s.blurStrideA, outH);
        h.strideB = BlurStrideUniform(s.blurStrideB, outH);
        f2 = hlv3ref::RenderBlurH(Sampler{&f3, wrap}, h, outW, outH);
    }

    hlv3ref::PostProcUniforms post;
    post.mode = s.channelMode;
    post.preserveAlphaL = s.preserveAlpha;
    post.unmult = s.unmult;
    post.strengthF = static_cast<float>(s.mixStrength);
    post.offsetHue = static_cast<float>(s.hueOffset);
    post.iterationsL = s.sampleCount;
    post.aspectF = s.aspect;
    post.resV = {s.inputResolution[0], s.inputResolution[1]};
    post.offsetDistort = static_cast<float>(s.uniformDistort);
    const Image f3 =
        hlv3ref::RenderPostProc(Sampler{&f2, wrap}, Sampler{&f1, wrap}, post, outW, outH);

    HostImage out;
    out.width = outW;
    out.height = outH;
    out.pixels.resize(static_cast<size_t>(outW) * outH);
    auto quantise = [eightBit](float v) {
        if (!eightBit) {
            return v;
        }
        const float c = std::min(std::max(v, 0.f), 1.f);
        return std::round(c * 255.f) / 255.f;
    };
    for (int y = 0; y < outH; ++y) {
        for (int x = 0; x < outW; ++x) {
            const hlv3ref::Pixel& t = hlv3ref::At(f3, x, y);
            // The last program already wrote alpha first: the texel's r is alpha.
            out.pixels[static_cast<size_t>(y) * outW + x] =
                Argb{quantise(t.r), quantise(t.g), quantise(t.b), quantise(t.a)};
        }
    }
    return out;
}

void UnpremultiplyAsHost(HostImage* image, int depth) {
    // The host's integer un-premultiply: both values in its steps, the result
    // rounded and clamped to its largest value.
    const double max = depth == 8 ? 255.0 : 32768.0;
    for (Argb& p : image->pixels) {
        float* channels[3] = {&p.r, &p.g, &p.b};
        for (float* c : channels) {
            if (depth == 8 || depth == 16) {
                const auto step = [max](float x) {
                    return std::lround(std::clamp(x, 0.f, 1.f) * max);
                };
                const long a = step(p.a);
                if (a > 0) {
                    const long v = std::min(std::lround(max), std::lround(step(*c) * max / a));
                    *c = static_cast<float>(v / max);
                }
            } else if (p.a > 0.f) {
                *c = *c / p.a;
            }
        }
    }
}

}  // namespace frameref
