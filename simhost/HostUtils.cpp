// Host memory handles, the ANSI callbacks and the rest of PF_UtilCallbacks;
// the "PF Handle Suite" 2 and "PF ANSI Suite" 1 tables.

#include "simhost/HostInternal.h"
#include "simhost/SimHost.h"
#include "simhost/Unsimulated.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace simhost {

namespace {

// ---- handles ----------------------------------------------------------------------

Host::HandleRec* FindHandle(Host& host, PF_Handle handle) {
    auto& handles = HostAccess::Handles(host);
    const auto it = handles.find(static_cast<void*>(handle));
    return it == handles.end() ? nullptr : it->second.get();
}

template <const char* K>
PF_Handle NewHandle(A_HandleSize size) {
    Host& host = LiveHost(K);
    if (host.Enter(K) != 0)
        return nullptr;
    auto rec = std::make_unique<Host::HandleRec>();
    rec->size = size;
    rec->ptr = std::malloc(size == 0 ? 1 : static_cast<size_t>(size));
    if (rec->ptr == nullptr)
        return nullptr;
    // Host memory arrives uncleared.
    std::memset(rec->ptr, kGarbageByte, size == 0 ? 1 : static_cast<size_t>(size));
    rec->command = CurrentCommandSerial();
    const PF_Handle handle = reinterpret_cast<PF_Handle>(&rec->ptr);
    std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
    HostAccess::Handles(host)[static_cast<void*>(handle)] = std::move(rec);
    return handle;
}

template <const char* K>
void* LockHandle(PF_Handle handle) {
    Host& host = LiveHost(K);
    if (host.Enter(K) != 0)
        return nullptr;
    std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
    Host::HandleRec* const rec = FindHandle(host, handle);
    if (rec == nullptr) {
        host.Violation(std::string(K) +
                       " of a handle the host does not know (never made, or disposed)");
        return nullptr;
    }
    ++rec->locks;
    return rec->ptr;
}

template <const char* K>
void UnlockHandle(PF_Handle handle) {
    Host& host = LiveHost(K);
    if (host.Enter(K) != 0)
        return;
    std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
    Host::HandleRec* const rec = FindHandle(host, handle);
    if (rec == nullptr) {
        host.Violation(std::string(K) +
                       " of a handle the host does not know (never made, or disposed)");
        return;
    }
    if (rec->locks > 0)
        --rec->locks;
}

template <const char* K>
void DisposeHandle(PF_Handle handle) {
    Host& host = LiveHost(K);
    if (host.Enter(K) != 0)
        return;
    std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
    auto& handles = HostAccess::Handles(host);
    const auto it = handles.find(static_cast<void*>(handle));
    if (it == handles.end()) {
        host.Violation(std::string(K) +
                       " of a handle the host does not know (never made, or already disposed)");
        return;
    }
    std::free(it->second->ptr);
    handles.erase(it);
}

template <const char* K>
A_HandleSize HandleSizeOf(PF_Handle handle) {
    Host& host = LiveHost(K);
    if (host.Enter(K) != 0)
        return 0;
    std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
    Host::HandleRec* const rec = FindHandle(host, handle);
    if (rec == nullptr) {
        host.Violation(std::string(K) + " of a handle the host does not know");
        return 0;
    }
    return rec->size;
}

template <const char* K>
PF_Err ResizeHandle(A_HandleSize size, PF_Handle* handle) {
    Host& host = LiveHost(K);
    if (const PF_Err err = host.Enter(K))
        return err;
    std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
    Host::HandleRec* const rec = handle != nullptr ? FindHandle(host, *handle) : nullptr;
    if (rec == nullptr) {
        host.Violation(std::string(K) + " of a handle the host does not know");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    void* const grown = std::realloc(rec->ptr, size == 0 ? 1 : static_cast<size_t>(size));
    if (grown == nullptr)
        return PF_Err_OUT_OF_MEMORY;
    if (size > rec->size) {
        std::memset(static_cast<unsigned char*>(grown) + rec->size, kGarbageByte,
                    static_cast<size_t>(size - rec->size));
    }
    rec->ptr = grown;
    rec->size = size;
    return PF_Err_NONE;
}

// ---- ANSI ----------------------------------------------------------------------------

// Size of a host-owned text buffer that `p` starts, 0 when unknown.
size_t KnownBufferSize(Host& host, const char* p) {
    std::lock_guard<std::recursive_mutex> lock(HostAccess::Mutex(host));
    for (Host::Command* c : HostAccess::Live(host)) {
        if (p == c->out.return_msg)
            return sizeof(c->out.return_msg);
        if (p == c->out.name)
            return sizeof(c->out.name);
    }
    return 0;
}

template <const char* K>
int Sprintf(A_char* buffer, const A_char* format, ...) {
    Host& host = LiveHost(K);
    if (host.Enter(K) != 0)
        return -1;
    if (buffer == nullptr || format == nullptr) {
        host.Violation(std::string(K) + " called with a null buffer or format");
        return -1;
    }
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int needed = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    const size_t known = KnownBufferSize(host, buffer);
    int written;
    if (known != 0 && needed >= 0 && static_cast<size_t>(needed) + 1 > known) {
        // The real host would write past the end of its buffer.
        host.Violation(std::string(K) + " writes " + std::to_string(needed + 1) +
                       " bytes into a host buffer of " + std::to_string(known));
        written = std::vsnprintf(buffer, known, format, args);
    } else {
        written = std::vsprintf(buffer, format, args);
    }
    va_end(args);
    return written;
}

template <const char* K>
A_char* Strcpy(A_char* dst, const A_char* src) {
    Host& host = LiveHost(K);
    if (host.Enter(K) != 0)
        return nullptr;
    if (dst == nullptr || src == nullptr) {
        host.Violation(std::string(K) + " called with a null pointer");
        return dst;
    }
    const size_t known = KnownBufferSize(host, dst);
    const size_t length = std::strlen(src);
    if (known != 0 && length + 1 > known) {
        host.Violation(std::string(K) + " copies " + std::to_string(length + 1) +
                       " bytes into a host buffer of " + std::to_string(known));
        std::memcpy(dst, src, known - 1);
        dst[known - 1] = 0;
        return dst;
    }
    return std::strcpy(dst, src);
}

#define SIMHOST_MATH1(fn)            \
    template <const char* K>         \
    A_FpLong Math_##fn(A_FpLong x) { \
        LiveHost(K).Enter(K);        \
        return std::fn(x);           \
    }
#define SIMHOST_MATH2(fn)                        \
    template <const char* K>                     \
    A_FpLong Math_##fn(A_FpLong x, A_FpLong y) { \
        LiveHost(K).Enter(K);                    \
        return std::fn(x, y);                    \
    }
