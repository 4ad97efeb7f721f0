#pragma once

// Four floats handled as one value: a texel (RGBA) or a packed pair of
// channels. SSE on x86, plain floats elsewhere; both give the same results
// (no fused multiply-add either way).
#if defined(__SSE2__) || defined(_M_X64) || defined(_M_AMD64)
#include <emmintrin.h>
#define HLV3_VEC4_SSE 1
#endif

struct Vec4 {
#if defined(HLV3_VEC4_SSE)
    __m128 v;
    static Vec4 Zero() {
        return {_mm_setzero_ps()};
    }
    static Vec4 Splat(float x) {
        return {_mm_set1_ps(x)};
    }
    static Vec4 Set(float x, float y, float z, float w) {
        return {_mm_setr_ps(x, y, z, w)};
    }
    static Vec4 Load(const float* p) {
        return {_mm_loadu_ps(p)};
    }
    void Store(float* p) const {
        _mm_storeu_ps(p, v);
    }
    friend Vec4 operator+(Vec4 a, Vec4 b) {
        return {_mm_add_ps(a.v, b.v)};
    }
    friend Vec4 operator-(Vec4 a, Vec4 b) {
        return {_mm_sub_ps(a.v, b.v)};
    }
    friend Vec4 operator*(Vec4 a, Vec4 b) {
        return {_mm_mul_ps(a.v, b.v)};
    }
#else
    float v[4];
    static Vec4 Zero() {
        return {{0.f, 0.f, 0.f, 0.f}};
    }
    static Vec4 Splat(float x) {
        return {{x, x, x, x}};
    }
    static Vec4 Set(float x, float y, float z, float w) {
        return {{x, y, z, w}};
    }
    static Vec4 Load(const float* p) {
        return {{p[0], p[1], p[2], p[3]}};
    }
    void Store(float* p) const {
        for (int i = 0; i < 4; ++i) {
            p[i] = v[i];
        }
    }
    friend Vec4 operator+(Vec4 a, Vec4 b) {
        return {{a.v[0] + b.v[0], a.v[1] + b.v[1], a.v[2] + b.v[2], a.v[3] + b.v[3]}};
    }
    friend Vec4 operator-(Vec4 a, Vec4 b) {
        return {{a.v[0] - b.v[0], a.v[1] - b.v[1], a.v[2] - b.v[2], a.v[3] - b.v[3]}};
    }
    friend Vec4 operator*(Vec4 a, Vec4 b) {
        return {{a.v[0] * b.v[0], a.v[1] * b.v[1], a.v[2] * b.v[2], a.v[3] * b.v[3]}};
    }
#endif
    friend Vec4 operator*(float s, Vec4 a) {
        return Splat(s) * a;
    }
    Vec4& operator+=(Vec4 b) {
        return *this = *this + b;
    }
    // The four lanes as floats, for the per-channel arithmetic of the
    // colour passes.
    void ToArray(float out[4]) const {
        Store(out);
    }
};
