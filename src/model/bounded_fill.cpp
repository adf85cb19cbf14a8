#include "model/bounded_fill.h"

#include <cmath>

#include "model/bounded_real.h"
#include "model/partial_wave.h"

namespace {

// Error of exp, cos and sin relative to their results: 4 ulps of glibc's double functions and
// 4 ulps of its extended ones, plus the rounding of 1 / exp(x) for the decaying partner.
constexpr double kLibraryError = 10 * kRoundoff;

// Beyond this the argument of an exponential is too uncertain to be worth bounding.
constexpr double kMaxExpArgumentError = 0x1p-20;

// k or i k: every component of a partial wave is one of the two.
struct BoundedAxis {
  BoundedReal k;
  bool imaginary = false;
};

// The exponent s = sign a, or sign i b, with s^2 = a^2 or -b^2.
struct BoundedExponent {
  bool propagating = false;
  double sign = 1;
  BoundedReal mag, square;
};

// The 80-bit path's branch and magnitude, bit for bit, then rounded to double.
BoundedExponent ExponentFrom(long double x) {
  const WaveExponent e = ExponentOf(x, 1);
  const BoundedReal mag = Rounded(e.mag);
  const BoundedReal m2 = mag * mag;
  return {e.propagating, 1, mag, e.propagating ? -m2 : m2};
}

BoundedExponent WithSign(BoundedExponent e, double sign) {
  e.sign = sign;
  return e;
}

// value * s.
BoundedAxis TimesExponent(const BoundedAxis& value, const BoundedExponent& e) {
  BoundedReal p = value.k * e.mag;
  if (e.sign < 0) p = -p;
  if (!e.propagating) return {p, value.imaginary};
  if (value.imaginary) return {-p, false};
  return {p, true};
}

// The constants of one medium, and G q c44 and c11 - c12 as the components use them.
struct MediumTerms {
  BoundedReal c11, c12, gqc44, shearModulus2;
};

MediumTerms TermsOf(const StackInputs& in, int k, const BoundedReal& gq) {
  const BoundedReal c11 = Rounded(in.c11[k]), c12 = Rounded(in.c12[k]);
  return {c11, c12, gq * Rounded(in.c44[k]), c11 - c12};
}

// Displacement x, displacement z, shear and normal traction (both times -i).
void TransverseComponents(const MediumTerms& m, const BoundedExponent& e, const BoundedReal& gq,
                          BoundedAxis out[4]) {
  const BoundedReal one{1, 0};
  out[0] = TimesExponent({one, true}, e);
  out[1] = {one, false};
  out[2] = {m.gqc44 * (one + e.square), false};
  const BoundedAxis t = TimesExponent({gq, true}, e);
  out[3] = {-(t.k * m.shearModulus2), t.imaginary};
}

void LongitudinalComponents(const MediumTerms& m, const BoundedExponent& e,
                            const BoundedReal& gq, BoundedAxis out[4]) {
  const BoundedReal one{1, 0};
  out[0] = {one, false};
  out[1] = TimesExponent({{-1, 0}, true}, e);
  out[2] = TimesExponent({{-2 * m.gqc44.v, 2 * m.gqc44.r}, true}, e);
  out[3] = {gq * (m.c12 - m.c11 * e.square), false};
}

// The free-surface shear divided by G c44: q (1 + s^2), or -2i q s.
BoundedAxis ScaledShear(bool transverse, const BoundedExponent& e, const BoundedReal& q) {
  if (transverse) return {q * (BoundedReal{1, 0} + e.square), false};
  return TimesExponent({{-2 * q.v, 2 * q.r}, true}, e);
}

// exp(q s z) of one wave: real, or cos + i sign sin.
struct BoundedPhase {
  BoundedReal re, im;
  bool oscillating = false;
};

// The phases of the - and + waves of one exponent magnitude at height z. For the 80-bit
// path the arguments of the pair are exact negatives of each other.
bool PhasePairAt(const BoundedExponent& e, const BoundedReal& q, const BoundedReal& z,
                 BoundedPhase& minus, BoundedPhase& plus) {
  const BoundedReal arg = q * e.mag * z;
  if (e.propagating) {
    // cos and sin move by at most the argument's error.
    double s, c;
    sincos(arg.v, &s, &c);
    const BoundedReal cosine{c, arg.r + kLibraryError * (std::fabs(c) + arg.r)};
    const BoundedReal sine{s, arg.r + kLibraryError * (std::fabs(s) + arg.r)};
    plus = {cosine, sine, true};
    minus = {cosine, -sine, true};
    return true;
  }
  if (!(arg.r <= kMaxExpArgumentError)) return false;
  // |e^x - e^y| <= e^x (e^r - 1) <= e^x r (1 + r) for |x - y| <= r <= 1; the extra 2^-40
  // covers e^x against the computed exponential.
  const double spread = (1 + 0x1p-40) * arg.r * (1 + arg.r) + kLibraryError;
  const double grow = std::exp(arg.v);
  const double decay = 1 / grow;
  plus = {{grow, grow * spread}, {0, 0}, false};
  minus = {{decay, decay * spread}, {0, 0}, false};
  return true;
}

void Store(BoundedMatrix& m, int row, int col, const BoundedReal& re, const BoundedReal& im) {
  m.re[row][col] = re.v;
  m.im[row][col] = im.v;
  m.rad[row][col] = re.r + im.r;
}

// value * phase, or the value itself where the phase is exactly 1 (phase == nullptr).
void StoreElement(BoundedMatrix& m, int row, int col, const BoundedAxis& value,
                  const BoundedPhase* phase) {
  const BoundedReal zero{0, 0};
  if (!phase) {
    if (value.imaginary) return Store(m, row, col, zero, value.k);
    return Store(m, row, col, value.k, zero);
  }
  if (!phase->oscillating) {
    const BoundedReal p = value.k * phase->re;
    if (value.imaginary) return Store(m, row, col, zero, p);
    return Store(m, row, col, p, zero);
  }
  const BoundedReal a = value.k * phase->re, b = value.k * phase->im;
  if (value.imaginary) return Store(m, row, col, -b, a);
  Store(m, row, col, a, b);
}

// sign * component c of the wave times the phase into rows firstRow..firstRow + 3.
void StoreInterfaceRows(BoundedMatrix& m, int col, int firstRow, double sign,
                        const BoundedAxis comps[4], const BoundedPhase* phase) {
  for (int c = 0; c < 4; ++c) {
    const BoundedAxis value{sign < 0 ? -comps[c].k : comps[c].k, comps[c].imaginary};
    StoreElement(m, firstRow + c, col, value, phase);
  }
}

class BoundedWriter {
 public:
  BoundedWriter(const StackInputs& in, BoundedMatrix& m) : in_(in), m_(m) {
    q_ = Rounded(in.q);
    gq_ = Rounded(in.G) * q_;
    long double depth[3];
    DepthsFromThicknesses(in.thicknessM, depth);
    for (int k = 0; k < 3; ++k) z_[k + 1] = Rounded(depth[k]);
  }