SIMHOST_MATH1(atan)
SIMHOST_MATH2(atan2)
SIMHOST_MATH1(ceil)
SIMHOST_MATH1(cos)
SIMHOST_MATH1(exp)
SIMHOST_MATH1(fabs)
SIMHOST_MATH1(floor)
SIMHOST_MATH2(fmod)
SIMHOST_MATH2(hypot)
SIMHOST_MATH1(log)
SIMHOST_MATH1(log10)
SIMHOST_MATH2(pow)
SIMHOST_MATH1(sin)
SIMHOST_MATH1(sqrt)
SIMHOST_MATH1(tan)
SIMHOST_MATH1(asin)
SIMHOST_MATH1(acos)
#undef SIMHOST_MATH1
#undef SIMHOST_MATH2

// Fills the ANSI members of a table (PF_ANSICallbacks or the suite), each
// counted under prefix + member.
#define SIMHOST_ANSI_MEMBER(table, prefix, member, impl) \
    do {                                                 \
        static constexpr char k_[] = prefix "." #member; \
        (table).member = &impl<k_>;                      \
    } while (0)
#define SIMHOST_FILL_ANSI(table, prefix)                       \
    do {                                                       \
        SIMHOST_ANSI_MEMBER(table, prefix, atan, Math_atan);   \
        SIMHOST_ANSI_MEMBER(table, prefix, atan2, Math_atan2); \
        SIMHOST_ANSI_MEMBER(table, prefix, ceil, Math_ceil);   \
        SIMHOST_ANSI_MEMBER(table, prefix, cos, Math_cos);     \
        SIMHOST_ANSI_MEMBER(table, prefix, exp, Math_exp);     \
        SIMHOST_ANSI_MEMBER(table, prefix, fabs, Math_fabs);   \
        SIMHOST_ANSI_MEMBER(table, prefix, floor, Math_floor); \
        SIMHOST_ANSI_MEMBER(table, prefix, fmod, Math_fmod);   \
        SIMHOST_ANSI_MEMBER(table, prefix, hypot, Math_hypot); \
        SIMHOST_ANSI_MEMBER(table, prefix, log, Math_log);     \
        SIMHOST_ANSI_MEMBER(table, prefix, log10, Math_log10); \
        SIMHOST_ANSI_MEMBER(table, prefix, pow, Math_pow);     \
        SIMHOST_ANSI_MEMBER(table, prefix, sin, Math_sin);     \
        SIMHOST_ANSI_MEMBER(table, prefix, sqrt, Math_sqrt);   \
        SIMHOST_ANSI_MEMBER(table, prefix, tan, Math_tan);     \
        SIMHOST_ANSI_MEMBER(table, prefix, sprintf, Sprintf);  \
        SIMHOST_ANSI_MEMBER(table, prefix, strcpy, Strcpy);    \
        SIMHOST_ANSI_MEMBER(table, prefix, asin, Math_asin);   \
        SIMHOST_ANSI_MEMBER(table, prefix, acos, Math_acos);   \
    } while (0)

