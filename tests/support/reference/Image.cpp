#include "tests/support/reference/Image.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace hlv3ref {

Image MakeImage(int width, int height, Pixel fill) {
    if (width < 0 || height < 0) {
        throw std::invalid_argument("image size must not be negative");
    }
    Image image;
    image.width = width;
    image.height = height;
    image.texels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), fill);
    return image;
}

Pixel& At(Image& image, int x, int y) {
    return image.texels.at(static_cast<size_t>(y) * static_cast<size_t>(image.width) +
                           static_cast<size_t>(x));
}

const Pixel& At(const Image& image, int x, int y) {
    return image.texels.at(static_cast<size_t>(y) * static_cast<size_t>(image.width) +
                           static_cast<size_t>(x));
}

namespace {

// Texel index along one axis after wrapping, or -1 for "outside: border
// colour". Mirrored repeat folds the index line at every multiple of size,
// so -1 reads texel 0 and size reads texel size - 1.
long WrapIndex(double index, int size, Wrap wrap) {
    if (wrap == Wrap::Border) {
        if (index < 0.0 || index >= size) {
            return -1;
        }
        return static_cast<long>(index);
    }
    const double period = 2.0 * size;
    double folded = std::fmod(index, period);
    if (folded < 0.0) {
        folded += period;
    }
    const long i = static_cast<long>(folded);
    return i < size ? i : static_cast<long>(period) - 1 - i;
}

Pixel Fetch(const Image& image, long x, long y) {
    if (x < 0 || y < 0) {
        return Pixel{};
    }
    return At(image, static_cast<int>(x), static_cast<int>(y));
}

}  // namespace

Pixel Sample(const Sampler& sampler, Vec2 uv) {
    const Image& image = *sampler.image;
    if (image.width <= 0 || image.height <= 0 || !std::isfinite(uv.x) || !std::isfinite(uv.y)) {
        return Pixel{};
    }
    // Position in texel units relative to texel centres.
    const float px = uv.x * static_cast<float>(image.width) - 0.5f;
    const float py = uv.y * static_cast<float>(image.height) - 0.5f;
    const float fx = std::floor(px);
    const float fy = std::floor(py);
    const float wx = px - fx;  // weight of the right-hand column
    const float wy = py - fy;  // weight of the lower row (higher index)

    const long x0 = WrapIndex(fx, image.width, sampler.wrap);
    const long x1 = WrapIndex(static_cast<double>(fx) + 1.0, image.width, sampler.wrap);
    const long y0 = WrapIndex(fy, image.height, sampler.wrap);
    const long y1 = WrapIndex(static_cast<double>(fy) + 1.0, image.height, sampler.wrap);

    const Pixel t00 = Fetch(image, x0, y0);
    const Pixel t10 = Fetch(image, x1, y0);
    const Pixel t01 = Fetch(image, x0, y1);
    const Pixel t11 = Fetch(image, x1, y1);

    const float w00 = (1.0f - wx) * (1.0f - wy);
    const float w10 = wx * (1.0f - wy);
    const float w01 = (1.0f - wx) * wy;
    const float w11 = wx * wy;
    const auto blend = [&](float a, float b, float c, float d) {
        return a * w00 + b * w10 + c * w01 + d * w11;
    };
    return Pixel{blend(t00.r, t10.r, t01.r, t11.r), blend(t00.g, t10.g, t01.g, t11.g),
                 blend(t00.b, t10.b, t01.b, t11.b), blend(t00.a, t10.a, t01.a, t11.a)};
}

Vec2 FragmentUV(const TexRect& rect, int x, int y, int width, int height) {
    const float fx = (static_cast<float>(x) + 0.5f) / static_cast<float>(width);
    const float fy = (static_cast<float>(y) + 0.5f) / static_cast<float>(height);
    return Vec2{rect.left + (rect.right - rect.left) * fx,
                rect.top + (rect.bottom - rect.top) * fy};
}

Image RenderQuad(int width, int height, const TexRect& rect,
                 const std::function<Pixel(Vec2 out_uvs)>& fragment) {
    Image out = MakeImage(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            At(out, x, y) = fragment(FragmentUV(rect, x, y, width, height));
        }
    }
    return out;
}

namespace {

bool WritePFMChannels(const Image& image, const std::string& path, bool alpha) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    // A negative scale marks little-endian floats.
    bool ok = std::fprintf(file, "PF\n%d %d\n-1.0\n", image.width, image.height) > 0;
    for (int y = image.height - 1; ok && y >= 0; --y) {
        for (int x = 0; ok && x < image.width; ++x) {
            const Pixel& p = At(image, x, y);
            const float rgb[3] = {alpha ? p.a : p.r, alpha ? p.a : p.g, alpha ? p.a : p.b};
            ok = std::fwrite(rgb, sizeof(float), 3, file) == 3;
        }
    }
    return std::fclose(file) == 0 && ok;
}

}  // namespace

bool WritePFM(const Image& image, const std::string& path) {
    std::string alphaPath = path;
    const size_t dot = alphaPath.rfind(".pfm");
    alphaPath = (dot == std::string::npos ? alphaPath : alphaPath.substr(0, dot)) + ".alpha.pfm";
    const bool colourOk = WritePFMChannels(image, path, false);
    const bool alphaOk = WritePFMChannels(image, alphaPath, true);
    return colourOk && alphaOk;
}

}  // namespace hlv3ref