  // Both waves of one kind (transverse or longitudinal) of medium k.
  bool WriteWaves(int k, bool transverse) {
    // The velocity ratio exactly as the 80-bit fill forms it: the same branch decision.
    const long double x = transverse ? in_.density[k] * in_.v * in_.v / (in_.c44[k] * in_.G)
                                     : in_.density[k] * in_.v * in_.v / (in_.c11[k] * in_.G);
    const BoundedExponent e = ExponentFrom(x);
    const MediumTerms terms = TermsOf(in_, k, gq_);
    const int kind = transverse ? 0 : 1;
    if (k == 0) {
      BoundedAxis comps[4];
      Components(terms, e, transverse, comps);
      StoreInterfaceRows(m_, kind, 0, 1, comps, nullptr);
      return true;
    }
    BoundedPhase lower[2], upper[2];  // - wave, + wave
    if (k > 1 && !PhasePairAt(e, q_, z_[k - 1], lower[0], lower[1])) return false;
    if (!PhasePairAt(e, q_, z_[k], upper[0], upper[1])) return false;
    for (int plus = 0; plus < 2; ++plus) {
      const int col = 4 * k - 2 + kind + 2 * plus;
      const BoundedExponent signed_ = WithSign(e, plus ? 1 : -1);
      BoundedAxis comps[4];
      Components(terms, signed_, transverse, comps);
      StoreInterfaceRows(m_, col, 4 * (k - 1), -1, comps, k == 1 ? nullptr : &lower[plus]);
      if (k < 3) {
        StoreInterfaceRows(m_, col, 4 * k, 1, comps, &upper[plus]);
        continue;
      }
      StoreElement(m_, 12, col, ScaledShear(transverse, signed_, q_), &upper[plus]);
      StoreElement(m_, 13, col, comps[3], &upper[plus]);
    }
    return true;
  }

 private:
  void Components(const MediumTerms& terms, const BoundedExponent& e, bool transverse,
                  BoundedAxis comps[4]) const {
    if (transverse)
      TransverseComponents(terms, e, gq_, comps);
    else
      LongitudinalComponents(terms, e, gq_, comps);
  }

  const StackInputs& in_;
  BoundedMatrix& m_;
  BoundedReal q_, gq_;
  BoundedReal z_[4];  // interface heights; z_[0] = 0 is never used
};

}  // namespace

bool FillBoundedMatrix(const StackInputs& in, BoundedMatrix& m) {
  m = BoundedMatrix{};
  BoundedWriter writer(in, m);
  for (int k = 0; k < 4; ++k)
    for (bool transverse : {true, false})
      if (!writer.WriteWaves(k, transverse)) return false;
  return true;
}
