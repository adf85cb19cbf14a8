#include "model/fast_determinant.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

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

// Arithmetic never yields the unnormal encodings, so a zero is exponent and significand 0.
bool IsZeroBits(const ExtendedBits& b) {
  return b.significand == 0 && (b.signExponent & 0x7fff) == 0;
}
bool IsNegativeZeroBits(const ExtendedBits& b) {
  return b.significand == 0 && b.signExponent == 0x8000;
}
bool IsNegativeZero(long double x) { return IsNegativeZeroBits(BitsOf(x)); }

bool HoldsNegativeZero(const ComplexLD& z) { return IsNegativeZero(z.re) || IsNegativeZero(z.im); }

// Values just computed or moved are tested as numbers: reading their bytes back at once
// would stall on the store of the 80-bit results.
bool IsZero(const ComplexLD& z) { return z.re == 0 && z.im == 0; }
bool IsFinite(const ComplexLD& z) { return std::isfinite(z.re) && std::isfinite(z.im); }

void Update(ComplexLD& x, const ComplexLD& p, const ComplexLD& f) {
  const ComplexLD t = Multiply(p, f);
  x.re = x.re - t.re;
  x.im = x.im - t.im;
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

// Columns from..to as bits of a row mask.
std::uint64_t ColumnsFrom(int from, int to) {
  if (from > to) return 0;
  const std::uint64_t upTo = to >= 63 ? ~std::uint64_t{0} : (std::uint64_t{1} << (to + 1)) - 1;
  return upTo & ~((std::uint64_t{1} << from) - 1);
}

// The elimination of the banded boundary matrix. Subtracting p f changes an element only
// when p f is not an exact zero, save for -0 - (-0) = +0. Every row therefore keeps two facts,
// found by one look at the matrix:
// - its lead: the columns before it hold exact zeros, which stay zeros under updates by zero
//   products, so such rows never win a pivot search and their factors are signed zeros;
// - the columns that may hold a -0. A subtraction yields -0 only from a -0, so that set can
//   only shrink, and outside it an update by a zero product leaves the element as it is.
// With finite factors and pivot rows, only the band of nonzero products gets the full update
// and the columns that may hold -0 get the exact one; all else stays as it is, bit for bit.
class BandedReduction : public RowReduction {
 public:
  static constexpr int kMaxOrder = 63;  // masks of columns 1..63

  void Begin(const ComplexMatrix& m, int n) override {
    lead_.assign(n + 1, n + 1);
    negativeZeros_.assign(n + 1, 0);
    for (int r = 1; r <= n; ++r) {
      for (int c = n; c >= 1; --c) {
        const ExtendedBits re = BitsOf(m[r][c].re);
        const ExtendedBits im = BitsOf(m[r][c].im);
        if (!IsZeroBits(re) || !IsZeroBits(im)) lead_[r] = c;
        if (IsNegativeZeroBits(re) || IsNegativeZeroBits(im))
          negativeZeros_[r] |= std::uint64_t{1} << c;
      }
    }
  }

  bool KnownZero(int row, int column) const override { return lead_[row] > column; }

  // The elements move as bytes: 80-bit loads and stores are slow on the x87.
  void ExchangeRows(ComplexMatrix& m, int k, int p, int n) override {
    const std::size_t bytes = static_cast<std::size_t>(n - k + 1) * sizeof(ComplexLD);
    unsigned char held[(kMaxOrder + 1) * sizeof(ComplexLD)];
    std::memcpy(held, &m[k][k], bytes);
    std::memcpy(&m[k][k], &m[p][k], bytes);
    std::memcpy(&m[p][k], held, bytes);
    std::swap(lead_[k], lead_[p]);
    std::swap(negativeZeros_[k], negativeZeros_[p]);
  }

  void EliminateBelow(ComplexMatrix& m, int k, int n, const ComplexLD& w) override {
    const ComplexRow& pivotRow = m[k];
    if (!IsFinite(w) || !FiniteTail(pivotRow, k + 1, n)) {
      // Infinite or undefined products: every element in full.
      RowReduction::EliminateBelow(m, k, n, w);
      for (int j = k + 1; j <= n; ++j)
        if (lead_[j] > k + 1) lead_[j] = k + 1;
      return;
    }
    const int pivotEnd = LastNonZero(pivotRow, k + 1, n);
    const std::uint64_t tail = ColumnsFrom(k + 1, n);
    for (int j = k + 1; j <= n; ++j) {
      ComplexRow& row = m[j];
      const std::uint64_t exact = negativeZeros_[j] & tail;
      if (lead_[j] > k) {
        if (exact) UpdateNegativeZeros(row, exact, pivotRow, Multiply(row[k], w));
        continue;
      }
      const ComplexLD f = Multiply(row[k], w);
      if (!IsFinite(f)) {
        // An infinite factor times 0 is not 0.
        for (int c = k + 1; c <= n; ++c) Update(row[c], pivotRow[c], f);
        continue;
      }
      const int fullEnd = IsZero(f) ? k : pivotEnd;
      for (int c = k + 1; c <= fullEnd; ++c) Update(row[c], pivotRow[c], f);
      const std::uint64_t rest = exact & ~ColumnsFrom(k + 1, fullEnd);
      if (rest) UpdateNegativeZeros(row, rest, pivotRow, f);
    }
  }

 private:
  // The update of the given columns, where the product is a signed zero: only a -0 can change.
  static void UpdateNegativeZeros(ComplexRow& row, std::uint64_t columns,
                                  const ComplexRow& pivotRow, const ComplexLD& f) {
    for (; columns; columns &= columns - 1) {
      const int c = std::countr_zero(columns);
      if (HoldsNegativeZero(row[c])) Update(row[c], pivotRow[c], f);
    }
  }

  std::vector<int> lead_;
  std::vector<std::uint64_t> negativeZeros_;
};

}  // namespace

ComplexLD ComplexDeterminantFast(ComplexMatrix& matrix, double pivotThreshold,
                                 DeterminantProgress* progress) {
  if (matrix.size() > BandedReduction::kMaxOrder + 1)
    return ComplexDeterminant(matrix, pivotThreshold, progress);
  thread_local BandedReduction reduction;
  return DeterminantWith(matrix, pivotThreshold, progress, reduction);
}
