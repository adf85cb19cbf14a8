#include "model/bounded_fill.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/bounded_real.h"
#include "model/lane_exp.h"
#include "model/lane_sincos.h"
#include "model/partial_wave.h"

namespace {

// Error of exp, cos and sin relative to their results: 4 ulps of the program's kernels (2 at
// most, measured) or of glibc's double functions beyond their range, and 4 ulps of glibc's
// extended ones, plus the rounding of 1 / exp(x) for the decaying partner.
constexpr double kLibraryError = 10 * kRoundoff;

// Beyond this the argument of an exponential is too uncertain to be worth bounding.
constexpr double kMaxExpArgumentError = 0x1p-20;

// The fill is written once for one matrix (T = double) and for kLanes matrices side by side
// (T = Lanes); every lane goes through the scalar fill's operations. What the 80-bit path
// decides (the branch of a decay constant) must be the same in every lane.
template <class T>
constexpr int kLaneCount = 1;
template <>
constexpr int kLaneCount<Lanes> = kLanes;

double& LaneOf(double& x, int) { return x; }
double& LaneOf(Lanes& x, int l) { return x[l]; }

template <class T>
Bounded<T> One() {
  return {T{} + 1, T{}};
}

// Per lane, an 80-bit number of that lane's inputs converted to double.
template <class T, class Value>
T PerLane(const Value& value) {
  T x{};
  for (int l = 0; l < kLaneCount<T>; ++l) LaneOf(x, l) = static_cast<double>(value(l));
  return x;
}

// Per lane, an 80-bit number of that lane's inputs rounded to double, with its bound.
template <class T, class Value>
Bounded<T> RoundedPerLane(const Value& value) {
  Bounded<T> x;
  for (int l = 0; l < kLaneCount<T>; ++l) {
    const BoundedReal rounded = Rounded(value(l));
    LaneOf(x.v, l) = rounded.v;
    LaneOf(x.r, l) = rounded.r;
  }
  return x;
}

// k or i k: every component of a partial wave is one of the two.
template <class T>
struct BoundedAxis {
  Bounded<T> k;
  bool imaginary = false;
};

// The exponent s = sign a, or sign i b, with s^2 = a^2 or -b^2.
template <class T>
struct BoundedExponent {
  bool propagating = false;
  double sign = 1;
  Bounded<T> mag, square;
};

template <class T>
BoundedExponent<T> WithSign(BoundedExponent<T> e, double sign) {
  e.sign = sign;
  return e;
}

// value * s.
template <class T>
BoundedAxis<T> TimesExponent(const BoundedAxis<T>& value, const BoundedExponent<T>& e) {
  Bounded<T> p = value.k * e.mag;
  if (e.sign < 0) p = -p;
  if (!e.propagating) return {p, value.imaginary};
  if (value.imaginary) return {-p, false};
  return {p, true};
}

// The constants of one medium, and G q c44 and c11 - c12 as the components use them.
template <class T>
struct MediumTerms {
  Bounded<T> c11, c12, gqc44, shearModulus2;
};

// Displacement x, displacement z, shear and normal traction (both times -i). Built in place:
// clearing them first costs as much as a tenth of the fill.
template <class T>
using Components = std::array<BoundedAxis<T>, 4>;

template <class T>
Components<T> TransverseComponents(const MediumTerms<T>& m, const BoundedExponent<T>& e,
                                   const Bounded<T>& gq) {
  const BoundedAxis<T> t = TimesExponent<T>({gq, true}, e);
  return {TimesExponent<T>({One<T>(), true}, e), BoundedAxis<T>{One<T>(), false},
          BoundedAxis<T>{m.gqc44 * (One<T>() + e.square), false},
          BoundedAxis<T>{-(t.k * m.shearModulus2), t.imaginary}};
}

template <class T>
Components<T> LongitudinalComponents(const MediumTerms<T>& m, const BoundedExponent<T>& e,
                                     const Bounded<T>& gq) {
  return {BoundedAxis<T>{One<T>(), false}, TimesExponent<T>({-One<T>(), true}, e),
          TimesExponent<T>({{-2 * m.gqc44.v, 2 * m.gqc44.r}, true}, e),
          BoundedAxis<T>{gq * (m.c12 - m.c11 * e.square), false}};
}

// The free-surface shear divided by G c44: q (1 + s^2), or -2i q s.
template <class T>
BoundedAxis<T> ScaledShear(bool transverse, const BoundedExponent<T>& e, const Bounded<T>& q) {
  if (transverse) return {q * (One<T>() + e.square), false};
  return TimesExponent<T>({{-2 * q.v, 2 * q.r}, true}, e);
}

// exp(q s z) of one wave: real, or cos + i sign sin.
template <class T>
struct BoundedPhase {
  Bounded<T> re, im;
  bool oscillating = false;
};

// The phases of the - and the + wave of one exponent.
template <class T>
using PhasePair = std::array<BoundedPhase<T>, 2>;

template <class T>
void Store(T& re, T& im, T& rad, const Bounded<T>& r, const Bounded<T>& i) {
  re = r.v;
  im = i.v;
  rad = r.r + i.r;
}

template <class Matrix, class T>
void Store(Matrix& m, int row, int col, const Bounded<T>& re, const Bounded<T>& im) {
  Store(m.re[row][col], m.im[row][col], m.rad[row][col], re, im);
}

// value * phase, or the value itself where the phase is exactly 1 (phase == nullptr).
template <class Matrix, class T>
void StoreElement(Matrix& m, int row, int col, const BoundedAxis<T>& value,
                  const BoundedPhase<T>* phase) {
  const Bounded<T> zero{};
  if (!phase) {
    if (value.imaginary) return Store(m, row, col, zero, value.k);
    return Store(m, row, col, value.k, zero);
  }
  if (!phase->oscillating) {
    const Bounded<T> p = value.k * phase->re;
    if (value.imaginary) return Store(m, row, col, zero, p);
    return Store(m, row, col, p, zero);
  }
  const Bounded<T> a = value.k * phase->re, b = value.k * phase->im;
  if (value.imaginary) return Store(m, row, col, -b, a);
  Store(m, row, col, a, b);
}

// sign * component c of the wave times the phase into rows firstRow..firstRow + 3.
template <class Matrix, class T>
void StoreInterfaceRows(Matrix& m, int col, int firstRow, double sign, const Components<T>& comps,
                        const BoundedPhase<T>* phase) {
  for (int c = 0; c < 4; ++c) {
    const BoundedAxis<T> value{sign < 0 ? -comps[c].k : comps[c].k, comps[c].imaginary};
    StoreElement(m, firstRow + c, col, value, phase);
  }
}

// sin and cos of every lane; the library's beyond the range of the kernel.
template <class T>
void SinCos(T x, T& s, T& c) {
  SinCosInRange(Select(Abs(x) <= kSinCosRange, x, T{}), s, c);
  for (int l = 0; l < kLaneCount<T>; ++l)
    if (!(Abs(LaneOf(x, l)) <= kSinCosRange)) sincos(LaneOf(x, l), &LaneOf(s, l), &LaneOf(c, l));
}

// e^x of every lane; the library's beyond the range of the kernel.
template <class T>
T Exp(T x) {
  T e = ExpInRange(Select(Abs(x) <= kExpRange, x, T{}));
  for (int l = 0; l < kLaneCount<T>; ++l)
    if (!(Abs(LaneOf(x, l)) <= kExpRange)) LaneOf(e, l) = std::exp(LaneOf(x, l));
  return e;
}

// The velocity ratio of one wave exactly as the 80-bit fill forms it: the same branch.
long double VelocityRatio(const StackInputs& in, int k, bool transverse) {
  return transverse ? in.density[k] * in.v * in.v / (in.c44[k] * in.G)
                    : in.density[k] * in.v * in.v / (in.c11[k] * in.G);
}

template <class Matrix, class T>
class BoundedWriter {
 public:
  BoundedWriter(const StackInputs* const* in, Matrix& m) : in_(in), m_(m) {
    q_ = RoundedPerLane<T>([in](int l) { return in[l]->q; });
    gq_ = RoundedPerLane<T>([in](int l) { return in[l]->G; }) * q_;
    long double depth[kLaneCount<T>][3];
    for (int l = 0; l < kLaneCount<T>; ++l) DepthsFromThicknesses(in[l]->thicknessM, depth[l]);
    for (int k = 0; k < 3; ++k)
      z_[k + 1] = RoundedPerLane<T>([&depth, k](int l) { return depth[l][k]; });
  }

