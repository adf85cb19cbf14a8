#pragma once
#include "model/complex_ld.h"

// Exponent s of a partial wave exp(q s z): s = sign * a while the wave decays or grows
// (1 - x >= 0, a = sqrt(1 - x)), s = sign * i * b once it propagates (b = sqrt(x - 1)).
struct WaveExponent {
  bool propagating = false;
  long double sign = 1;  // +1 or -1
  long double mag = 0;   // a or b
};

// Decides the branch of R(1 - x) by the strict test 1 - x < 0.
WaveExponent ExponentOf(long double x, long double sign);

// A real number k standing for k (real) or i k (imaginary). Every component of a partial
// wave is one of the two, so the elements need no complex products with zero parts.
struct AxisValue {
  long double k = 0;
  bool imaginary = false;
};

// The elastic constants of one medium, GPa.
struct MediumConstants {
  long double c11 = 0, c12 = 0, c44 = 0;
};

// Displacement x, displacement z, shear traction and normal traction (both times -i) of the
// transverse or longitudinal partial wave, in that order; G is the GPa-to-Pa factor.
void TransverseComponents(const MediumConstants& m, const WaveExponent& e, long double G,
                          long double q, AxisValue out[4]);
void LongitudinalComponents(const MediumConstants& m, const WaveExponent& e, long double G,
                            long double q, AxisValue out[4]);

// The free-surface shear component divided by G c44: q (1 + s^2) for the transverse wave,
// -2i q s for the longitudinal one.
AxisValue ScaledShearTransverse(const WaveExponent& e, long double q);
AxisValue ScaledShearLongitudinal(const WaveExponent& e, long double q);

// exp(q s z): a real exponential, or cos(q b z) +/- i sin(q b z) for a propagating wave.
ComplexLD PhaseFactor(const WaveExponent& e, long double q, long double z);

// The propagating phases of one fill, by slot: a layer's face and kind of wave. The -/+ waves
// of that slot have the same exponent magnitude, so the same argument q b z to the bit, and
// the phase uses cos(q b z) and sign * sin(q b z): one evaluation serves the pair.
// Decaying and growing waves keep their own exponentials (exp(-x) is not 1/exp(x) to the bit).
class PhaseMemo {
 public:
  static constexpr int kSlots = 12;  // three layers, two faces, two kinds of wave
  explicit PhaseMemo(bool shares) : shares_(shares) {}
  // PhaseFactor(e, q, z), bit for bit; the first propagating call of a slot evaluates it.
  ComplexLD Phase(const WaveExponent& e, long double q, long double z, int slot);

 private:
  struct Entry {
    bool held = false;
    long double cos = 0, sin = 0;
  };
  bool shares_;
  Entry entries_[kSlots] = {};
};

// value * phase, where the phase is either real (im exactly 0 and not oscillating) or
// cos + i sin; products with the zero parts are not formed.
// Inline, so that the element is built where it is stored.
inline ComplexLD TimesPhase(const AxisValue& value, const ComplexLD& phase, bool oscillating) {
  if (!oscillating) {
    const long double p = value.k * phase.re;
    return value.imaginary ? ComplexLD{0, p} : ComplexLD{p, 0};
  }
  if (value.imaginary) return {-(value.k * phase.im), value.k * phase.re};
  return {value.k * phase.re, value.k * phase.im};
}

