#include "model/bounded_elimination.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "model/bounded_real.h"
#include "model/complex_matrix.h"

namespace {

constexpr int kN = BoundedMatrix::kOrder;

// Margins on moduli compared with the 80-bit path's, which takes the diagonal candidate's
// through double and hypot and the others through sqrtl: with the rounding of the comparisons
// here, a few units of 2^-53 against the 2^-48 of the margins.
constexpr double kLow = 1 - 0x1p-48;
constexpr double kHigh = 1 + 0x1p-48;

// A pivot whose bound exceeds this share of its modulus gets no certificate.
constexpr double kMaxPivotError = 0.125;

// Candidates the 80-bit path may take in one column, and pivot sequences followed in all.
// Ties come from equal media on both sides of a zero-thickness layer: its rows repeat.
constexpr int kMaxCandidates = 2;
constexpr int kMaxPaths = 4;

// Error of a complex product relative to mag(a) mag(b) (2^-52 for each evaluation), and of
// the product of all fourteen pivots relative to its modulus (2^-51 per factor).
constexpr double kProductError = 3 * kRoundoff;
constexpr double kDiagonalProductError = 64 * kRoundoff;

double Mag(double re, double im) { return std::fabs(re) + std::fabs(im); }

// The elimination so far along one pivot sequence: |d - v80| <= rad for every element d and
// the 80-bit path's v80 if it took the same pivots. Bounds on moduli use mag = |re| + |im|,
// which is at least the modulus, and mag(v80) <= mag(d) + 1.5 rad.
struct PathState {
  BoundedMatrix& m;
  int end[kN];  // last column of each row that may hold a non-zero
  bool odd = false;
  double pivotErrors = 0;  // prod (1 + rho_k) - 1 over the pivots so far

  // The same path, continued on a copy of its matrix.
  PathState(const PathState& s, BoundedMatrix& copy)
      : m(copy), odd(s.odd), pivotErrors(s.pivotErrors) {
    copy = s.m;
    std::copy(s.end, s.end + kN, end);
  }

  explicit PathState(BoundedMatrix& matrix) : m(matrix) {
    for (int r = 0; r < kN; ++r) {
      end[r] = -1;
      for (int c = kN - 1; c >= 0 && end[r] < 0; --c)
        if (!ExactZero(r, c)) end[r] = c;
    }
  }

  // An element that is 0 here and, to the sign, in the 80-bit path.
  bool ExactZero(int r, int c) const {
    return m.re[r][c] == 0 && m.im[r][c] == 0 && m.rad[r][c] == 0;
  }

  // Within 2^-52 of the modulus; beyond the range of squares the flags end the certificate.
  double Modulus(int r, int c) const {
    return std::sqrt(m.re[r][c] * m.re[r][c] + m.im[r][c] * m.im[r][c]);
  }

  // Bounds on the modulus the 80-bit path computes for a candidate.
  double LowModulus(int r, int c) const {
    return (Modulus(r, c) * kLow - m.rad[r][c] * kBoundSlack) * kLow;
  }
  double HighModulus(int r, int c) const {
    return (Modulus(r, c) * kHigh + m.rad[r][c] * kBoundSlack) * kHigh;
  }

  // The first row of the largest modulus in column k; -1 if all are exact zeros.
  int LargestRow(int k) const {
    int p = -1;
    double best = -1;
    for (int i = k; i < kN; ++i) {
      if (ExactZero(i, k)) continue;
      const double s = m.re[i][k] * m.re[i][k] + m.im[i][k] * m.im[i][k];
      if (best < s) {
        best = s;
        p = i;
      }
    }
    return p;
  }

  // The rows the 80-bit path may choose in column k, the largest here first: every
  // candidate whose modulus there could reach the largest one's. 0 if more than kMax.
  int PossiblePivots(int k, int rows[kMaxCandidates]) const {
    const int p = LargestRow(k);
    if (p < 0) return 0;
    const double low = LowModulus(p, k);
    int n = 0;
    rows[n++] = p;
    for (int i = k; i < kN; ++i) {
      if (i == p || ExactZero(i, k)) continue;
      if ((Mag(m.re[i][k], m.im[i][k]) + m.rad[i][k] * kBoundSlack) * kHigh < low) continue;
      if (HighModulus(i, k) < low) continue;
      if (n == kMaxCandidates) return 0;
      rows[n++] = i;
    }
    return n;
  }

  // Takes row p as the pivot of column k; false when it is too uncertain or may fall below
  // the pivot threshold of the 80-bit path.
  bool Pivot(int k, int p) {
    const double modulus = Modulus(p, k) * kLow;
    const double r = m.rad[p][k] * kBoundSlack;
    if (!(r <= kMaxPivotError * modulus)) return false;
    const double low = modulus - r;  // |v80| of the pivot is at least this
    if (!(low * kLow > kPivotThreshold)) return false;
    if (p != k) {
      SwapRows(k, p);
      odd = !odd;
    }
    const double rho = r / modulus;
    pivotErrors += rho * (1 + pivotErrors);
    Eliminate(k, (rho + 12 * kRoundoff) / low);
    return true;
  }

