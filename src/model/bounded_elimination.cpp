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

// Error of a complex product relative to mag(a) mag(b) (2^-52 for each evaluation), and of
// the product of all fourteen pivots relative to its modulus (2^-51 per factor).
constexpr double kProductError = 3 * kRoundoff;
constexpr double kDiagonalProductError = 64 * kRoundoff;

double Mag(double re, double im) { return std::fabs(re) + std::fabs(im); }

// |d - v80| <= rad for every element d of the matrix and the 80-bit path's v80, as long as
// both have taken the same pivots. Bounds on moduli use mag = |re| + |im| >= |z|, and
// mag(v80) <= mag(d) + 1.5 rad.
class BoundedElimination {
 public:
  explicit BoundedElimination(BoundedMatrix& m) : m_(m) {
    for (int r = 0; r < kN; ++r) {
      end_[r] = -1;
      for (int c = kN - 1; c >= 0 && end_[r] < 0; --c)
        if (!ExactZero(r, c)) end_[r] = c;
    }
  }

  CertifiedDetG Run() {
    for (int k = 0; k < kN; ++k)
      if (!Step(k)) return {};
    double dr = 1, di = 0;
    for (int i = 0; i < kN; ++i) {
      const double pr = m_.re[i][i], pi = m_.im[i][i];
      const double nr = dr * pr - di * pi;
      di = dr * pi + di * pr;
      dr = nr;
    }
    if (odd_) {
      dr = -dr;
      di = -di;
    }
    const double sum = pivotErrors_ + kDiagonalProductError * (1 + pivotErrors_);
    const double rel = sum / (1 - kDiagonalProductError) * kBoundSlack;
    if (!(rel < 1)) return {};
    return {true, dr, di, rel};
  }

 private:
  // An element that is 0 here and, to the sign, in the 80-bit path.
  bool ExactZero(int r, int c) const {
    return m_.re[r][c] == 0 && m_.im[r][c] == 0 && m_.rad[r][c] == 0;
  }

  double Squared(int r, int c) const {
    return m_.re[r][c] * m_.re[r][c] + m_.im[r][c] * m_.im[r][c];
  }

  // The first row of the largest modulus in column k, as the 80-bit path searches; -1 if the
  // column holds exact zeros only.
  int PivotRow(int k) const {
    int p = -1;
    double best = -1;
    for (int i = k; i < kN; ++i) {
      if (ExactZero(i, k)) continue;
      const double s = Squared(i, k);
      if (best < s) {
        best = s;
        p = i;
      }
    }
    return p;
  }

  // True when every other candidate's modulus in the 80-bit path is provably below low, a
  // lower bound on the pivot's there: that path then takes the same row.
  bool Separated(int k, int p, double low) const {
    for (int i = k; i < kN; ++i) {
      if (i == p || ExactZero(i, k)) continue;
      const double r = m_.rad[i][k] * kBoundSlack;
      if ((Mag(m_.re[i][k], m_.im[i][k]) + r) * kHigh < low) continue;
      if (!((std::sqrt(Squared(i, k)) * kHigh + r) * kHigh < low)) return false;
    }
    return true;
  }

  bool Step(int k) {
    const int p = PivotRow(k);
    if (p < 0) return false;
    const double modulus = std::sqrt(Squared(p, k));
    const double r = m_.rad[p][k] * kBoundSlack;
    if (!(r <= kMaxPivotError * modulus)) return false;
    const double lowModulus = modulus * kLow;
    const double low = lowModulus - r;  // |v80| of the pivot is at least this
    if (!(low * kLow > kPivotThreshold) || !Separated(k, p, low * kLow)) return false;
    if (p != k) {
      SwapRows(k, p);
      odd_ = !odd_;
    }
    const double rho = r / lowModulus;
    pivotErrors_ += rho * (1 + pivotErrors_);
    Eliminate(k, (r / lowModulus + 12 * kRoundoff) / low);
    return true;
  }

  void SwapRows(int k, int p) {
    for (int c = k; c < kN; ++c) {
      std::swap(m_.re[k][c], m_.re[p][c]);
      std::swap(m_.im[k][c], m_.im[p][c]);
      std::swap(m_.rad[k][c], m_.rad[p][c]);
    }
    std::swap(end_[k], end_[p]);
  }

  // Subtracts f times pivot row k from the rows below, f = M[j][k] w, with the pivot's
  // reciprocal w by Smith's method. Its bound rw: |1/P - 1/P80| <= rad / (|P| |P80|), and
  // each evaluation's Smith quotient is within 8 roundings of 1/P in every part.
  void Eliminate(int k, double rw) {
    const double a = m_.re[k][k], b = m_.im[k][k];
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
    const int end = end_[k];
    double mp[kN], rp[kN];
    for (int c = k + 1; c <= end; ++c) {
      rp[c] = m_.rad[k][c];
      mp[c] = Mag(m_.re[k][c], m_.im[k][c]) + 1.5 * rp[c];
    }
    for (int j = k + 1; j < kN; ++j) {
      if (ExactZero(j, k)) continue;
      const double xr = m_.re[j][k], xi = m_.im[j][k], rx = m_.rad[j][k];
      const double fr = xr * wr - xi * wi, fi = xr * wi + xi * wr;
      const double mx = Mag(xr, xi);
      const double rf =
          mx * rw + (mw + rw) * rx + kProductError * (mx + 1.5 * rx) * (mw + 1.5 * rw);
      const double mf = Mag(fr, fi) + 1.5 * rf;
      const double af = rf + kProductError * mf;
      UpdateRow(j, k, end, fr, fi, mp, rp, mf, af);
      end_[j] = std::max(end_[j], end);
    }
  }

  // x -= p f over columns k + 1..end. The product's bound is mp rf + mf rp plus its rounding
  // kProductError mp mf (mp, mf bound the moduli in both evaluations), folded into af.
  void UpdateRow(int j, int k, int end, double fr, double fi, const double* mp,
                 const double* rp, double mf, double af) {
    double* re = m_.re[j];
    double* im = m_.im[j];
    double* rad = m_.rad[j];
    const double* pre = m_.re[k];
    const double* pim = m_.im[k];
    for (int c = k + 1; c <= end; ++c) {
      re[c] = re[c] - (pre[c] * fr - pim[c] * fi);
      im[c] = im[c] - (pre[c] * fi + pim[c] * fr);
      const double rt = mp[c] * af + mf * rp[c];
      rad[c] = rad[c] + rt + kRoundoff * (Mag(re[c], im[c]) + rad[c] + rt);
    }
  }

  BoundedMatrix& m_;
  int end_[kN];  // last column of each row that may hold a non-zero
  bool odd_ = false;
  double pivotErrors_ = 0;  // prod (1 + rho_k) - 1 over the pivots so far
};

}  // namespace

CertifiedDetG BoundedDeterminant(BoundedMatrix& m) { return BoundedElimination(m).Run(); }
