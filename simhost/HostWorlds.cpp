// Worlds (pixel buffers) the host makes and accounts for: the "PF World
// Suite" 2 table and the fill, premultiply, new_world and dispose_world
// utility callbacks.

#include "simhost/HostInternal.h"
#include "simhost/SimHost.h"

#include <algorithm>
#include <cstdint>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace simhost {

namespace {

Host::WorldRec* KnownWorld(Host& host, const PF_EffectWorld* world, const char* key) {
    Host::WorldRec* const rec = world != nullptr ? HostAccess::FindWorld(host, world) : nullptr;
    if (rec == nullptr)
        host.Violation(std::string(key) +
                       " on a world the host did not make (or already disposed)");
    return rec;
}

unsigned char* PixelAt(PF_EffectWorld& world, A_long x, A_long y, A_long bytesPerPixel) {
    return reinterpret_cast<unsigned char*>(world.data) +
           static_cast<size_t>(y) * static_cast<size_t>(world.rowbytes) +
           static_cast<size_t>(x) * static_cast<size_t>(bytesPerPixel);
}

PF_Err Fill(PF_ProgPtr effect_ref, const PF_Pixel* color, const PF_Rect* rect,
            PF_EffectWorld* world) {
    constexpr const char* key = "utils.fill";
    PF_Err err = 0;
    Host::Command* const command = BeginCall(effect_ref, key, &err);
    if (command == nullptr)
        return err;
    Host& host = *command->host;
    std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
    Host::WorldRec* const rec = KnownWorld(host, world, key);
    if (rec == nullptr)
        return PF_Err_BAD_CALLBACK_PARAM;
    const PF_Pixel c = color != nullptr ? *color : PF_Pixel{0, 0, 0, 0};
    PF_LRect area = PF_LRect{0, 0, world->width, world->height};
    if (rect != nullptr)
        area = Intersect(area, *rect);
    for (A_long y = area.top; y < area.bottom; ++y) {
        for (A_long x = area.left; x < area.right; ++x) {
            if (rec->format == PF_PixelFormat_ARGB32) {
                *reinterpret_cast<PF_Pixel*>(PixelAt(*world, x, y, 4)) = c;
            } else if (rec->format == PF_PixelFormat_ARGB128) {
                PF_PixelFloat f;
                f.alpha = c.alpha / 255.0f;
                f.red = c.red / 255.0f;
                f.green = c.green / 255.0f;
                f.blue = c.blue / 255.0f;
                std::memcpy(PixelAt(*world, x, y, 16), &f, sizeof f);
            } else {
                PF_Pixel16 p;
                p.alpha = static_cast<A_u_short>((c.alpha * 32768 + 127) / 255);
                p.red = static_cast<A_u_short>((c.red * 32768 + 127) / 255);
                p.green = static_cast<A_u_short>((c.green * 32768 + 127) / 255);
                p.blue = static_cast<A_u_short>((c.blue * 32768 + 127) / 255);
                std::memcpy(PixelAt(*world, x, y, 8), &p, sizeof p);
            }
        }
    }
    return PF_Err_NONE;
}

// forward 1: straight colour becomes premultiplied (colour times alpha);
// forward 0: the reverse, colour divided by alpha where alpha > 0.
PF_Err Premultiply(PF_ProgPtr effect_ref, A_long forward, PF_EffectWorld* world) {
    constexpr const char* key = "utils.premultiply";
    PF_Err err = 0;
    Host::Command* const command = BeginCall(effect_ref, key, &err);
    if (command == nullptr)
        return err;
    Host& host = *command->host;
    std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
    Host::WorldRec* const rec = KnownWorld(host, world, key);
    if (rec == nullptr)
        return PF_Err_BAD_CALLBACK_PARAM;
    for (A_long y = 0; y < world->height; ++y) {
        for (A_long x = 0; x < world->width; ++x) {
            if (rec->format == PF_PixelFormat_ARGB32) {
                PF_Pixel& p = *reinterpret_cast<PF_Pixel*>(PixelAt(*world, x, y, 4));
                const int a = p.alpha;
                A_u_char* const channels[3] = {&p.red, &p.green, &p.blue};
                for (A_u_char* ch : channels) {
                    if (forward != 0) {
                        *ch = static_cast<A_u_char>(std::lround(*ch * a / 255.0));
                    } else if (a > 0) {
                        *ch = static_cast<A_u_char>(std::min(255L, std::lround(*ch * 255.0 / a)));
                    }
                }
            } else if (rec->format == PF_PixelFormat_ARGB128) {
                PF_PixelFloat p;
                std::memcpy(&p, PixelAt(*world, x, y, 16), sizeof p);
                PF_FpShort* const channels[3] = {&p.red, &p.green, &p.blue};
                for (PF_FpShort* ch : channels) {
                    if (forward != 0) {
                        *ch = *ch * p.alpha;
                    } else if (p.alpha > 0) {
                        *ch = *ch / p.alpha;
                    }
                }
                std::memcpy(PixelAt(*world, x, y, 16), &p, sizeof p);
            } else {
                PF_Pixel16 p;
                std::memcpy(&p, PixelAt(*world, x, y, 8), sizeof p);
                // Integer rounding to nearest, halves up, as lround would.
                const std::uint64_t a = p.alpha;
                A_u_short* const channels[3] = {&p.red, &p.green, &p.blue};
                for (A_u_short* ch : channels) {
                    if (forward != 0) {
                        *ch = static_cast<A_u_short>((*ch * a + 16384) >> 15);
                    } else if (a > 0) {
                        *ch = static_cast<A_u_short>(std::min<std::uint64_t>(
                            PF_MAX_CHAN16, (std::uint64_t{*ch} * 65536 + a) / (2 * a)));
                    }
                }
                std::memcpy(PixelAt(*world, x, y, 8), &p, sizeof p);
            }
        }
    }
    return PF_Err_NONE;
}

PF_Err UtilNewWorld(PF_ProgPtr effect_ref, A_long width, A_long height, PF_NewWorldFlags flags,
                    PF_EffectWorld* world) {
    constexpr const char* key = "utils.new_world";
    PF_Err err = 0;
    Host::Command* const command = BeginCall(effect_ref, key, &err);
    if (command == nullptr)
        return err;
    Host& host = *command->host;
    if (world == nullptr || width < 0 || height < 0) {
        host.Violation("utils.new_world with a null world or a negative size");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    const PF_PixelFormat format =
        (flags & PF_NewWorldFlag_DEEP_PIXELS) ? PF_PixelFormat_ARGB64 : PF_PixelFormat_ARGB32;
    return HostAccess::MakeWorld(host, *world, width, height, format,
                                 (flags & PF_NewWorldFlag_CLEAR_PIXELS) != 0, true, command->serial,
                                 key);
}

PF_Err DisposeWorld(Host& host, PF_EffectWorld* world, const char* key) {
    std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
    Host::WorldRec* const rec = KnownWorld(host, world, key);
    if (rec == nullptr)
        return PF_Err_BAD_CALLBACK_PARAM;
    if (!rec->effectOwned) {
        host.Violation(std::string(key) + " of a world the host owns (made by " + rec->origin +
                       ")");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    HostAccess::CheckPadding(host, *world, key);
    HostAccess::DropWorld(host, world);
    world->data = nullptr;
    return PF_Err_NONE;
}

// An injected failure is what the effect sees, but the world is disposed all
// the same, so the failure does not turn into a leak report.
PF_Err DisposeWorldCall(PF_ProgPtr effect_ref, PF_EffectWorld* world, const char* key) {
    Host::Command* const command = LiveHost(key).CommandOf(effect_ref, key);
    if (command == nullptr)
        return PF_Err_BAD_CALLBACK_PARAM;
    const PF_Err injected = command->host->Enter(key);
    const PF_Err err = DisposeWorld(*command->host, world, key);
    return injected != 0 ? injected : err;
}

PF_Err UtilDisposeWorld(PF_ProgPtr effect_ref, PF_EffectWorld* world) {
    constexpr const char* key = "utils.dispose_world";
    return DisposeWorldCall(effect_ref, world, key);
}

PF_Err SuiteNewWorld(PF_ProgPtr effect_ref, A_long width, A_long height, PF_Boolean clear,
                     PF_PixelFormat format, PF_EffectWorld* world) {
    constexpr const char* key = "PF World Suite 2.PF_NewWorld";
    PF_Err err = 0;
    Host::Command* const command = BeginCall(effect_ref, key, &err);
    if (command == nullptr)
        return err;
    Host& host = *command->host;
    if (world == nullptr || width < 0 || height < 0) {
        host.Violation(std::string(key) + " with a null world or a negative size");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    if (BytesPerPixel(format) == 0) {
        host.Violation(std::string(key) + " with pixel format " + std::to_string(format) +
                       ", which it cannot make");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    return HostAccess::MakeWorld(host, *world, width, height, format, clear != 0, true,
                                 command->serial, key);
}

PF_Err SuiteDisposeWorld(PF_ProgPtr effect_ref, PF_EffectWorld* world) {
    constexpr const char* key = "PF World Suite 2.PF_DisposeWorld";
    return DisposeWorldCall(effect_ref, world, key);
}

PF_Err SuiteGetPixelFormat(const PF_EffectWorld* world, PF_PixelFormat* format) {
    constexpr const char* key = "PF World Suite 2.PF_GetPixelFormat";
    Host& host = LiveHost(key);
    if (const PF_Err err = host.Enter(key))
        return err;
    if (format == nullptr) {
        host.Violation(std::string(key) + " with a null out-pointer");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
    Host::WorldRec* const rec = KnownWorld(host, world, key);
    if (rec == nullptr)
        return PF_Err_BAD_CALLBACK_PARAM;
    *format = rec->format;
    return PF_Err_NONE;
}

}  // namespace

PF_Err HostAccess::MakeWorld(Host& h, PF_EffectWorld& world, A_long width, A_long height,
                             PF_PixelFormat format, bool clear, bool effectOwned, int command,
                             const char* origin, A_long paddingBytes) {
    const A_long bpp = BytesPerPixel(format);
    const A_long padding = paddingBytes >= 0 ? paddingBytes : h.settings.rowPaddingBytes;
    const uint64_t rowBytes =
        uint64_t(std::max<A_long>(width, 0)) * uint64_t(bpp) + uint64_t(padding);
    if (rowBytes > uint64_t(INT32_MAX) ||
        rowBytes * uint64_t(std::max<A_long>(height, 0)) > h.settings.maxWorldBytes) {
        world = PF_EffectWorld{};
        return PF_Err_OUT_OF_MEMORY;
    }
    auto rec = std::make_unique<Host::WorldRec>();
    rec->format = format;
    rec->width = width;
    rec->height = height;
    rec->rowbytes = width * bpp + padding;
    rec->storageSize =
        std::max<size_t>(1, static_cast<size_t>(rec->rowbytes) * static_cast<size_t>(height));
    rec->storage.reset(new unsigned char[rec->storageSize]);
    std::memset(rec->storage.get(), clear ? 0 : kGarbageByte, rec->storageSize);
    for (A_long y = 0; y < height; ++y) {
        std::memset(rec->storage.get() +
                        static_cast<size_t>(y) * static_cast<size_t>(rec->rowbytes) +
                        static_cast<size_t>(width) * static_cast<size_t>(bpp),
                    kPaddingByte, static_cast<size_t>(padding));
    }
    rec->command = command;
    rec->origin = origin;
    rec->effectOwned = effectOwned;
    world = PF_EffectWorld{};
    world.world_flags =
        PF_WorldFlag_WRITEABLE | (format == PF_PixelFormat_ARGB64 ? PF_WorldFlag_DEEP : 0);
    world.data = reinterpret_cast<PF_PixelPtr>(rec->storage.get());
    world.rowbytes = rec->rowbytes;
    world.width = width;
    world.height = height;
    world.extent_hint = PF_LRect{0, 0, width, height};
    world.pix_aspect_ratio = h.settings.pixelAspect;
    std::lock_guard<std::recursive_mutex> lock(h.mu_);
    h.worlds_[rec->storage.get()] = std::move(rec);
    return PF_Err_NONE;
}

Host::WorldRec* HostAccess::FindWorld(Host& h, const PF_EffectWorld* world) {
    std::lock_guard<std::recursive_mutex> lock(h.mu_);
    const auto it = h.worlds_.find(static_cast<const void*>(world->data));
    return it == h.worlds_.end() ? nullptr : it->second.get();
}

void HostAccess::DropWorld(Host& h, const PF_EffectWorld* world) {
    std::lock_guard<std::recursive_mutex> lock(h.mu_);
    h.worlds_.erase(static_cast<const void*>(world->data));
}

void HostAccess::CheckPadding(Host& h, const PF_EffectWorld& world, const char* what) {
    Host::WorldRec* const rec = FindWorld(h, &world);
    if (rec == nullptr)
        return;
    const size_t used =
        static_cast<size_t>(rec->width) * static_cast<size_t>(BytesPerPixel(rec->format));
    const size_t padding = static_cast<size_t>(rec->rowbytes) - used;
    for (A_long y = 0; y < rec->height; ++y) {
        const unsigned char* p =
            rec->storage.get() + static_cast<size_t>(y) * static_cast<size_t>(rec->rowbytes) + used;
        for (size_t i = 0; i < padding; ++i) {
            if (p[i] != kPaddingByte) {
                h.Violation(std::string(what) + ": row " + std::to_string(y) +
                            " was written past its last pixel");
                return;
            }
        }
    }
}

void HostAccess::FillWorldUtils(PF_UtilCallbacks& u) {
    u.fill = &Fill;
    u.premultiply = &Premultiply;
    u.new_world = &UtilNewWorld;
    u.dispose_world = &UtilDisposeWorld;
}

const PF_WorldSuite2* HostAccess::WorldSuite() {
    static const PF_WorldSuite2 table = [] {
        PF_WorldSuite2 t = {};
        t.PF_NewWorld = &SuiteNewWorld;
        t.PF_DisposeWorld = &SuiteDisposeWorld;
        t.PF_GetPixelFormat = &SuiteGetPixelFormat;
        return t;
    }();
    return &table;
}

size_t Host::LiveWorldCount() const {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    size_t n = 0;
    for (const auto& entry : worlds_)
        n += entry.second->effectOwned ? 1 : 0;
    return n;
}

}  // namespace simhost
