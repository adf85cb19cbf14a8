#pragma once
#include <cmath>

#include "model/lanes.h"

// Double-precision numbers that carry a bound on their distance to the value the 80-bit
// evaluation computes for the same quantity from the same inputs.
//
// Both evaluations round every operation: the double one by at most 2^-53 of its result, the
// 80-bit one by at most 2^-64 of its own. kRoundoff covers both, and twice the 80-bit share,
// as long as the reference forms the quantity through the same operations (a product may be
// associated differently: its relative errors add up the same way).
//
// The bounds are computed in double themselves, from non-negative terms only, so they can come
// out low by a factor (1 - 2^-53) per operation; every decision and every final bound takes
// them times kBoundSlack, which covers a few hundred such roundings with room to spare.
inline constexpr double kRoundoff = 0x1.004p-53;  // 2^-53 + 2^-63
inline constexpr double kBoundSlack = 1 + 0x1p-40;

// v is a double, or a vector of doubles (Lanes) bounded lane by lane with the same operations.
template <class T>
struct Bounded {
  T v{};  // the double value
  T r{};  // |v - reference value| <= r
};
using BoundedReal = Bounded<double>;

// An 80-bit number rounded to double: exact in the reference, off by half an ulp here.
inline BoundedReal Rounded(long double x) {
  const double v = static_cast<double>(x);
  return {v, 0x1p-53 * std::fabs(v)};
}

template <class T>
Bounded<T> operator-(const Bounded<T>& a) {
  return {-a.v, a.r};
}

template <class T>
Bounded<T> operator*(const Bounded<T>& a, const Bounded<T>& b) {
  const T ma = Abs(a.v), mb = Abs(b.v);
  return {a.v * b.v, ma * b.r + (mb + b.r) * a.r + kRoundoff * (ma + a.r) * (mb + b.r)};
}

template <class T>
Bounded<T> operator+(const Bounded<T>& a, const Bounded<T>& b) {
  const T v = a.v + b.v;
  return {v, a.r + b.r + kRoundoff * (Abs(v) + a.r + b.r)};
}

template <class T>
Bounded<T> operator-(const Bounded<T>& a, const Bounded<T>& b) {
  return a + (-b);
}
