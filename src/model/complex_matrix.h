#pragma once
#include <vector>

#include "model/complex_ld.h"

// A growable matrix of ComplexLD used 1-based: order n is stored as n + 1 rows of n + 1 elements.
using ComplexRow = std::vector<ComplexLD>;
using ComplexMatrix = std::vector<ComplexRow>;

// The pivot threshold every caller passes to the determinant (the double nearest 1e-36).
inline constexpr double kPivotThreshold = 1e-36;

// Optional observer of the elimination's progress.
class DeterminantProgress {
 public:
  virtual ~DeterminantProgress() = default;
  virtual void setMinimum(int value) = 0;
  virtual void setMaximum(int value) = 0;
  virtual void setPosition(int value) = 0;
};

// Makes the matrix r + 1 rows by c + 1 columns, keeping the elements inside both bounds.
void ResizeMatrix(ComplexMatrix& matrix, int r, int c);

// Gaussian elimination with partial pivoting by modulus, in place. Returns 0 + 0i when a
// pivot column has no element of modulus >= pivotThreshold; reports code 1 for a
// non-square matrix.
ComplexLD ComplexDeterminant(ComplexMatrix& matrix, double pivotThreshold,
                             DeterminantProgress* progress = nullptr);
