#include "model/partial_wave.h"

#include <cmath>

WaveExponent ExponentOf(long double x, long double sign) {
  const long double u = 1 - x;
  if (u < 0) return {true, sign, sqrtl(-u)};
  return {false, sign, sqrtl(u)};
}

namespace {

// s^2 is real in both branches: a^2, or (i b)^2 = -b^2.
long double SquareOf(const WaveExponent& e) {
  const long double m2 = e.mag * e.mag;
  return e.propagating ? -m2 : m2;
}

// value * s, with s = sign * a or sign * i * b.
AxisValue TimesExponent(const AxisValue& value, const WaveExponent& e) {
  const long double sv = e.sign * e.mag;
  if (!e.propagating) return {value.k * sv, value.imaginary};
  if (value.imaginary) return {-(value.k * sv), false};
  return {value.k * sv, true};
}

}  // namespace

void TransverseComponents(const MediumConstants& m, const WaveExponent& e, long double G,
                          long double q, AxisValue out[4]) {
  out[0] = TimesExponent({1, true}, e);
  out[1] = {1, false};
  out[2] = {G * q * m.c44 * (1 + SquareOf(e)), false};
  const AxisValue t = TimesExponent({G * q, true}, e);
  out[3] = {-(t.k * (m.c11 - m.c12)), t.imaginary};
}

void LongitudinalComponents(const MediumConstants& m, const WaveExponent& e, long double G,
                            long double q, AxisValue out[4]) {
  out[0] = {1, false};
  out[1] = TimesExponent({-1, true}, e);
  out[2] = TimesExponent({-(2 * G * q * m.c44), true}, e);
  out[3] = {G * q * (m.c12 - m.c11 * SquareOf(e)), false};
}

AxisValue ScaledShearTransverse(const WaveExponent& e, long double q) {
  return {q * (1 + SquareOf(e)), false};
}

AxisValue ScaledShearLongitudinal(const WaveExponent& e, long double q) {
  return TimesExponent({-(2 * q), true}, e);
}

ComplexLD PhaseFactor(const WaveExponent& e, long double q, long double z) {
  if (!e.propagating) return {expl(q * (e.sign * e.mag) * z), 0};
  const long double theta = q * e.mag * z;
  return {cosl(theta), e.sign * sinl(theta)};
}

ComplexLD PhaseMemo::Phase(const WaveExponent& e, long double q, long double z, int slot) {
  if (!shares_ || !e.propagating) return PhaseFactor(e, q, z);
  Entry& entry = entries_[slot];
  if (!entry.held) {
    // glibc's sincosl reduces the argument once and runs the kernels of sinl and cosl: the
    // same bits as the two calls, at little more than the cost of one.
    sincosl(q * e.mag * z, &entry.sin, &entry.cos);
    entry.held = true;
  }
  return {entry.cos, e.sign * entry.sin};
}
