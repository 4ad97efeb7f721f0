#include "render/Passes.h"

#include <algorithm>
#include <cstdint>

#include "gl/Quad.h"
#include "render/ByteReadback.h"
#include "render/DrawBudget.h"
#include "render/DrawPlan.h"
#include "render/StraightPath.h"

namespace {

Vec2f Pair(const float v[2]) {
    return Vec2f{v[0], v[1]};
}

const RectF kUnusedRect = {0.0, 0.0, 1.0, 1.0};

// Counts a finished draw of `samples` samples and asks the frame's check
// whether to go on. The GPU is waited for first, so that the check sees real
// progress and a cancelled frame stops within one draw.
void AfterDraw(FrameDraws* d, int samples) {
    if (d->check) {
        glFinish();
    }
    d->err = ReportDraw(&d->progress, samples, d->check);
}

// One full-target draw of `program` taking `samples` samples, unless the
// frame has already stopped.
void Draw(const PX_FBO* target, GLuint program, const UniformMap& u, int useRect, const RectF& rect,
          FrameDraws* d, int samples = 1) {
    if (d->err != 0) {
        return;
    }
    RenderQuad(target, program, u, useRect, rect, 0);
    AfterDraw(d, samples);
}

}  // namespace

namespace {

bool HasSize(const PX_FBO& target, int width, int height) {
    return target.fbo != 0 && target.renderBuffer.width == static_cast<uint32_t>(width) &&
           target.renderBuffer.height == static_cast<uint32_t>(height);
}

PX_FBO MakeTarget(int width, int height, GLenum wrap) {
    return FBOHelper::CreateTextureFBO(static_cast<uint32_t>(width), static_cast<uint32_t>(height),
                                       wrap, GL_RGBA32F, GL_DEPTH_COMPONENT32F);
}

}  // namespace

bool PrepareFrameTargets(const RenderSettings& s, int inputWidth, int inputHeight, int outputWidth,
                         int outputHeight, short bitdepth, FrameTargets* t) {
    const GLenum wrap = s.repeatEdges ? GL_MIRRORED_REPEAT : GL_CLAMP_TO_BORDER;
    const bool fits = t->wrap == wrap && HasSize(t->f0, inputWidth, inputHeight) &&
                      HasSize(t->f1, outputWidth, outputHeight) &&
                      HasSize(t->f2, outputWidth, outputHeight) &&
                      HasSize(t->f3, outputWidth, outputHeight) &&
                      (t->f4.fbo == 0 || HasSize(t->f4, outputWidth, outputHeight)) &&
                      (t->bytes.fbo == 0 || HasSize(t->bytes, outputWidth, outputHeight));
    if (!fits) {
        ReleaseFrameTargets(t);
        t->wrap = wrap;
        t->f0 = MakeTarget(inputWidth, inputHeight, wrap);
        t->f1 = MakeTarget(outputWidth, outputHeight, wrap);
        t->f2 = MakeTarget(outputWidth, outputHeight, wrap);
        t->f3 = MakeTarget(outputWidth, outputHeight, wrap);
    }
    if (UsesSourceSum(s) && t->f4.fbo == 0) {
        t->f4 = MakeTarget(outputWidth, outputHeight, wrap);
    }
    if (bitdepth == 8 && t->byteReadback == 0) {
        t->byteReadback = ByteTargetMatchesFloatReadBack() ? 1 : -1;
    }
    t->writeBytes = bitdepth == 8 && t->byteReadback == 1;
    if (t->writeBytes && t->bytes.fbo == 0) {
        t->bytes = FBOHelper::CreateTextureFBO(static_cast<uint32_t>(outputWidth),
                                               static_cast<uint32_t>(outputHeight), wrap, GL_RGBA8,
                                               GL_DEPTH_COMPONENT32F);
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    // CreateTextureFBO gives a framebuffer only when it is complete, and
    // releases the texture of one that is not.
    if (t->f0.fbo == 0 || t->f1.fbo == 0 || t->f2.fbo == 0 || t->f3.fbo == 0 ||
        (UsesSourceSum(s) && t->f4.fbo == 0) || (t->writeBytes && t->bytes.fbo == 0)) {
        // The refused storage leaves GL errors behind; they belong to this
        // failure, not to whatever the context does next.
        for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
        }
        return false;
    }
    return true;
}

