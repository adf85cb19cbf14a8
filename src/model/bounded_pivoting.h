#pragma once
#include <cmath>

#include "model/bounded_real.h"
#include "model/complex_matrix.h"
#include "model/lanes.h"

// The steps of the bounded elimination that one matrix and several matrices side by side (one
// per lane of a vector) share. Element bounds: |d - v80| <= rad for the element d here and the
// 80-bit path's v80 if it took the same pivots. Bounds on moduli use mag = |re| + |im|, which
// is at least the modulus, and mag(v80) <= mag(d) + 1.5 rad.

// Margins on moduli compared with the 80-bit path's, which takes the diagonal candidate's
// through double and hypot and the others through sqrtl: with the rounding of the comparisons
// here, a few units of 2^-53 against the 2^-48 of the margins.
inline constexpr double kPivotLow = 1 - 0x1p-48;
inline constexpr double kPivotHigh = 1 + 0x1p-48;

// A pivot whose bound exceeds this share of its modulus gets no certificate.
inline constexpr double kMaxPivotError = 0.125;

// Candidates the 80-bit path may take in one column. Ties come from equal media on both sides
// of a zero-thickness layer: its rows repeat.
inline constexpr int kMaxPivotCandidates = 2;

// Error of a complex product relative to mag(a) mag(b) (2^-52 for each evaluation), and of
// the product of all fourteen pivots relative to its modulus (2^-51 per factor).
inline constexpr double kProductError = 3 * kRoundoff;
inline constexpr double kDiagonalProductError = 64 * kRoundoff;

// One element: re, im and its bound, of one matrix (T = double) or of every lane (T = Lanes).
template <class T>
struct Entry {
  T re{}, im{}, rad{};
};
using BoundedEntry = Entry<double>;

// An element that is 0 here and, to the sign, in the 80-bit path.
inline bool ExactZero(const BoundedEntry& e) { return e.re == 0 && e.im == 0 && e.rad == 0; }

// Within 2^-52 of the modulus; beyond the range of squares the flags end the certificate.
template <class T>
T Modulus(const Entry<T>& e) {
  return Sqrt(e.re * e.re + e.im * e.im);
}

// Bounds on the modulus the 80-bit path computes for a candidate.
template <class T>
T LowModulus(const Entry<T>& e) {
  return (Modulus(e) * kPivotLow - e.rad * kBoundSlack) * kPivotLow;
}
inline double HighModulus(const BoundedEntry& e) {
  return (Modulus(e) * kPivotHigh + e.rad * kBoundSlack) * kPivotHigh;
}

// The rows the 80-bit path may choose in column k of an order-n matrix, the largest here
// first: every candidate whose modulus there could reach the largest one's. 0 if there are
// more than kMaxPivotCandidates, or every candidate is an exact zero. at(i, k) is the element.
template <class At>
int PossiblePivots(int n, int k, int rows[kMaxPivotCandidates], const At& at) {
  int p = -1;
  double best = -1;
  for (int i = k; i < n; ++i) {
    const BoundedEntry e = at(i, k);
    if (ExactZero(e)) continue;
    const double s = e.re * e.re + e.im * e.im;
    if (best < s) {
      best = s;
      p = i;
    }
  }
  if (p < 0) return 0;
  const double low = LowModulus(at(p, k));
  int count = 0;
  rows[count++] = p;
  for (int i = k; i < n; ++i) {
    const BoundedEntry e = at(i, k);
    if (i == p || ExactZero(e)) continue;
    if ((std::fabs(e.re) + std::fabs(e.im) + e.rad * kBoundSlack) * kPivotHigh < low) continue;
    if (HighModulus(e) < low) continue;
    if (count == kMaxPivotCandidates) return 0;
    rows[count++] = i;
  }
  return count;
}

// What a pivot adds to the bounds: its relative error rho, and the bound rw on its reciprocal
// (|1/P - 1/P80| <= rad / (|P| |P80|), and each evaluation's Smith quotient is within 8
// roundings of 1/P in every part). Not ok when it is too uncertain or may fall below the
// pivot threshold of the 80-bit path; rho and rw are then meaningless but raised no flag.
template <class T>
struct PivotBounds {
  decltype(T{} < T{}) ok;
  T rho, rw;
};
template <class T>
PivotBounds<T> BoundsOfPivot(const Entry<T>& pivot) {
  const T modulus = Modulus(pivot) * kPivotLow;
  const T r = pivot.rad * kBoundSlack;
  const T low = modulus - r;  // |v80| of the pivot is at least this
  const auto ok = r <= kMaxPivotError * modulus && low * kPivotLow > kPivotThreshold;
  const T one = T{} + 1;
  const T rho = r / Select(ok, modulus, one);
  return {ok, rho, (rho + 12 * kRoundoff) / Select(ok, low, one)};
}

// prod (1 + rho_k) - 1 over the pivots so far, after one more pivot.
template <class T>
T WithPivotError(T errors, T rho) {
  return errors + rho * (1 + errors);
}

// The bound of the product of the pivots relative to its modulus.
inline double DiagonalProductBound(double pivotErrors) {
  return (pivotErrors + kDiagonalProductError * (1 + pivotErrors)) / (1 - kDiagonalProductError);
}

// The parts below work on double or on a GCC vector of doubles, lane by lane with the same
// operations, so that every lane's result is bit for bit that of the scalar evaluation.
template <class T>
T Mag(T re, T im) {
  return Abs(re) + Abs(im);
}

// 1 / (a + ib) by Smith's method.
template <class T>
void SmithReciprocal(T a, T b, T& wr, T& wi) {
  const auto imagLarger = Abs(a) <= Abs(b);
  const T large = Select(imagLarger, b, a), small = Select(imagLarger, a, b);
  const T q = small / large, den = (q * q + 1) * large;
  const T one = T{} + 1;
  wr = Select(imagLarger, q / den, one / den);
  wi = Select(imagLarger, -one / den, -q / den);
}

// The multiplier f = x w of a row whose element in the pivot column is x (bound rx), with the
// pivot's reciprocal w (bound rw, mw = mag(w)): mf bounds its modulus in both evaluations, af
// its bound with the rounding of its product with a pivot-row element folded in.
template <class T>
struct RowMultiplier {
  T fr, fi, mf, af;
};
template <class T>
RowMultiplier<T> MultiplierOf(T xr, T xi, T rx, T wr, T wi, T mw, T rw) {
  const T fr = xr * wr - xi * wi, fi = xr * wi + xi * wr;
  const T mx = Mag(xr, xi);
  const T rf = mx * rw + (mw + rw) * rx + kProductError * (mx + 1.5 * rx) * (mw + 1.5 * rw);
  const T mf = Mag(fr, fi) + 1.5 * rf;
  return {fr, fi, mf, rf + kProductError * mf};
}

// d *= p, for the product of the pivots.
template <class T>
void MultiplyBy(T& dr, T& di, T pr, T pi) {
  const T nr = dr * pr - di * pi;
  di = dr * pi + di * pr;
  dr = nr;
}

// x -= p f for one element: the product's bound is mp rf + mf rp plus its rounding
// kProductError mp mf (mp, mf bound the moduli in both evaluations), folded in af.
template <class T>
void UpdateElement(T& re, T& im, T& rad, T pre, T pim, T mp, T rp, const RowMultiplier<T>& f) {
  re = re - (pre * f.fr - pim * f.fi);
  im = im - (pre * f.fi + pim * f.fr);
  const T rt = mp * f.af + f.mf * rp;
  rad = rad + rt + kRoundoff * (Mag(re, im) + rad + rt);
}
