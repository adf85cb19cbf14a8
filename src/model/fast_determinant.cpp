#include "model/fast_determinant.h"

#include <cmath>

#include "model/gauss_elimination.h"

namespace {

bool IsZero(const ComplexLD& z) { return z.re == 0 && z.im == 0; }

bool IsFinite(const ComplexLD& z) { return std::isfinite(z.re) && std::isfinite(z.im); }

// x - t == x bit for bit for every signed zero t, except x = -0 (-0 - -0 is +0); non-finite
// x are left to the full update as well.
bool SurvivesZeroSubtraction(long double x) {
  return std::isfinite(x) && !(x == 0 && std::signbit(x));
}

bool SurvivesZeroSubtraction(const ComplexLD& x) {
  return SurvivesZeroSubtraction(x.re) && SurvivesZeroSubtraction(x.im);
}

void Update(ComplexLD& x, const ComplexLD& p, const ComplexLD& f) {
  const ComplexLD t = Multiply(p, f);
  x.re = x.re - t.re;
  x.im = x.im - t.im;
}

bool FiniteTail(const ComplexRow& row, int from, int n) {
  for (int c = from; c <= n; ++c)
    if (!IsFinite(row[c])) return false;
  return true;
}

// A zero times a finite number is a signed zero, so the product p f vanishes exactly when
// one factor is 0 + 0i and the other is finite.
void EliminateBelowSkippingZeros(ComplexMatrix& m, int k, int n, const ComplexLD& w) {
  const ComplexRow& pivotRow = m[k];
  const bool pivotRowFinite = FiniteTail(pivotRow, k + 1, n);
  for (int j = k + 1; j <= n; ++j) {
    ComplexRow& row = m[j];
    const ComplexLD f = Multiply(row[k], w);
    const bool wholeRowVanishes = pivotRowFinite && IsZero(f);
    const bool fFinite = IsFinite(f);
    for (int c = k + 1; c <= n; ++c) {
      const bool vanishes = wholeRowVanishes || (fFinite && IsZero(pivotRow[c]));
      if (vanishes && SurvivesZeroSubtraction(row[c])) continue;
      Update(row[c], pivotRow[c], f);
    }
  }
}

}  // namespace

ComplexLD ComplexDeterminantFast(ComplexMatrix& matrix, double pivotThreshold,
                                 DeterminantProgress* progress) {
  return DeterminantWith(matrix, pivotThreshold, progress, EliminateBelowSkippingZeros);
}
