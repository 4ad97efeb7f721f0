#pragma once

// Function-table slots the simulated host does not simulate. Every slot of a
// table the host hands out is filled: with a real implementation, or with a
// stub made here that records a violation naming the slot ("<suite>.<member>
// is not simulated") and returns an error, so a plug-in that calls something
// unexpected fails loudly instead of jumping through a null pointer.
//
//     SIMHOST_UNSIMULATED(table, "AEGP Layer Suite 13", AEGP_GetLayerName);
//
// Stubs return PF_Err_BAD_CALLBACK_PARAM (516) for integer results, a null
// pointer for pointer results, 0.0 for floating results and nothing for void.

#include <type_traits>

namespace simhost {

// Records "<key> is not simulated" as a violation of the live host (or prints
// it and aborts when no host is alive). Thread-safe.
void ReportUnsimulated(const char* key);

namespace detail {

template <typename R>
R UnsimulatedResult() {
    if constexpr (std::is_void_v<R>) {
        return;
    } else if constexpr (std::is_pointer_v<R>) {
        return nullptr;
    } else if constexpr (std::is_floating_point_v<R>) {
        return R(0);
    } else {
        return R(516);  // PF_Err_BAD_CALLBACK_PARAM
    }
}

template <typename F>
struct Unsimulated;

template <typename R, typename... A>
struct Unsimulated<R (*)(A...)> {
    template <const char* Key>
    static R Fn(A...) {
        ReportUnsimulated(Key);
        return UnsimulatedResult<R>();
    }
};

template <typename R, typename... A>
struct Unsimulated<R (*)(A..., ...)> {
    template <const char* Key>
    static R Fn(A..., ...) {
        ReportUnsimulated(Key);
        return UnsimulatedResult<R>();
    }
};

}  // namespace detail
}  // namespace simhost

#define SIMHOST_UNSIMULATED(table, suiteKey, member)                                             \
    do {                                                                                         \
        static constexpr char simhostKey_[] = suiteKey "." #member;                              \
        (table).member =                                                                         \
            &::simhost::detail::Unsimulated<decltype((table).member)>::template Fn<simhostKey_>; \
    } while (0)
