#pragma once

#include <string>
#include <vector>

#include "gl/GLApi.h"
#include "gl/GLPrograms.h"
#include "gl/Uniforms.h"
#include "tests/support/GLTestContext.h"
#include "tests/support/reference/Image.h"
#include "tests/support/reference/Programs.h"

// Running one effect program on the GPU over small float images, and
// comparing what it writes with the CPU reference. Test infrastructure: every
// helper needs a current context (the GLTest fixture gives one) and releases
// every GL object it made before returning.

// The reference's wrap mode for a GL wrap mode (GL_CLAMP_TO_BORDER or
// GL_MIRRORED_REPEAT), and a short name of it for messages and file names.
hlv3ref::Wrap RefWrap(GLenum wrap);
const char* WrapName(GLenum wrap);

// A float RGBA texture holding `image`, with `wrap` on both axes, linear
// filtering. Release with FBOHelper::DeleteRenderBuffer.
GLRenderBuffer UploadImage(const hlv3ref::Image& image, GLenum wrap);

// Draws `program` once with `uniforms` into a cleared width x height
// GL_RGBA32F target (CreateTextureFBO, then RenderQuad), the quad's texture
// coordinates taken from `rect`, and reads the target back. The target's wrap
// mode does not matter to the draw.
hlv3ref::Image RunProgram(GLuint program, const UniformMap& uniforms, int width, int height,
                          const hlv3ref::TexRect* rect = nullptr);

// The tolerance for a program whose own float maths may differ from the
// reference by `arithmetic`, sampling images whose neighbouring texels differ
// by up to `contrast`: arithmetic + FilterWeightError() * contrast.
float Tolerance(float arithmetic, float contrast);

// GL leaves the sub-texel precision of bilinear weights to the
// implementation: hardware computes them with 8 fractional bits, so a sample
// between two texels that differ by D can be off by up to D / 512 per axis,
// D / 256 over both. Mesa's llvmpipe (the renderer of every test machine here)
// filters float textures with float weights; there the term is 0.
float FilterWeightError();

// The largest difference between horizontally or vertically neighbouring
// texels, over all four components.
float NeighbourContrast(const hlv3ref::Image& image);

// Compares component by component. On a mismatch it reports the number of
// differing components and the first few, writes gpu, reference and
// |difference| as PFM images into the test's temporary folder and prints their
// paths. `what` names the case in the messages.
::testing::AssertionResult ImagesMatch(const hlv3ref::Image& gpu, const hlv3ref::Image& reference,
                                       float tolerance, const std::string& what);

// A deterministic image with components drawn uniformly from [lo, hi] and
// alpha from [0, 1]; the same seed gives the same image everywhere.
hlv3ref::Image NoiseImage(int width, int height, unsigned seed, float lo, float hi);

// The image mirrored about its main diagonal (width and height swap).
hlv3ref::Image Transposed(const hlv3ref::Image& image);

// The uniform maps a pass would bind, from the reference's uniform records
// (same names, same values), with the given textures for the samplers.
UniformMap Uniforms(const hlv3ref::PreProcUniforms& u, GLuint videoTexture);
UniformMap Uniforms(const hlv3ref::AberrateUniforms& u, GLuint videoTexture);
UniformMap Uniforms(const hlv3ref::BlurUniforms& u, GLuint videoTexture);
UniformMap Uniforms(const hlv3ref::PostProcUniforms& u, GLuint videoTexture,
                    GLuint inputFrameTexture);

// GL fixture with the five effect programs built (CreateGLPrograms) and a
// list of uploaded textures, all released before the fixture's leak check.
class ShaderGpuTest : public GLTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Uploads `image` (UploadImage) and keeps the texture until
    // ReleaseTextures or TearDown.
    GLuint Texture(const hlv3ref::Image& image, GLenum wrap);
    void ReleaseTextures();

    GLPrograms programs{};
    std::vector<GLRenderBuffer> textures;
};
