#pragma once

#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Four single-precision values handled side by side, for the slope kernel.
// Every operation is the IEEE operation of each lane (division and square
// root correctly rounded, no reciprocal estimates, no fused multiply-add), so
// a lane computes bit for bit what the same code computes on one float.
struct Float4 {
#if defined(__SSE2__)
    __m128 v;

    static Float4 Load(const float* p) { return {_mm_loadu_ps(p)}; }
    static Float4 Splat(float value) { return {_mm_set1_ps(value)}; }
    void Store(float* p) const { _mm_storeu_ps(p, v); }

    friend Float4 operator+(Float4 a, Float4 b) { return {_mm_add_ps(a.v, b.v)}; }
    friend Float4 operator-(Float4 a, Float4 b) { return {_mm_sub_ps(a.v, b.v)}; }
    friend Float4 operator*(Float4 a, Float4 b) { return {_mm_mul_ps(a.v, b.v)}; }
    friend Float4 operator/(Float4 a, Float4 b) { return {_mm_div_ps(a.v, b.v)}; }
    friend Float4 Sqrt(Float4 a) { return {_mm_sqrt_ps(a.v)}; }
    // Lanes where `length` is zero keep `unchanged`; the others take `divided`.
    friend Float4 SelectNonZero(Float4 length, Float4 divided, Float4 unchanged) {
        const __m128 zero = _mm_cmpeq_ps(length.v, _mm_setzero_ps());
        return {_mm_or_ps(_mm_and_ps(zero, unchanged.v), _mm_andnot_ps(zero, divided.v))};
    }
#else
    float v[4];

    static Float4 Load(const float* p) { return {{p[0], p[1], p[2], p[3]}}; }
    static Float4 Splat(float value) { return {{value, value, value, value}}; }
    void Store(float* p) const {
        for (int i = 0; i < 4; ++i) p[i] = v[i];
    }
    template <class Op>
    static Float4 Each(Float4 a, Float4 b, Op op) {
        return {{op(a.v[0], b.v[0]), op(a.v[1], b.v[1]), op(a.v[2], b.v[2]), op(a.v[3], b.v[3])}};
    }
    friend Float4 operator+(Float4 a, Float4 b) {
        return Each(a, b, [](float x, float y) { return x + y; });
    }
    friend Float4 operator-(Float4 a, Float4 b) {
        return Each(a, b, [](float x, float y) { return x - y; });
    }
    friend Float4 operator*(Float4 a, Float4 b) {
        return Each(a, b, [](float x, float y) { return x * y; });
    }
    friend Float4 operator/(Float4 a, Float4 b) {
        return Each(a, b, [](float x, float y) { return x / y; });
    }
    friend Float4 Sqrt(Float4 a) {
        return Each(a, a, [](float x, float) { return std::sqrt(x); });
    }
    friend Float4 SelectNonZero(Float4 length, Float4 divided, Float4 unchanged) {
        Float4 result;
        for (int i = 0; i < 4; ++i)
            result.v[i] = length.v[i] == 0.0f ? unchanged.v[i] : divided.v[i];
        return result;
    }
#endif
};

// The same operations on one float, so one kernel body serves both.
inline float Sqrt(float a) { return std::sqrt(a); }
inline float SelectNonZero(float length, float divided, float unchanged) {
    return length == 0.0f ? unchanged : divided;
}

// A constant in every lane.
template <class F>
F Broadcast(float value);
template <>
inline float Broadcast<float>(float value) {
    return value;
}
template <>
inline Float4 Broadcast<Float4>(float value) {
    return Float4::Splat(value);
}
