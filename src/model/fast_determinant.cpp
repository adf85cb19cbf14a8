#include "model/fast_determinant.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "model/gauss_elimination.h"

namespace {

// The test for -0 reads the 80-bit format directly (64-bit significand, then sign and 15-bit
// exponent): on the x87 it costs integer loads instead of floating-point compares.
struct ExtendedBits {
  std::uint64_t significand;
  std::uint16_t signExponent;
};

ExtendedBits BitsOf(const long double& x) {
  ExtendedBits b;
  std::memcpy(&b.significand, &x, sizeof b.significand);
  std::memcpy(&b.signExponent, reinterpret_cast<const char*>(&x) + sizeof b.significand,
              sizeof b.signExponent);
  return b;
}

bool IsNegativeZero(long double x) {
  const ExtendedBits b = BitsOf(x);
  return b.significand == 0 && b.signExponent == 0x8000;
}

// Values just computed or moved are tested as numbers: reading their bytes back at once
// would stall on the store of the 80-bit results.
bool IsZero(const ComplexLD& z) { return z.re == 0 && z.im == 0; }
bool IsFinite(const ComplexLD& z) { return std::isfinite(z.re) && std::isfinite(z.im); }

void Update(ComplexLD& x, const ComplexLD& p, const ComplexLD& f) {
  const ComplexLD t = Multiply(p, f);
  x.re = x.re - t.re;
  x.im = x.im - t.im;
}

// The update when p or f is exactly 0 + 0i and both are finite: p f is a signed zero, and
// x minus a signed zero is x bit for bit, save -0 - (-0) = +0. Only such x is updated.
void UpdateByZero(ComplexLD& x, const ComplexLD& p, const ComplexLD& f) {
  if (IsNegativeZero(x.re) || IsNegativeZero(x.im)) Update(x, p, f);
}

// The pivot row has just been exchanged: its elements are read as values, not as bytes.
bool FiniteTail(const ComplexRow& row, int from, int n) {
  for (int c = from; c <= n; ++c)
    if (!IsFinite(row[c])) return false;
  return true;
}

// Last column of the row holding a nonzero element, or from - 1.
int LastNonZero(const ComplexRow& row, int from, int n) {
  for (int c = n; c >= from; --c)
    if (!IsZero(row[c])) return c;
  return from - 1;
}

// The boundary matrix is banded by its interfaces: the pivot row ends in exact zeros, and the
// rows of the lower interfaces start with them. Products with an exact zero factor leave the
// element as it is, so only the band gets the full update.
void EliminateBelowSkippingZeros(ComplexMatrix& m, int k, int n, const ComplexLD& w) {
  const ComplexRow& pivotRow = m[k];
  const bool pivotRowFinite = FiniteTail(pivotRow, k + 1, n);
  const int pivotEnd = pivotRowFinite ? LastNonZero(pivotRow, k + 1, n) : n;
  for (int j = k + 1; j <= n; ++j) {
    ComplexRow& row = m[j];
    const ComplexLD f = Multiply(row[k], w);
    int fullEnd = pivotEnd;
    if (!IsFinite(f)) fullEnd = n;  // an infinite factor times 0 is not 0
    else if (IsZero(f) && pivotRowFinite) fullEnd = k;
    for (int c = k + 1; c <= fullEnd; ++c) Update(row[c], pivotRow[c], f);
    for (int c = fullEnd + 1; c <= n; ++c) UpdateByZero(row[c], pivotRow[c], f);
  }
}

}  // namespace

ComplexLD ComplexDeterminantFast(ComplexMatrix& matrix, double pivotThreshold,
                                 DeterminantProgress* progress) {
  return DeterminantWith(matrix, pivotThreshold, progress, EliminateBelowSkippingZeros);
}