#define SIMHOST_HANDLE_MEMBER(table, prefix, member, impl) \
    do {                                                   \
        static constexpr char k_[] = prefix "." #member;   \
        (table).member = &impl<k_>;                        \
    } while (0)

}  // namespace

const PF_HandleSuite1* HostAccess::HandleSuite() {
    static const PF_HandleSuite1 table = [] {
        PF_HandleSuite1 t = {};
        SIMHOST_HANDLE_MEMBER(t, "PF Handle Suite 2", host_new_handle, NewHandle);
        SIMHOST_HANDLE_MEMBER(t, "PF Handle Suite 2", host_lock_handle, LockHandle);
        SIMHOST_HANDLE_MEMBER(t, "PF Handle Suite 2", host_unlock_handle, UnlockHandle);
        SIMHOST_HANDLE_MEMBER(t, "PF Handle Suite 2", host_dispose_handle, DisposeHandle);
        SIMHOST_HANDLE_MEMBER(t, "PF Handle Suite 2", host_get_handle_size, HandleSizeOf);
        SIMHOST_HANDLE_MEMBER(t, "PF Handle Suite 2", host_resize_handle, ResizeHandle);
        return t;
    }();
    return &table;
}

const PF_ANSICallbacksSuite1* HostAccess::AnsiSuite() {
    static const PF_ANSICallbacksSuite1 table = [] {
        PF_ANSICallbacksSuite1 t = {};
        SIMHOST_FILL_ANSI(t, "PF ANSI Suite 1");
        return t;
    }();
    return &table;
}

