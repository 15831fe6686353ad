#pragma once
// The numbers of the game's rules: 16-bit integers that overflow into run-time error 6,
// single-precision positions, and conversions that round to nearest with ties to even.

#include <cmath>
#include <cstdint>
#include <string>

#include "platform/errori_runtime.h"

namespace didiv {

// Rounds to nearest, ties to even, and refuses what does not fit 16 bits.
inline int16_t CInt(double v) {
    double r = std::nearbyint(v);  // the default rounding mode is to nearest, ties to even
    if (!(r >= -32768.0 && r <= 32767.0)) solleva(ERR_OVERFLOW);
    return static_cast<int16_t>(r);
}

inline int16_t CInt(long long v) {
    if (v < -32768 || v > 32767) solleva(ERR_OVERFLOW);
    return static_cast<int16_t>(v);
}
inline int16_t CInt(int v) { return CInt(static_cast<long long>(v)); }

// A 16-bit signed field: every store is range-checked.
class Integer {
public:
    constexpr Integer() = default;
    Integer(int v) : v_(CInt(v)) {}  // NOLINT: a field is assigned like a plain number
    Integer(long long v) : v_(CInt(v)) {}  // NOLINT
    Integer(double v) : v_(CInt(v)) {}  // NOLINT
    Integer(float v) : v_(CInt(static_cast<double>(v))) {}  // NOLINT

    constexpr operator int() const { return v_; }  // NOLINT

    Integer& operator+=(int d) { v_ = CInt(static_cast<long long>(v_) + d); return *this; }
    Integer& operator-=(int d) { v_ = CInt(static_cast<long long>(v_) - d); return *this; }
    Integer& operator++() { return *this += 1; }
    Integer& operator--() { return *this -= 1; }

private:
    int16_t v_ = 0;
};

// Int(): the floor, as a whole number still in floating point.
inline double Int(double v) { return std::floor(v); }

// The number-to-text rule of the error message: a blank before a non-negative number.
inline std::string Str(long long v) {
    // Appended, not prepended: GCC 12 at -O3 warns falsely about " " + std::string.
    std::string s = v < 0 ? "" : " ";
    s += std::to_string(v);
    return s;
}

}  // namespace didiv
