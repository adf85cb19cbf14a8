#pragma once
#include <cmath>
#include <cstdint>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"

// A GCC vector of doubles: arithmetic lane by lane, each lane rounded as a double is. Code
// written for both double and Lanes uses Abs and Select.
inline constexpr int kLanes = 4;
using Lanes = double __attribute__((vector_size(kLanes * sizeof(double))));
using LaneMask = std::int64_t __attribute__((vector_size(kLanes * sizeof(double))));

inline double Abs(double x) { return std::fabs(x); }
inline double Select(bool pick, double a, double b) { return pick ? a : b; }
inline double Sqrt(double x) { return std::sqrt(x); }

// Adding and subtracting it rounds a double below 2^51 in magnitude to the nearest integer.
inline constexpr double kRoundingShift = 0x1.8p52;
// An integral double as an integer, lane by lane.
inline std::int64_t ToInteger(double k) { return static_cast<std::int64_t>(k); }

inline Lanes Abs(Lanes x) {
  return reinterpret_cast<Lanes>(reinterpret_cast<LaneMask>(x) & INT64_MAX);
}
inline Lanes Select(LaneMask pick, Lanes a, Lanes b) { return pick ? a : b; }
inline LaneMask ToInteger(Lanes k) { return __builtin_convertvector(k, LaneMask); }
inline Lanes Sqrt(Lanes x) {
  for (int l = 0; l < kLanes; ++l) x[l] = std::sqrt(x[l]);
  return x;
}
#pragma GCC diagnostic pop