  // Both waves of one kind (transverse or longitudinal) of medium k.
  void WriteWaves(int k, bool transverse) {
    const BoundedExponent<T> e = ExponentOf(k, transverse);
    const MediumTerms<T> terms = TermsOf(k);
    if (k == 0) {
      const Components<T> comps = ComponentsOf(terms, e, transverse);
      const BoundedPhase<T>* unitPhase = nullptr;  // at z = 0
      StoreInterfaceRows(m_, ColumnOf(0, transverse, 0), 0, 1, comps, unitPhase);
      return;
    }
    const PhasePair<T> upper = PhasePairAt(e, z_[k]);
    if (k == 1) return WriteLayerColumns(k, transverse, e, terms, nullptr, upper);
    const PhasePair<T> lower = PhasePairAt(e, z_[k - 1]);
    WriteLayerColumns(k, transverse, e, terms, &lower, upper);
  }

  LaneFill Outcome(int l) const {
    if (otherBranch_[l]) return LaneFill::OtherBranch;
    return failed_[l] ? LaneFill::Uncertain : LaneFill::Filled;
  }

 private:
  // The 80-bit path's branch, and its magnitude sqrt |1 - x| taken in double from its
  // |1 - x| rounded to double: within 1.5 units of 2^-53 of its own.
  BoundedExponent<T> ExponentOf(int k, bool transverse) {
    bool propagating = false;
    const T distance = PerLane<T>([this, k, transverse, &propagating](int l) {
      const long double u = 1 - VelocityRatio(*in_[l], k, transverse);
      if (l == 0) propagating = u < 0;
      otherBranch_[l] = otherBranch_[l] || (u < 0) != propagating;
      return fabsl(u);
    });
    const T root = Sqrt(distance);
    const Bounded<T> mag{root, 2 * kRoundoff * root};
    const Bounded<T> m2 = mag * mag;
    return {propagating, 1, mag, propagating ? -m2 : m2};
  }

