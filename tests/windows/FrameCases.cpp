#include "tests/windows/FrameCases.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>

#include "host/Params.h"

namespace {

constexpr A_long kWidth = 48;
constexpr A_long kHeight = 32;
constexpr char kMagic[8] = {'H', 'L', 'V', '3', 'R', 'A', 'W', '1'};

void SetFixedSamples(simhost::Host& h, double count) {
    h.Param(PARAM_SAMPLES).u.pd.value = 4;  // "Fixed"
    h.Param(PARAM_SAMPLE_COUNT).u.fs_d.value = count;
}

// Hard edges and a soft alpha ramp, every channel different, so that a
// wrong offset, channel or blend moves many pixels by a lot.
simhost::Image MakeLayer(bool isFloat) {
    simhost::Image layer = isFloat ? simhost::Image::MakeFloat(kWidth, kHeight)
                                   : simhost::Image::Make8(kWidth, kHeight);
    for (A_long y = 0; y < kHeight; ++y) {
        for (A_long x = 0; x < kWidth; ++x) {
            const float r = (x / 6) % 2 ? 0.9f : 0.1f;
            const float g = static_cast<float>(y) / (kHeight - 1);
            const float b = ((x + y) / 5) % 2 ? 0.8f : 0.2f;
            const float a = x < 4 ? 0.25f * static_cast<float>(x) : 1.0f;
            if (isFloat) {
                layer.AtFloat(x, y) = PF_PixelFloat{a, r, g, b};
            } else {
                auto byte = [](float v) { return static_cast<A_u_char>(std::lround(v * 255.0f)); };
                layer.At8(x, y) = PF_Pixel{byte(a), byte(r), byte(g), byte(b)};
            }
        }
    }
    return layer;
}

void PutU32(std::ofstream& out, int32_t value) {
    const uint32_t u = static_cast<uint32_t>(value);
    const char bytes[4] = {static_cast<char>(u & 0xff), static_cast<char>((u >> 8) & 0xff),
                           static_cast<char>((u >> 16) & 0xff), static_cast<char>(u >> 24)};
    out.write(bytes, 4);
}

bool GetU32(std::ifstream& in, int32_t* value) {
    unsigned char bytes[4] = {};
    if (!in.read(reinterpret_cast<char*>(bytes), 4)) {
        return false;
    }
    *value = static_cast<int32_t>(bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
                                  (static_cast<uint32_t>(bytes[3]) << 24));
    return true;
}

}  // namespace

const std::vector<WineFrameCase> kWineFrameCases = {
    {"eight_bit_twist", false,
     [](simhost::Host& h) {
         h.Param(PARAM_POSITION).u.fs_d.value = 5;
         h.Param(PARAM_ROTATION).u.ad.value = 4 << 16;
         SetFixedSamples(h, 24);
     }},
    {"float_blur_grown", true,
     [](simhost::Host& h) {
         h.Param(PARAM_POSITION).u.fs_d.value = 9;
         h.Param(PARAM_BLUR).u.fs_d.value = 3;
         h.Param(PARAM_REPEAT_EDGE_PIXELS).u.bd.value = 0;
         SetFixedSamples(h, 16);
     }},
    {"float_green_hue_scale", true,
     [](simhost::Host& h) {
         h.Param(PARAM_CHANNELS).u.pd.value = 2;  // "Red & Green"
         h.Param(PARAM_SCALE).u.fs_d.value = 108;
         h.Param(PARAM_HUE_SHIFT).u.ad.value = 30 << 16;
         h.Param(PARAM_MIX).u.fs_d.value = 80;
         SetFixedSamples(h, 12);
     }},
};

simhost::RenderedFrame RenderWineFrameCase(PF_FilterProc entry, const WineFrameCase& frameCase,
                                           std::vector<std::string>* violations) {
    simhost::Host host;
    host.SetEntry(entry);
    host.settings.layerWidth = kWidth;
    host.settings.layerHeight = kHeight;
    simhost::RenderedFrame frame;
    frame.err = host.Setup();
    if (frame.err == PF_Err_NONE) {
        frameCase.apply(host);
        host.SetInputLayer(MakeLayer(frameCase.isFloat));
        frame = host.RenderFrame();
    }
    host.GlobalSetdown();
    *violations = host.Finish();
    return frame;
}

bool WriteFrameFile(const std::string& path, const simhost::Image& image, const PF_LRect& rect) {
    std::ofstream out(path, std::ios::binary);
    out.write(kMagic, sizeof kMagic);
    for (const int32_t v :
         {image.width, image.height, static_cast<int32_t>(image.format), rect.left, rect.top}) {
        PutU32(out, v);
    }
    const std::size_t rowBytes =
        static_cast<std::size_t>(image.width) * simhost::BytesPerPixel(image.format);
    for (A_long y = 0; y < image.height; ++y) {
        out.write(reinterpret_cast<const char*>(image.Row(y)),
                  static_cast<std::streamsize>(rowBytes));
    }
    return static_cast<bool>(out);
}

bool ReadFrameFile(const std::string& path, simhost::Image* image, PF_LRect* rect) {
    std::ifstream in(path, std::ios::binary);
    char magic[sizeof kMagic] = {};
    int32_t width = 0, height = 0, format = 0, left = 0, top = 0;
    if (!in.read(magic, sizeof magic) || std::memcmp(magic, kMagic, sizeof kMagic) != 0 ||
        !GetU32(in, &width) || !GetU32(in, &height) || !GetU32(in, &format) || !GetU32(in, &left) ||
        !GetU32(in, &top) || width <= 0 || height <= 0 || width > 1 << 14 || height > 1 << 14 ||
        simhost::BytesPerPixel(format) == 0) {
        return false;
    }
    *image = simhost::Image::Make(width, height, format);
    *rect = PF_LRect{left, top, left + width, top + height};
    for (A_long y = 0; y < height; ++y) {
        if (!in.read(reinterpret_cast<char*>(image->Row(y)), image->rowbytes)) {
            return false;
        }
    }
    return true;
}
