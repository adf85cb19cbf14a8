#include "model/gauss_elimination.h"

#include <cmath>
#include <cstddef>
#include <utility>

#include "model/numerics_errors.h"

namespace {

// Order n of a 1-based square matrix, or -1. The order is set by the last row's length;
// every other row must be at least that long so the elimination stays inside the storage.
int SquareOrder(const ComplexMatrix& m) {
  if (m.empty()) return -1;
  const std::size_t n = m.size() - 1;
  if (m[n].size() != n + 1) return -1;
  for (const ComplexRow& row : m) {
    if (row.size() < n + 1) return -1;
  }
  return static_cast<int>(n);
}

// Row of the largest modulus in column k, rows k..n; the first of equal candidates wins.
// The diagonal candidate's modulus is taken in double precision. A known zero is passed
// over: its modulus 0 never exceeds the best so far, which is a modulus or NaN.
int PivotRow(const ComplexMatrix& m, int k, int n, const RowReduction& reduction,
             long double& best) {
  best = std::hypot(static_cast<double>(m[k][k].re), static_cast<double>(m[k][k].im));
  int p = k;
  for (int i = k + 1; i <= n; ++i) {
    if (reduction.KnownZero(i, k)) continue;
    const long double w = Modulus(m[i][k]);
    if (best < w) {
      best = w;
      p = i;
    }
  }
  return p;
}

}  // namespace

void RowReduction::ExchangeRows(ComplexMatrix& m, int k, int p, int n) {
  for (int j = n; j >= k; --j) std::swap(m[k][j], m[p][j]);
}

void RowReduction::EliminateBelow(ComplexMatrix& m, int k, int n, const ComplexLD& w) {
  const ComplexRow& pivotRow = m[k];
  for (int j = k + 1; j <= n; ++j) {
    ComplexRow& row = m[j];
    const ComplexLD f = Multiply(row[k], w);
    for (int c = k + 1; c <= n; ++c) {
      const ComplexLD t = Multiply(pivotRow[c], f);
      row[c].re = row[c].re - t.re;
      row[c].im = row[c].im - t.im;
    }
  }
}

ComplexLD DeterminantWith(ComplexMatrix& matrix, double pivotThreshold,
                          DeterminantProgress* progress, RowReduction& reduction) {
  const int n = SquareOrder(matrix);
  if (progress) {
    progress->setMinimum(0);
    progress->setMaximum(matrix.empty() ? -1 : static_cast<int>(matrix.size()) - 1);
    progress->setPosition(0);
  }
  if (n < 0) {
    ReportNumericsError(1);
    return {};
  }
  reduction.Begin(matrix, n);
  int swaps = 0;
  for (int k = 1; k <= n; ++k) {
    if (progress) progress->setPosition(k);
    long double best;
    const int p = PivotRow(matrix, k, n, reduction, best);
    if (!(best >= pivotThreshold)) return {};
    if (p != k) {
      ++swaps;
      reduction.ExchangeRows(matrix, k, p, n);
    }
    reduction.EliminateBelow(matrix, k, n, SmithReciprocal(matrix[k][k]));
  }
  ComplexLD d{1, 0};
  for (int i = 1; i <= n; ++i) d = Multiply(d, matrix[i][i]);
  if (swaps % 2 != 0) return Multiply(d, ComplexLD{-1, 0});
  return d;
}