  // The substrate's transverse and longitudinal waves, then those of each layer: - transverse,
  // - longitudinal, + transverse, + longitudinal.
  static int ColumnOf(int k, bool transverse, int plus) {
    const int kind = transverse ? 0 : 1;
    return k == 0 ? kind : 4 * k - 2 + kind + 2 * plus;
  }

  // The - and + waves of one kind of layer k, with their phases at the layer's bottom (none at
  // the substrate's top, where they are 1) and at its top.
  void WriteLayerColumns(int k, bool transverse, const BoundedExponent<T>& e,
                         const MediumTerms<T>& terms, const PhasePair<T>* lower,
                         const PhasePair<T>& upper) {
    for (int plus = 0; plus < 2; ++plus) {
      const int col = ColumnOf(k, transverse, plus);
      const BoundedExponent<T> signed_ = WithSign(e, plus ? 1 : -1);
      const Components<T> comps = ComponentsOf(terms, signed_, transverse);
      StoreInterfaceRows(m_, col, 4 * (k - 1), -1, comps, lower ? &(*lower)[plus] : nullptr);
      if (k < 3) {
        StoreInterfaceRows(m_, col, 4 * k, 1, comps, &upper[plus]);
        continue;
      }
      StoreElement(m_, 12, col, ScaledShear(transverse, signed_, q_), &upper[plus]);
      StoreElement(m_, 13, col, comps[3], &upper[plus]);
    }
  }

  MediumTerms<T> TermsOf(int k) const {
    const Bounded<T> c11 = RoundedPerLane<T>([this, k](int l) { return in_[l]->c11[k]; });
    const Bounded<T> c12 = RoundedPerLane<T>([this, k](int l) { return in_[l]->c12[k]; });
    const Bounded<T> c44 = RoundedPerLane<T>([this, k](int l) { return in_[l]->c44[k]; });
    return {c11, c12, gq_ * c44, c11 - c12};
  }

