#pragma once
#include <cmath>
#include <cstdint>

#include "model/lanes.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"

// sin and cos of a double or of every lane, the same operations either way: within 2 units in
// the last place for |x| <= kSinCosRange (a test measures it against the extended functions).
inline constexpr double kSinCosRange = 0x1p19;

namespace lane_sincos {

inline constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
// pi / 2 in three parts; the first two have 33 significant bits, so that k times them is exact
// for the |k| < 2^20 of the range.
inline constexpr double kHalfPi1 = 0x1.921fb544p+0;
inline constexpr double kHalfPi2 = 0x1.0b4611a6p-34;
inline constexpr double kHalfPi3 = 0x1.3198a2e037073p-69;
inline double Select(std::int64_t pick, double a, double b) { return pick ? a : b; }

// sin r and cos r for |r| <= pi / 4: their Taylor series, whose first omitted terms are below
// 2^-60 of the results there.
template <class T>
void SinCosNearZero(T r, T& s, T& c) {
  const T r2 = r * r;
  const T sinTail =
      -1.0 / 6 +
      r2 * (1.0 / 120 +
            r2 * (-1.0 / 5040 +
                  r2 * (1.0 / 362880 +
                        r2 * (-1.0 / 39916800 +
                              r2 * (1.0 / 6227020800 +
                                    r2 * (-1.0 / 1307674368000 + r2 * (1.0 / 355687428096000)))))));
  const T cosTail =
      1.0 / 24 +
      r2 * (-1.0 / 720 +
            r2 * (1.0 / 40320 +
                  r2 * (-1.0 / 3628800 +
                        r2 * (1.0 / 479001600 +
                              r2 * (-1.0 / 87178291200 + r2 * (1.0 / 20922789888000))))));
  s = r + r * r2 * sinTail;
  const T half = 0.5 * r2, w = 1 - half;
  // w carries the rounding of 1 - r^2 / 2; it is added back.
  c = w + (((1 - w) - half) + r2 * r2 * cosTail);
}

}  // namespace lane_sincos

// For |x| <= kSinCosRange only.
template <class T>
void SinCosInRange(T x, T& s, T& c) {
  using namespace lane_sincos;
  const T k = (x * kTwoOverPi + kRoundingShift) - kRoundingShift;
  // x - k pi / 2 as r + rest: the first difference is exact, the second one's rounding is
  // recovered, and the rest enters the series to first order.
  const T t = x - k * kHalfPi1, second = k * kHalfPi2;
  const T r1 = t - second;
  const T tail = ((t - r1) - second) - k * kHalfPi3;
  const T r = r1 + tail, rest = (r1 - r) + tail;
  T sr0, cr0;
  SinCosNearZero(r, sr0, cr0);
  const T sr = sr0 + rest * cr0, cr = cr0 - rest * sr0;
  const auto quadrant = ToInteger(k);
  const auto swapped = quadrant & 1;
  s = Select(swapped, cr, sr);
  c = Select(swapped, sr, cr);
  s = Select(quadrant & 2, -s, s);
  c = Select((quadrant + 1) & 2, -c, c);
}
#pragma GCC diagnostic pop