  void SwapRows(int k, int p) {
    for (int c = k; c < kN; ++c) {
      std::swap(m.re[k][c], m.re[p][c]);
      std::swap(m.im[k][c], m.im[p][c]);
      std::swap(m.rad[k][c], m.rad[p][c]);
    }
    std::swap(end[k], end[p]);
  }

  // Subtracts f times pivot row k from the rows below, f = M[j][k] w, with the pivot's
  // reciprocal w by Smith's method. Its bound rw: |1/P - 1/P80| <= rad / (|P| |P80|), and
  // each evaluation's Smith quotient is within 8 roundings of 1/P in every part.
  void Eliminate(int k, double rw) {
    const double a = m.re[k][k], b = m.im[k][k];
    double wr, wi;
    if (std::fabs(a) <= std::fabs(b)) {
      const double q = a / b, den = (q * q + 1) * b;
      wr = q / den;
      wi = -1 / den;
    } else {
      const double q = b / a, den = (q * q + 1) * a;
      wr = 1 / den;
      wi = -q / den;
    }
    const double mw = Mag(wr, wi);
    double mp[kN], rp[kN];
    for (int c = k + 1; c <= end[k]; ++c) {
      rp[c] = m.rad[k][c];
      mp[c] = Mag(m.re[k][c], m.im[k][c]) + 1.5 * rp[c];
    }
    for (int j = k + 1; j < kN; ++j) {
      if (ExactZero(j, k)) continue;
      const double xr = m.re[j][k], xi = m.im[j][k], rx = m.rad[j][k];
      const double fr = xr * wr - xi * wi, fi = xr * wi + xi * wr;
      const double mx = Mag(xr, xi);
      const double rf =
          mx * rw + (mw + rw) * rx + kProductError * (mx + 1.5 * rx) * (mw + 1.5 * rw);
      const double mf = Mag(fr, fi) + 1.5 * rf;
      UpdateRow(j, k, fr, fi, mp, rp, mf, rf + kProductError * mf);
      end[j] = std::max(end[j], end[k]);
    }
  }

  // x -= p f over the pivot row's columns. The product's bound is mp rf + mf rp plus its
  // rounding kProductError mp mf (mp, mf bound the moduli in both evaluations), folded in af.
  void UpdateRow(int j, int k, double fr, double fi, const double* mp, const double* rp,
                 double mf, double af) {
    double* re = m.re[j];
    double* im = m.im[j];
    double* rad = m.rad[j];
    const double* pre = m.re[k];
    const double* pim = m.im[k];
    for (int c = k + 1; c <= end[k]; ++c) {
      re[c] = re[c] - (pre[c] * fr - pim[c] * fi);
      im[c] = im[c] - (pre[c] * fi + pim[c] * fr);
      const double rt = mp[c] * af + mf * rp[c];
      rad[c] = rad[c] + rt + kRoundoff * (Mag(re[c], im[c]) + rad[c] + rt);
    }
  }
};

// The determinant of one complete path and its bound against that path's 80-bit value.
struct PathDeterminant {
  double re = 0, im = 0, rel = 0;
};

PathDeterminant DeterminantOf(const PathState& s) {
  double dr = 1, di = 0;
  for (int i = 0; i < kN; ++i) {
    const double pr = s.m.re[i][i], pi = s.m.im[i][i];
    const double nr = dr * pr - di * pi;
    di = dr * pi + di * pr;
    dr = nr;
  }
  if (s.odd) {
    dr = -dr;
    di = -di;
  }
  const double sum = s.pivotErrors + kDiagonalProductError * (1 + s.pivotErrors);
  return {dr, di, sum / (1 - kDiagonalProductError)};
}

// Follows every pivot sequence the 80-bit path may take; the last one completed is the
// sequence of the largest candidates here.
class PathFollower {
 public:
  bool Follow(PathState& s, int k) {
    for (; k < kN; ++k) {
      int rows[kMaxCandidates];
      const int n = s.PossiblePivots(k, rows);
      if (n == 0) return false;
      for (int i = 1; i < n; ++i) {
        if (++started_ >= kMaxPaths) return false;
        BoundedMatrix copy;
        PathState other(s, copy);
        if (!other.Pivot(k, rows[i]) || !Follow(other, k + 1)) return false;
      }
      if (!s.Pivot(k, rows[0])) return false;
    }
    paths_[count_++] = DeterminantOf(s);
    return true;
  }

  // The last path's value, with a bound that holds against every path's 80-bit value.
  CertifiedDetG Result() const {
    const PathDeterminant& d = paths_[count_ - 1];
    const double modulus = std::hypot(d.re, d.im);
    double rel = d.rel;
    for (int i = 0; i + 1 < count_; ++i) {
      const PathDeterminant& o = paths_[i];
      const double apart = std::hypot(o.re - d.re, o.im - d.im);
      rel = std::max(rel, (apart + o.rel * std::hypot(o.re, o.im)) / modulus);
    }
    rel *= kBoundSlack;
    if (!(rel < 1)) return {};
    return {true, d.re, d.im, rel};
  }

 private:
  PathDeterminant paths_[kMaxPaths];
  int count_ = 0;
  int started_ = 0;
};

}  // namespace

CertifiedDetG BoundedDeterminant(BoundedMatrix& m) {
  PathState s(m);
  PathFollower follower;
  if (!follower.Follow(s, 0)) return {};
  return follower.Result();
}
