#pragma once
#include "model/complex_matrix.h"

// The row work of the elimination: which candidates the pivot search may pass over, and the
// updates below each pivot. This plain one passes over nothing and updates every element in
// full, row by row and column by column.
class RowReduction {
 public:
  virtual ~RowReduction() = default;
  // Called once, with the square matrix of order n, before the first column.
  virtual void Begin(const ComplexMatrix& /*m*/, int /*n*/) {}
  // True when element (row, column) is known to be an exact zero, whose modulus 0 can never
  // win the pivot search.
  virtual bool KnownZero(int /*row*/, int /*column*/) const { return false; }
  // Exchanges the elements of rows k and p from column k to n.
  virtual void ExchangeRows(ComplexMatrix& m, int k, int p, int n);
  // Subtracts f times the pivot row k from every row j > k in columns k + 1..n, where f is
  // M[j][k] times the pivot's reciprocal w. Column k itself is left stale.
  virtual void EliminateBelow(ComplexMatrix& m, int k, int n, const ComplexLD& w);
};

// The determinant by partial pivoting on modulus with the given row reduction; the pivot
// search, row exchanges, reciprocal, diagonal product and sign are shared by every variant.
ComplexLD DeterminantWith(ComplexMatrix& matrix, double pivotThreshold,
                          DeterminantProgress* progress, RowReduction& reduction);
