#include "model/bounded_elimination.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "model/bounded_pivoting.h"

namespace {

constexpr int kN = BoundedMatrix::kOrder;

// Pivot sequences followed in all.
constexpr int kMaxPaths = 4;

// The elimination so far along one pivot sequence.
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
        if (!ExactZero(At(r, c))) end[r] = c;
    }
  }

  BoundedEntry At(int r, int c) const { return {m.re[r][c], m.im[r][c], m.rad[r][c]}; }

  int PossiblePivots(int k, int rows[kMaxPivotCandidates]) const {
    return ::PossiblePivots(kN, k, rows, [this](int r, int c) { return At(r, c); });
  }

  // Takes row p as the pivot of column k; false when it is too uncertain or may fall below
  // the pivot threshold of the 80-bit path.
  bool Pivot(int k, int p) {
    const PivotBounds<double> bound = BoundsOfPivot(At(p, k));
    if (!bound.ok) return false;
    if (p != k) {
      SwapRows(k, p);
      odd = !odd;
    }
    pivotErrors = WithPivotError(pivotErrors, bound.rho);
    Eliminate(k, bound.rw);
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

  // Subtracts f times pivot row k from the rows below, f = M[j][k] w.
  void Eliminate(int k, double rw) {
    double wr, wi;
    SmithReciprocal(m.re[k][k], m.im[k][k], wr, wi);
    const double mw = Mag(wr, wi);
    double mp[kN], rp[kN];
    for (int c = k + 1; c <= end[k]; ++c) {
      rp[c] = m.rad[k][c];
      mp[c] = Mag(m.re[k][c], m.im[k][c]) + 1.5 * rp[c];
    }
    for (int j = k + 1; j < kN; ++j) {
      if (ExactZero(At(j, k))) continue;
      const RowMultiplier<double> f =
          MultiplierOf(m.re[j][k], m.im[j][k], m.rad[j][k], wr, wi, mw, rw);
      for (int c = k + 1; c <= end[k]; ++c)
        UpdateElement(m.re[j][c], m.im[j][c], m.rad[j][c], m.re[k][c], m.im[k][c], mp[c], rp[c],
                      f);
      end[j] = std::max(end[j], end[k]);
    }
  }
};

// The determinant of one complete path and its bound against that path's 80-bit value.
struct PathDeterminant {
  double re = 0, im = 0, rel = 0;
};

PathDeterminant DeterminantOf(const PathState& s) {
  double dr = 1, di = 0;
  for (int i = 0; i < kN; ++i) MultiplyBy(dr, di, s.m.re[i][i], s.m.im[i][i]);
  if (s.odd) {
    dr = -dr;
    di = -di;
  }
  return {dr, di, DiagonalProductBound(s.pivotErrors)};
}

// Follows every pivot sequence the 80-bit path may take; the last one completed is the
// sequence of the largest candidates here.
class PathFollower {
 public:
  bool Follow(PathState& s, int k) {
    for (; k < kN; ++k) {
      int rows[kMaxPivotCandidates];
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