const PX_FBO* FrameOutput(const FrameTargets& t) {
    return t.writeBytes ? &t.bytes : &t.f3;
}

void DrawInShares(const PX_FBO* target, GLuint program, UniformMap* u, int samples, int perDraw,
                  FrameDraws* d) {
    ForEachShare(samples, perDraw, [&](int first, int count) {
        if (d->err != 0) {
            return false;
        }
        if (first > 1) {
            glEnable(GL_BLEND);
            glBlendEquation(GL_FUNC_ADD);
            glBlendFunc(GL_ONE, GL_ONE);
        }
        (*u)["firstL"] = IVEC(first);
        (*u)["countL"] = IVEC(count);
        Draw(target, program, *u, 0, kUnusedRect, d, count);
        if (first > 1) {
            glBlendFunc(GL_ONE, GL_ZERO);
            glDisable(GL_BLEND);
        }
        return true;
    });
}

namespace {

// Each pass needs the frame's context current, makes no draw once d->err is
// set, and leaves no program, vertex array or framebuffer bound and blending
// off; each adds its uniform values to the frame's map for later passes.
using PassFunction = void (*)(const GLPrograms& p, const RenderSettings& s, FrameTargets* t,
                              UniformMap* uniforms, FrameDraws* d);

void RunPreProcessPass(const GLPrograms& p, const RenderSettings& s, FrameTargets* t, UniformMap* u,
                       FrameDraws* d) {
    (*u)["videoTexture"] = TEX2D(t->f0.renderBuffer.id);
    (*u)["offsetHue"] = VEC(static_cast<float>(s.hueOffset));
    (*u)["resV"] = VEC2(Pair(s.inputResolution));
    (*u)["preProcL"] = IVEC(1);
    (*u)["swizzleL"] = IVEC(0);
    (*u)["preserveAlphaL"] = IVEC(s.preserveAlpha);
    Draw(&t->f1, p.preProc, *u, 1, s.sourceRect, d);
}

void RunAberratePass(const GLPrograms& p, const RenderSettings& s, FrameTargets* t, UniformMap* u,
                     FrameDraws* d) {
    (*u)["videoTexture"] = TEX2D(t->f1.renderBuffer.id);
    (*u)["aspectF"] = VEC(s.aspect);
    (*u)["offsetRot"] = VEC(static_cast<float>(s.rotationRadians));
    (*u)["offsetScale"] = VEC(static_cast<float>(s.scale));
    (*u)["offsetShearX"] = VEC(static_cast<float>(s.shearX));
    (*u)["offsetShearY"] = VEC(static_cast<float>(s.shearY));
    (*u)["offsetPos"] = VEC2(Pair(s.positionOffset));
    (*u)["normaliseExp"] = VEC2(Pair(s.normaliseExp));
    (*u)["resV"] = VEC2(Pair(s.inputResolution));
    (*u)["offsetDistort"] = VEC(static_cast<float>(s.aberrateDistort));
    (*u)["uniformDistort"] = VEC(static_cast<float>(s.uniformDistort));
    (*u)["mode"] = IVEC(s.channelMode);
    (*u)["iterationsL"] = IVEC(s.sampleCount);
    const int width = static_cast<int>(t->f2.renderBuffer.width);
    const int height = static_cast<int>(t->f2.renderBuffer.height);
    (*u)["straightL"] = IVEC(StraightPathUniform(s, width, height));
    DrawInShares(&t->f2, p.aberrate, u, s.sampleCount, AberrateSamplesPerDraw(s, width, height), d);
}

void RunBlurWPass(const GLPrograms& p, const RenderSettings& s, FrameTargets* t, UniformMap* u,
                  FrameDraws* d) {
    const int32_t width = static_cast<int32_t>(t->f2.renderBuffer.width);
    (*u)["videoTexture"] = TEX2D(t->f2.renderBuffer.id);
    (*u)["stepsA"] = IVEC(s.blurStepsA);
    (*u)["strideA"] = VEC(BlurStrideUniform(s.blurStrideA, width));
    (*u)["stepsB"] = IVEC(s.blurStepsB);
    (*u)["strideB"] = VEC(BlurStrideUniform(s.blurStrideB, width));
    Draw(&t->f3, p.blurW, *u, 0, kUnusedRect, d);
}

void RunBlurHPass(const GLPrograms& p, const RenderSettings& s, FrameTargets* t, UniformMap* u,
                  FrameDraws* d) {
    const int32_t height = static_cast<int32_t>(t->f3.renderBuffer.height);
    (*u)["videoTexture"] = TEX2D(t->f3.renderBuffer.id);
    (*u)["stepsA"] = IVEC(s.blurStepsA);
    (*u)["strideA"] = VEC(BlurStrideUniform(s.blurStrideA, height));
    (*u)["stepsB"] = IVEC(s.blurStepsB);
    (*u)["strideB"] = VEC(BlurStrideUniform(s.blurStrideB, height));
    Draw(&t->f2, p.blurH, *u, 0, kUnusedRect, d);
}

void RunPostProcessPass(const GLPrograms& p, const RenderSettings& s, FrameTargets* t,
                        UniformMap* u, FrameDraws* d) {
    (*u)["videoTexture"] = TEX2D(t->f2.renderBuffer.id);
    (*u)["inputFrameTexture"] = TEX2D(t->f1.renderBuffer.id);
    (*u)["offsetHue"] = VEC(static_cast<float>(s.hueOffset));
    (*u)["strengthF"] = VEC(static_cast<float>(s.mixStrength));
    (*u)["mode"] = IVEC(s.channelMode);
    (*u)["unmult"] = IVEC(s.unmult);
    (*u)["preserveAlphaL"] = IVEC(s.preserveAlpha);
    (*u)["iterationsL"] = IVEC(s.sampleCount);
    (*u)["aspectF"] = VEC(s.aspect);
    (*u)["resV"] = VEC2(Pair(s.inputResolution));
    // The post-process program distorts the untouched channel under this name.
    (*u)["offsetDistort"] = VEC(static_cast<float>(s.uniformDistort));
    // The distorted source is averaged first, in shares, into F4, which no
    // sampler may name while it is drawn into.
    if (UsesSourceSum(s)) {
        (*u)["sourceSumL"] = IVEC(1);
        (*u)["sourceSumTexture"] = TEX2D(0);
        DrawInShares(&t->f4, p.postProc, u, s.sampleCount,
                     SourceSumSamplesPerDraw(static_cast<int>(t->f4.renderBuffer.width),
                                             static_cast<int>(t->f4.renderBuffer.height)),
                     d);
    }
    (*u)["sourceSumL"] = IVEC(2);
    // The final draw takes no share; set even when no share was drawn (a
    // sample count of 0 from a damaged project) so no uniform is left unset.
    (*u)["firstL"] = IVEC(1);
    (*u)["countL"] = IVEC(0);
    // Without distortion the untouched channel is the source at the fragment.
    (*u)["sourceSumTexture"] =
        TEX2D(UsesSourceSum(s) ? t->f4.renderBuffer.id : t->f1.renderBuffer.id);

    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, t->f1.renderBuffer.id);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, t->f2.renderBuffer.id);
    Draw(FrameOutput(*t), p.postProc, *u, 0, kUnusedRect, d);
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, 0);
    glActiveTexture(GL_TEXTURE0);
}

}  // namespace

int RunAllPasses(const GLPrograms& p, const RenderSettings& s, FrameTargets* t,
                 const DrawCheck& check, const StepTimer& timing) {
    FrameDraws d;
    d.check = check;
    d.progress.total = CountFrameSamples(s);
    UniformMap uniforms;
    const auto step = [&](FrameStep name, PassFunction pass) {
        if (timing) {
            timing(name, false);
        }
        pass(p, s, t, &uniforms, &d);
        if (timing) {
            timing(name, true);
        }
    };
    step(FrameStep::kPreProcess, RunPreProcessPass);
    step(FrameStep::kAberrate, RunAberratePass);
    if (s.blurEnabled) {
        step(FrameStep::kBlurW, RunBlurWPass);
        step(FrameStep::kBlurH, RunBlurHPass);
    }
    step(FrameStep::kPostProcess, RunPostProcessPass);
    return d.err;
}