  Components<T> ComponentsOf(const MediumTerms<T>& terms, const BoundedExponent<T>& e,
                             bool transverse) const {
    return transverse ? TransverseComponents(terms, e, gq_) : LongitudinalComponents(terms, e, gq_);
  }

  // The phases of the - and + waves of one exponent magnitude at height z. For the 80-bit
  // path the arguments of the pair are exact negatives of each other.
  PhasePair<T> PhasePairAt(const BoundedExponent<T>& e, const Bounded<T>& z) {
    Bounded<T> arg = q_ * e.mag * z;
    if (e.propagating) {
      // cos and sin move by at most the argument's error.
      T s, c;
      SinCos(arg.v, s, c);
      const Bounded<T> cosine{c, arg.r + kLibraryError * (Abs(c) + arg.r)};
      const Bounded<T> sine{s, arg.r + kLibraryError * (Abs(s) + arg.r)};
      return {BoundedPhase<T>{cosine, -sine, true}, BoundedPhase<T>{cosine, sine, true}};
    }
    for (int l = 0; l < kLaneCount<T>; ++l) {
      if (LaneOf(arg.r, l) <= kMaxExpArgumentError) continue;
      failed_[l] = true;
      LaneOf(arg.v, l) = 0;  // a failed lane's exponential must raise no flag
    }
    // |e^x - e^y| <= e^x (e^r - 1) <= e^x r (1 + r) for |x - y| <= r <= 1; the extra 2^-40
    // covers e^x against the computed exponential.
    const T spread = (1 + 0x1p-40) * arg.r * (1 + arg.r) + kLibraryError;
    const T grow = Exp(arg.v);
    const T decay = 1 / grow;
    return {BoundedPhase<T>{{decay, decay * spread}, {}, false},
            BoundedPhase<T>{{grow, grow * spread}, {}, false}};
  }

  const StackInputs* const* in_;  // one per lane
  Matrix& m_;
  Bounded<T> q_, gq_;
  Bounded<T> z_[4];  // interface heights; z_[0] = 0 is never used
  bool failed_[kLaneCount<T>] = {};       // a real exponential's argument too uncertain
  bool otherBranch_[kLaneCount<T>] = {};  // a decay constant on the other branch than lane 0's
};

// From column first on.
template <class Matrix, class T>
void ClearBeyondInterfaces(Matrix& m, int first) {
  constexpr int kOrder = Matrix::kOrder;
  for (int c = first; c < kOrder; ++c) {
    const WaveRows rows = WaveRowsOfColumn(c);
    for (int r = 0; r < kOrder; ++r) {
      if (r >= rows.first && r <= rows.last) continue;
      m.re[r][c] = m.im[r][c] = m.rad[r][c] = T{};
    }
  }
}

template <class Matrix, class T>
void Fill(const StackInputs* const* in, Matrix& m, LaneFill outcome[kLaneCount<T>],
          int firstMedium = 0, int lastMedium = 3) {
  // The substrate's two columns, then four of each layer.
  ClearBeyondInterfaces<Matrix, T>(m, firstMedium == 0 ? 0 : 4 * firstMedium - 2);
  BoundedWriter<Matrix, T> writer(in, m);
  for (int k = firstMedium; k <= lastMedium; ++k)
    for (bool transverse : {true, false}) writer.WriteWaves(k, transverse);
  for (int l = 0; l < kLaneCount<T>; ++l) outcome[l] = writer.Outcome(l);
}

}  // namespace

bool FillBoundedMatrix(const StackInputs& in, BoundedMatrix& m) {
  const StackInputs* lane = &in;
  LaneFill outcome;
  Fill<BoundedMatrix, double>(&lane, m, &outcome);
  return outcome == LaneFill::Filled;
}

__attribute__((target_clones("avx2", "default"), flatten)) void FillLanesMatrix(
    const StackInputs* const in[kLanes], LanesMatrix& m, LaneFill outcome[kLanes]) {
  Fill<LanesMatrix, Lanes>(in, m, outcome);
}

__attribute__((target_clones("avx2", "default"), flatten)) void FillLanesMedia(
    const StackInputs* const in[kLanes], LanesMatrix& m, LaneFill outcome[kLanes], int first,
    int last) {
  Fill<LanesMatrix, Lanes>(in, m, outcome, first, last);
}
