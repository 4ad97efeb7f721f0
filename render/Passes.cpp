#include "render/Passes.h"

#include "gl/Quad.h"

namespace {

Vec2f Pair(const float v[2]) {
    return Vec2f{v[0], v[1]};
}

const A_FloatRect kUnusedRect = {0.0, 0.0, 1.0, 1.0};

}  // namespace

bool CreateFrameTargets(const RenderSettings& s, int inputWidth, int inputHeight, int outputWidth,
                        int outputHeight, FrameTargets* t) {
    const GLint wrap = s.repeatEdges ? GL_MIRRORED_REPEAT : GL_CLAMP_TO_BORDER;
    t->f0 = FBOHelper::CreateTextureFBO(inputWidth, inputHeight, wrap, GL_RGBA32F,
                                        GL_DEPTH_COMPONENT32F);
    t->f1 = FBOHelper::CreateTextureFBO(outputWidth, outputHeight, wrap, GL_RGBA32F,
                                        GL_DEPTH_COMPONENT32F);
    t->f2 = FBOHelper::CreateTextureFBO(outputWidth, outputHeight, wrap, GL_RGBA32F,
                                        GL_DEPTH_COMPONENT32F);
    t->f3 = FBOHelper::CreateTextureFBO(outputWidth, outputHeight, wrap, GL_RGBA32F,
                                        GL_DEPTH_COMPONENT32F);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    // CreateTextureFBO gives a framebuffer only when it is complete, and
    // releases the texture of one that is not.
    if (t->f0.fbo == 0 || t->f1.fbo == 0 || t->f2.fbo == 0 || t->f3.fbo == 0) {
        // The refused storage leaves GL errors behind; they belong to this
        // failure, not to whatever the context does next.
        for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
        }
        return false;
    }
    FBOHelper::ClearFBO(&t->f0);
    FBOHelper::ClearFBO(&t->f1);
    FBOHelper::ClearFBO(&t->f2);
    FBOHelper::ClearFBO(&t->f3);
    return true;
}

void ReleaseFrameTargets(FrameTargets* t) {
    FBOHelper::DeleteGenericFBO(&t->f0);
    FBOHelper::DeleteGenericFBO(&t->f1);
    FBOHelper::DeleteGenericFBO(&t->f2);
    FBOHelper::DeleteGenericFBO(&t->f3);
}

void RunPreProcessPass(const GLPrograms& p, const RenderSettings& s, FrameTargets* t,
                       UniformMap* u) {
    (*u)["videoTexture"] = TEX2D(t->f0.renderBuffer.id);
    (*u)["offsetHue"] = VEC(static_cast<float>(s.hueOffset));
    (*u)["resV"] = VEC2(Pair(s.inputResolution));
    (*u)["preProcL"] = IVEC(1);
    (*u)["swizzleL"] = IVEC(0);
    (*u)["preserveAlphaL"] = IVEC(s.preserveAlpha);
    RenderQuad(&t->f1, p.preProc, *u, 1, s.sourceRect, 0);
}

void RunAberratePass(const GLPrograms& p, const RenderSettings& s, FrameTargets* t, UniformMap* u) {
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
    RenderQuad(&t->f2, p.aberrate, *u, 0, kUnusedRect, 0);
}

void RunBlurWPass(const GLPrograms& p, const RenderSettings& s, FrameTargets* t, UniformMap* u) {
    const int32_t width = static_cast<int32_t>(t->f2.renderBuffer.width);
    (*u)["videoTexture"] = TEX2D(t->f2.renderBuffer.id);
    (*u)["stepsA"] = IVEC(s.blurStepsA);
    (*u)["strideA"] = VEC(BlurStrideUniform(s.blurStrideA, width));
    (*u)["stepsB"] = IVEC(s.blurStepsB);
    (*u)["strideB"] = VEC(BlurStrideUniform(s.blurStrideB, width));
    RenderQuad(&t->f3, p.blurW, *u, 0, kUnusedRect, 0);
}

void RunBlurHPass(const GLPrograms& p, const RenderSettings& s, FrameTargets* t, UniformMap* u) {
    const int32_t height = static_cast<int32_t>(t->f3.renderBuffer.height);
    (*u)["videoTexture"] = TEX2D(t->f3.renderBuffer.id);
    (*u)["stepsA"] = IVEC(s.blurStepsA);
    (*u)["strideA"] = VEC(BlurStrideUniform(s.blurStrideA, height));
    (*u)["stepsB"] = IVEC(s.blurStepsB);
    (*u)["strideB"] = VEC(BlurStrideUniform(s.blurStrideB, height));
    RenderQuad(&t->f2, p.blurH, *u, 0, kUnusedRect, 0);
}

void RunPostProcessPass(const GLPrograms& p, const RenderSettings& s, FrameTargets* t,
                        UniformMap* u) {
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, t->f1.renderBuffer.id);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, t->f2.renderBuffer.id);

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
    RenderQuad(&t->f3, p.postProc, *u, 0, kUnusedRect, 0);

    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, 0);
    glActiveTexture(GL_TEXTURE0);
}

void RunAllPasses(const GLPrograms& p, const RenderSettings& s, FrameTargets* t) {
    UniformMap uniforms;
    RunPreProcessPass(p, s, t, &uniforms);
    RunAberratePass(p, s, t, &uniforms);
    if (s.blurEnabled) {
        RunBlurWPass(p, s, t, &uniforms);
        RunBlurHPass(p, s, t, &uniforms);
    }
    RunPostProcessPass(p, s, t, &uniforms);
}
