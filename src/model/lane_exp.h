#pragma once
#include <cstdint>
#include <cstring>

#include "model/lanes.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"

// e^x of a double or of every lane, the same operations either way: within 2 units in the last
// place for |x| <= kExpRange (a test measures it against the extended function).
inline constexpr double kExpRange = 700;

namespace lane_exp {

inline constexpr double kOneOverLn2 = 0x1.71547652b82fep+0;
// ln 2 in two parts; the first has 32 significant bits, so that k times it is exact for the
// |k| < 2^11 of the range.
inline constexpr double kLn2Hi = 0x1.62e42feep-1;
inline constexpr double kLn2Lo = 0x1.a39ef35793c76p-33;

// 2^k, exactly, for an integer k of the range.
inline double PowerOfTwo(std::int64_t k) {
  const std::uint64_t bits = static_cast<std::uint64_t>(k + 1023) << 52;
  double p;
  std::memcpy(&p, &bits, sizeof p);
  return p;
}
inline Lanes PowerOfTwo(LaneMask k) { return reinterpret_cast<Lanes>((k + 1023) << 52); }

}  // namespace lane_exp

// For |x| <= kExpRange only: e^x = 2^k e^r with |r| <= ln 2 / 2, where the Taylor series of
// e^r up to r^13 leaves out less than 2^-57 of it.
template <class T>
T ExpInRange(T x) {
  using namespace lane_exp;
  const T k = (x * kOneOverLn2 + kRoundingShift) - kRoundingShift;
  const T r = (x - k * kLn2Hi) - k * kLn2Lo;
  const T tail =
      1.0 / 2 +
      r * (1.0 / 6 +
           r * (1.0 / 24 +
                r * (1.0 / 120 +
                     r * (1.0 / 720 +
                          r * (1.0 / 5040 +
                               r * (1.0 / 40320 +
                                    r * (1.0 / 362880 +
                                         r * (1.0 / 3628800 +
                                              r * (1.0 / 39916800 +
                                                   r * (1.0 / 479001600 +
                                                        r * (1.0 / 6227020800)))))))))));
  return (1 + (r + r * r * tail)) * PowerOfTwo(ToInteger(k));
}
#pragma GCC diagnostic pop