void HostAccess::FillUtils(PF_UtilCallbacks& u) {
    u = PF_UtilCallbacks{};
    SIMHOST_UNSIMULATED(u, "utils", begin_sampling);
    SIMHOST_UNSIMULATED(u, "utils", subpixel_sample);
    SIMHOST_UNSIMULATED(u, "utils", area_sample);
    u.get_batch_func_is_deprecated = nullptr;
    SIMHOST_UNSIMULATED(u, "utils", end_sampling);
    SIMHOST_UNSIMULATED(u, "utils", composite_rect);
    SIMHOST_UNSIMULATED(u, "utils", blend);
    SIMHOST_UNSIMULATED(u, "utils", convolve);
    SIMHOST_UNSIMULATED(u, "utils", copy);
    SIMHOST_UNSIMULATED(u, "utils", gaussian_kernel);
    SIMHOST_UNSIMULATED(u, "utils", premultiply_color);
    SIMHOST_UNSIMULATED(u, "utils", iterate_origin);
    SIMHOST_UNSIMULATED(u, "utils", iterate_lut);
    SIMHOST_UNSIMULATED(u, "utils", transfer_rect);
    SIMHOST_UNSIMULATED(u, "utils", transform_world);
    SIMHOST_HANDLE_MEMBER(u, "utils", host_new_handle, NewHandle);
    SIMHOST_HANDLE_MEMBER(u, "utils", host_lock_handle, LockHandle);
    SIMHOST_HANDLE_MEMBER(u, "utils", host_unlock_handle, UnlockHandle);
    SIMHOST_HANDLE_MEMBER(u, "utils", host_dispose_handle, DisposeHandle);
    SIMHOST_UNSIMULATED(u, "utils", get_callback_addr);
    SIMHOST_UNSIMULATED(u, "utils", app);
    SIMHOST_FILL_ANSI(u.ansi, "utils.ansi");
    SIMHOST_UNSIMULATED(u.colorCB, "utils.colorCB", RGBtoHLS);
    SIMHOST_UNSIMULATED(u.colorCB, "utils.colorCB", HLStoRGB);
    SIMHOST_UNSIMULATED(u.colorCB, "utils.colorCB", RGBtoYIQ);
    SIMHOST_UNSIMULATED(u.colorCB, "utils.colorCB", YIQtoRGB);
    SIMHOST_UNSIMULATED(u.colorCB, "utils.colorCB", Luminance);
    SIMHOST_UNSIMULATED(u.colorCB, "utils.colorCB", Hue);
    SIMHOST_UNSIMULATED(u.colorCB, "utils.colorCB", Lightness);
    SIMHOST_UNSIMULATED(u.colorCB, "utils.colorCB", Saturation);
    SIMHOST_UNSIMULATED(u, "utils", get_platform_data);
    SIMHOST_HANDLE_MEMBER(u, "utils", host_get_handle_size, HandleSizeOf);
    SIMHOST_UNSIMULATED(u, "utils", iterate_origin_non_clip_src);
    SIMHOST_HANDLE_MEMBER(u, "utils", host_resize_handle, ResizeHandle);
    SIMHOST_UNSIMULATED(u, "utils", subpixel_sample16);
    SIMHOST_UNSIMULATED(u, "utils", area_sample16);
    SIMHOST_UNSIMULATED(u, "utils", fill16);
    SIMHOST_UNSIMULATED(u, "utils", premultiply_color16);
    SIMHOST_UNSIMULATED(u, "utils", iterate16);
    SIMHOST_UNSIMULATED(u, "utils", iterate_origin16);
    SIMHOST_UNSIMULATED(u, "utils", iterate_origin_non_clip_src16);
    SIMHOST_UNSIMULATED(u, "utils", get_pixel_data8);
    SIMHOST_UNSIMULATED(u, "utils", get_pixel_data16);
    FillWorldUtils(u);
    FillIterateUtils(u);
}

size_t Host::LiveHandleCount() const {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    return handles_.size();
}

A_HandleSize Host::HandleSize(PF_Handle handle) const {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    const auto it = handles_.find(static_cast<void*>(handle));
    return it == handles_.end() ? 0 : it->second->size;
}

}  // namespace simhost
