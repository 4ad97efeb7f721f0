#pragma once

#include <functional>
#include <string>
#include <vector>

// CPU reference of what GL does around the effect's fragment programs: float
// RGBA images, bilinear sampling with the two wrap modes the render textures
// use, and the texture coordinate each fragment of a full-target quad gets.
// All arithmetic is single precision, as on the GPU. Plain values, no GL.
namespace hlv3ref {

struct Vec2 {
    float x = 0.0f;
    float y = 0.0f;
};

struct Pixel {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 0.0f;
};

// A float RGBA image, row 0 first: the layout of a GL_RGBA32F texture as it
// is uploaded and read back (row 0 is texture coordinate t = 0.5 / height).
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Pixel> texels;  // width * height, row-major
};

Image MakeImage(int width, int height, Pixel fill = {});
Pixel& At(Image& image, int x, int y);
const Pixel& At(const Image& image, int x, int y);

// The texture wrap modes of the render textures: CLAMP_TO_BORDER with GL's
// default border colour (transparent black) and MIRRORED_REPEAT.
enum class Wrap { Border, MirroredRepeat };

// A sampler2D bound to an image: linear minification and magnification, no
// mipmaps, the same wrap mode on both axes. The image must outlive it.
struct Sampler {
    const Image* image = nullptr;
    Wrap wrap = Wrap::Border;
};

// texture(sampler, uv): texel centres at ((i + 0.5) / width, (j + 0.5) /
// height), weights from the fractional position, indices outside the image
// resolved by the wrap mode. Full float weights (GL hardware may quantise
// them to 8 bits; callers compare with a tolerance that allows for it).
Pixel Sample(const Sampler& sampler, Vec2 uv);

// The texture-coordinate rectangle of a quad pass: (left, top) lands on the
// corner at row 0 / column 0, (right, bottom) on the far corner.
struct TexRect {
    float left = 0.0f;
    float top = 0.0f;
    float right = 1.0f;
    float bottom = 1.0f;
};

// out_uvs of the fragment at pixel (x, y) of a width x height target drawn
// with the quad's coordinates taken from rect: the linear interpolation at
// the pixel centre.
Vec2 FragmentUV(const TexRect& rect, int x, int y, int width, int height);

// Runs a fragment function over every pixel of a width x height target, the
// way one quad pass does.
Image RenderQuad(int width, int height, const TexRect& rect,
                 const std::function<Pixel(Vec2 out_uvs)>& fragment);

// Writes a portable float map (colour PF, RGB of each texel, bottom row first
// as the format wants) and, next to it, a second one with the alphas
// (name.alpha.pfm). Test diagnostics only; returns false on an I/O error.
bool WritePFM(const Image& image, const std::string& path);

}  // namespace hlv3ref
